// The lower layer's tile sheet: 24 x 24 tiles, 20 per row, tile t at
// ((t mod 20) x 24, (t div 20) x 24). Slots the editor never addresses stay
// transparent.
#pragma once

#include "canvas.h"

#include <vector>

namespace artgen {

constexpr int kTileSize = 24;
constexpr int kTilesPerRow = 20;
constexpr int kSheetRows = 9; // up to tile 179, the last hanji edge variant
constexpr int kLastTile = kTilesPerRow * kSheetRows - 1;

// Every tile number the editor draws, in increasing order.
std::vector<int> UsedTiles();

// One tile drawn alone (transparent when the number is unused).
Canvas DrawTile(int tile);

Canvas DrawTileSheet();

} // namespace artgen
