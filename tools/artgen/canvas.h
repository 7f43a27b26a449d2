// A plain ARGB pixel buffer with the few deterministic drawing operations the
// art needs. Every result depends only on integer and IEEE double arithmetic,
// so the same inputs give the same bytes on every machine.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace artgen {

using Argb = uint32_t;

constexpr Argb MakeArgb(uint32_t a, uint32_t r, uint32_t g, uint32_t b)
{
    return (a << 24) | (r << 16) | (g << 8) | b;
}
constexpr uint32_t AlphaOf(Argb c) { return c >> 24; }
constexpr uint32_t RedOf(Argb c) { return (c >> 16) & 0xFF; }
constexpr uint32_t GreenOf(Argb c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(Argb c) { return c & 0xFF; }

// The colour with its alpha replaced.
constexpr Argb WithAlpha(Argb c, uint32_t a) { return (c & 0x00FFFFFF) | (a << 24); }

// Linear mix of two colours, t from 0 (a) to 256 (b), alpha included.
Argb Mix(Argb a, Argb b, int t);

// The colour made lighter (amount > 0) or darker (amount < 0) by amount per channel.
Argb Shade(Argb c, int amount);

// A well-mixed hash of three integers; the source of every "random" detail.
uint32_t Hash(int32_t x, int32_t y, uint32_t seed);

// True when the point (x, y), in pixel units, lies inside a shape.
using Shape = std::function<bool(double x, double y)>;

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Argb>& Pixels() const { return pixels_; }

    Argb At(int x, int y) const;
    void Set(int x, int y, Argb c);
    // Source-over blending of a straight-alpha colour.
    void Blend(int x, int y, Argb c);
    void FillRect(int x, int y, int w, int h, Argb c);
    void BlendRect(int x, int y, int w, int h, Argb c);

    // Blends c over every pixel of the box (x, y, w, h) that the shape covers,
    // with 4 x 4 samples per pixel for smooth edges.
    void FillShape(int x, int y, int w, int h, const Shape& inside, Argb c);

    // Copies another canvas over this one at (x, y), replacing the pixels.
    void Paste(const Canvas& from, int x, int y);
    // Blends another canvas over this one at (x, y).
    void Compose(const Canvas& from, int x, int y);

private:
    bool Contains(int x, int y) const;

    int width_;
    int height_;
    std::vector<Argb> pixels_;
};

} // namespace artgen
