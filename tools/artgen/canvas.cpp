#include "canvas.h"

namespace artgen {

Argb Mix(Argb a, Argb b, int t)
{
    auto channel = [t](uint32_t ca, uint32_t cb) {
        return static_cast<uint32_t>((static_cast<int>(ca) * (256 - t) + static_cast<int>(cb) * t + 128) >> 8);
    };
    return MakeArgb(channel(AlphaOf(a), AlphaOf(b)), channel(RedOf(a), RedOf(b)),
                    channel(GreenOf(a), GreenOf(b)), channel(BlueOf(a), BlueOf(b)));
}

Argb Shade(Argb c, int amount)
{
    auto clamp = [amount](uint32_t v) {
        int s = static_cast<int>(v) + amount;
        return static_cast<uint32_t>(s < 0 ? 0 : (s > 255 ? 255 : s));
    };
    return MakeArgb(AlphaOf(c), clamp(RedOf(c)), clamp(GreenOf(c)), clamp(BlueOf(c)));
}

uint32_t Hash(int32_t x, int32_t y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, 0)
{
}

bool Canvas::Contains(int x, int y) const
{
    return x >= 0 && y >= 0 && x < width_ && y < height_;
}

Argb Canvas::At(int x, int y) const
{
    return Contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0;
}

void Canvas::Set(int x, int y, Argb c)
{
    if (Contains(x, y))
        pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::Blend(int x, int y, Argb c)
{
    if (!Contains(x, y))
        return;
    const uint32_t sa = AlphaOf(c);
    if (sa == 0)
        return;
    Argb& d = pixels_[static_cast<size_t>(y) * width_ + x];
    if (sa == 255) {
        d = c;
        return;
    }
    // Straight alpha: out = src * sa + dst * da * (1 - sa), divided by the result alpha.
    const uint32_t da = AlphaOf(d);
    const uint32_t dw = da * (255 - sa);         // weight of the destination, scaled by 255
    const uint32_t outA255 = sa * 255 + dw;       // result alpha scaled by 255
    auto channel = [&](uint32_t cs, uint32_t cd) {
        return (cs * sa * 255 + cd * dw + outA255 / 2) / outA255;
    };
    d = MakeArgb((outA255 + 127) / 255, channel(RedOf(c), RedOf(d)), channel(GreenOf(c), GreenOf(d)),
                 channel(BlueOf(c), BlueOf(d)));
}

void Canvas::FillRect(int x, int y, int w, int h, Argb c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Set(i, j, c);
}

void Canvas::BlendRect(int x, int y, int w, int h, Argb c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            Blend(i, j, c);
}

void Canvas::FillShape(int x, int y, int w, int h, const Shape& inside, Argb c)
{
    constexpr int kSamples = 4;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (inside(i + (sx + 0.5) / kSamples, j + (sy + 0.5) / kSamples))
                        ++hits;
            if (hits == 0)
                continue;
            const uint32_t a = (AlphaOf(c) * static_cast<uint32_t>(hits) + kSamples * kSamples / 2) /
                               (kSamples * kSamples);
            Blend(i, j, WithAlpha(c, a));
        }
    }
}

void Canvas::Paste(const Canvas& from, int x, int y)
{
    for (int j = 0; j < from.Height(); ++j)
        for (int i = 0; i < from.Width(); ++i)
            Set(x + i, y + j, from.At(i, j));
}

void Canvas::Compose(const Canvas& from, int x, int y)
{
    for (int j = 0; j < from.Height(); ++j)
        for (int i = 0; i < from.Width(); ++i)
            Blend(x + i, y + j, from.At(i, j));
}

} // namespace artgen
