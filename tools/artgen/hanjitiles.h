// Hanji paper and the edge and corner tiles laid over it where it borders
// other terrain. An edge tile draws a border band along each open side; a
// corner tile draws the band's square at one corner. The band's look depends
// only on the distance from the open side (edges) or from the corner point
// (corners), so bands of neighbouring cells meet without a seam.
#pragma once

#include "canvas.h"
// The sheet's places for these tiles, shared with the retiling tools.
#include "hanjisheet.h"

namespace artgen {

enum class HanjiCorner { UpperRight, LowerRight, UpperLeft, LowerLeft };

constexpr int kVariants = kHanjiTileVariants;

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
