// Hanji paper and the edge and corner tiles laid over it where it borders
// other terrain. An edge tile draws a border band along each open side; a
// corner tile draws the band's square at one corner. The band's look depends
// only on the distance from the open side (edges) or from the corner point
// (corners), so bands of neighbouring cells meet without a seam.
#pragma once

#include "canvas.h"

namespace artgen {

// Open sides of a hanji cell: the neighbour on that side is other terrain.
enum HanjiSide { kOpenTop = 1, kOpenBottom = 2, kOpenLeft = 4, kOpenRight = 8 };

enum class HanjiCorner { UpperRight, LowerRight, UpperLeft, LowerLeft };

// First of the five variant tiles for each side mask 1 to 15 (0: no edge).
constexpr int kHanjiEdgeBase[16] = {0,   40,  60,  165, 80,  170, 150, 135,
                                    100, 110, 130, 155, 145, 175, 115, 125};
constexpr int kHanjiPaperBase = 20;
constexpr int kHanjiUpperRightBase = 120;
constexpr int kHanjiLowerRightBase = 105;
constexpr int kHanjiUpperLeftBase = 140;
constexpr int kHanjiLowerLeftBase = 160;
constexpr int kVariants = 5;

// Width of the border band in pixels, and its colours from the open side
// inwards: a dark rim fading into the paper. Away from the cell's ends the
// variants speckle the middle of the band.
constexpr int kHanjiBand = 5;
constexpr Argb kHanjiBandColours[kHanjiBand] = {
    MakeArgb(255, 92, 68, 40),    MakeArgb(255, 150, 118, 78), MakeArgb(255, 192, 164, 120),
    MakeArgb(255, 216, 196, 156), MakeArgb(255, 228, 214, 182),
};

void DrawHanjiPaper(Canvas& tile, int variant);
void DrawHanjiEdge(Canvas& tile, int mask, int variant);
void DrawHanjiCorner(Canvas& tile, HanjiCorner corner, int variant);

} // namespace artgen
