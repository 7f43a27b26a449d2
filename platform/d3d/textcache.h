#pragma once
// Remembers what drawing a line of text did to the pixels it may touch, so
// the same line drawn again over the same pixels is pasted instead of laid
// out and rasterised again. A line is replayed only when its text, format,
// colour, rectangle and every pixel under its rectangle are what they were:
// the result is then exactly what drawing it would give. The editor draws
// the same few lines every frame, most of them unchanged.
// Storage is fixed when the cache is made; nothing is allocated while drawing.

#include <cstddef>
#include <cstdint>

#include "blitter.h"
#include "d3dtypes.h"

namespace quarrow::d3d {

struct TextLine {
    const char* text;
    int length;         // bytes of text
    DWORD format;
    D3DCOLOR colour;
    RECT rect;          // as the caller gave it; drawing is clipped to it
};

class TextCache {
public:
    static constexpr int kEntries = 8;
    static constexpr int kMaxTextBytes = 512;
    static constexpr int kMaxPixels = 768 * 32;   // a line across the view, twice its height

    // Whether a line can be remembered at all: clipped to its rectangle, not
    // too long, and with a rectangle of at most kMaxPixels inside the buffer.
    static bool Cacheable(const TextLine& line, const PixelTarget& buffer);

    // When the line was drawn before over the same pixels: pastes the result,
    // gives the height the drawing returned, and returns true.
    bool Replay(const TextLine& line, const PixelTarget& buffer, int* height);

    // Before drawing a line that Replay did not find: keeps the pixels under
    // it. Returns the entry to finish with Remember, or -1.
    int Prepare(const TextLine& line, const PixelTarget& buffer);
    // After drawing: keeps the pixels the drawing left and its height.
    void Remember(int entry, const PixelTarget& buffer, int height);

private:
    struct Area {
        int x, y, width, height;
    };
    struct Entry {
        bool valid = false;
        uint64_t lastUse = 0;
        char text[kMaxTextBytes];
        int length = 0;
        DWORD format = 0;
        D3DCOLOR colour = 0;
        RECT rect{};
        Area area{};
        int height = 0;
        uint32_t before[kMaxPixels];
        uint32_t after[kMaxPixels];
    };

    static Area ClippedArea(const RECT& rect, const PixelTarget& buffer);
    static bool SameLine(const Entry& entry, const TextLine& line);
    static bool SamePixels(const uint32_t* kept, const PixelTarget& buffer, const Area& area);
    static void Save(uint32_t* kept, const PixelTarget& buffer, const Area& area);
    static void Paste(const uint32_t* kept, const PixelTarget& buffer, const Area& area);
    int Victim() const;

    Entry entries[kEntries];
    uint64_t clock = 0;
};

}  // namespace quarrow::d3d
