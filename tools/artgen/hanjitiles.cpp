#include "hanjitiles.h"

#include "shapes.h"

#include <algorithm>

namespace artgen {
namespace {

constexpr int kSize = 24;
constexpr Argb kPaper = MakeArgb(255, 236, 226, 198);
constexpr Argb kFibreLight = MakeArgb(255, 250, 244, 226);
constexpr Argb kFibreDark = MakeArgb(255, 212, 198, 162);

// d: distance from the open side or corner point, 0 on the outermost pixels.
// along: position along the band, used only away from the cell's ends so
// that the variants never disturb the pixels where bands of neighbours meet.
Argb BandColour(int d, int along, int variant)
{
    Argb c = kHanjiBandColours[d];
    if (d >= 1 && d <= 2 && along >= kHanjiBand && along < kSize - kHanjiBand) {
        const uint32_t h = Hash(along, d, 0xED6E0000u + static_cast<uint32_t>(variant));
        if (h % 7 == 0)
            c = Shade(c, -28);
        else if (h % 11 == 0)
            c = Shade(c, 18);
    }
    return c;
}

} // namespace

void DrawHanjiPaper(Canvas& tile, int variant)
{
    const uint32_t seed = 0x4A4E0000u + static_cast<uint32_t>(variant);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            tile.Set(x, y, Shade(kPaper, static_cast<int>(Hash(x, y, seed) % 9) - 4));

    // Short mulberry fibres in random directions, some light, some dark.
    for (int i = 0; i < 7; ++i) {
        const uint32_t h = Hash(i, variant, 0xF1B0u);
        const double x0 = 1.0 + h % 22;
        const double y0 = 1.0 + (h >> 8) % 22;
        const double dx = static_cast<int>((h >> 16) % 9) - 4;
        const double dy = static_cast<int>((h >> 20) % 9) - 4;
        const Argb colour = (h >> 28) % 3 == 0 ? kFibreDark : kFibreLight;
        tile.FillShape(0, 0, kSize, kSize, Stroke(x0, y0, x0 + dx, y0 + dy, 0.45), WithAlpha(colour, 200));
    }
}

void DrawHanjiEdge(Canvas& tile, int mask, int variant)
{
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            int best = kHanjiBand;
            int along = 0;
            auto consider = [&](bool open, int d, int position) {
                if (open && d < best) {
                    best = d;
                    along = position;
                }
            };
            consider(mask & kOpenTop, y, x);
            consider(mask & kOpenBottom, kSize - 1 - y, x);
            consider(mask & kOpenLeft, x, y);
            consider(mask & kOpenRight, kSize - 1 - x, y);
            if (best < kHanjiBand)
                tile.Set(x, y, BandColour(best, along, variant));
        }
    }
}

void DrawHanjiCorner(Canvas& tile, HanjiCorner corner, int variant)
{
    const bool right = corner == HanjiCorner::UpperRight || corner == HanjiCorner::LowerRight;
    const bool upper = corner == HanjiCorner::UpperRight || corner == HanjiCorner::UpperLeft;
    for (int j = 0; j < kHanjiBand; ++j) {
        for (int i = 0; i < kHanjiBand; ++i) {
            // (i, j) is the offset from the corner point into the cell; the
            // band wraps the point, so the distance is the larger offset.
            const int x = right ? kSize - 1 - i : i;
            const int y = upper ? j : kSize - 1 - j;
            tile.Set(x, y, BandColour(std::max(i, j), 0, variant));
        }
    }
}

} // namespace artgen
