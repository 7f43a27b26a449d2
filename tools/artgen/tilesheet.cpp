#include "tilesheet.h"

#include "hanjitiles.h"
#include "terraintiles.h"

namespace artgen {
namespace {

constexpr int kWormHoleTile = 9;
constexpr int kWormFrames = 5;

// The side mask whose edge tiles start at base, or 0.
int MaskForEdgeBase(int base)
{
    for (int mask = 1; mask < 16; ++mask)
        if (kHanjiEdgeBase[mask] == base)
            return mask;
    return 0;
}

// Draws the hanji edge or corner tile with this number; false if it is none.
bool DrawHanjiBorderTile(Canvas& tile, int number)
{
    if (number < 40)
        return false;
    const int base = number - number % kVariants;
    const int variant = number % kVariants;
    switch (base) {
    case kHanjiUpperRightBase: DrawHanjiCorner(tile, HanjiCorner::UpperRight, variant); return true;
    case kHanjiLowerRightBase: DrawHanjiCorner(tile, HanjiCorner::LowerRight, variant); return true;
    case kHanjiUpperLeftBase: DrawHanjiCorner(tile, HanjiCorner::UpperLeft, variant); return true;
    case kHanjiLowerLeftBase: DrawHanjiCorner(tile, HanjiCorner::LowerLeft, variant); return true;
    default: break;
    }
    const int mask = MaskForEdgeBase(base);
    if (mask == 0)
        return false;
    DrawHanjiEdge(tile, mask, variant);
    return true;
}

bool DrawTerrainTile(Canvas& tile, int number)
{
    switch (number) {
    case 2: DrawEmptySpace(tile); return true;
    case 3: DrawStartMarker(tile); return true;
    case 4: DrawEndMarker(tile); return true;
    case 7: DrawStone(tile, 0); return true;
    case 27: DrawStone(tile, 1); return true;
    case 8: DrawMud(tile); return true;
    case 10: DrawFood(tile); return true;
    case 11: DrawFilth(tile); return true;
    case 12: DrawGate(tile); return true;
    // One-way cells turn clockwise: 13 -> 33 -> 53 -> 73 -> 13.
    case 13: DrawOneWay(tile, Heading::Up); return true;
    case 33: DrawOneWay(tile, Heading::Right); return true;
    case 53: DrawOneWay(tile, Heading::Down); return true;
    case 73: DrawOneWay(tile, Heading::Left); return true;
    case 14: DrawMine(tile); return true;
    case 15: DrawTrap(tile); return true;
    default: break;
    }
    // Worm hole frames lie one tile row apart.
    if (number >= kWormHoleTile && (number - kWormHoleTile) % kTilesPerRow == 0 &&
        (number - kWormHoleTile) / kTilesPerRow < kWormFrames) {
        DrawWormHole(tile, (number - kWormHoleTile) / kTilesPerRow);
        return true;
    }
    if (number >= kHanjiPaperBase && number < kHanjiPaperBase + kVariants) {
        DrawHanjiPaper(tile, number - kHanjiPaperBase);
        return true;
    }
    return false;
}

bool DrawAnyTile(Canvas& tile, int number)
{
    return DrawTerrainTile(tile, number) || DrawHanjiBorderTile(tile, number);
}

} // namespace

std::vector<int> UsedTiles()
{
    std::vector<int> used;
    for (int number = 0; number <= kLastTile; ++number) {
        Canvas scratch(kTileSize, kTileSize);
        if (DrawAnyTile(scratch, number))
            used.push_back(number);
    }
    return used;
}

Canvas DrawTile(int number)
{
    Canvas tile(kTileSize, kTileSize);
    DrawAnyTile(tile, number);
    return tile;
}

Canvas DrawTileSheet()
{
    Canvas sheet(kTilesPerRow * kTileSize, kSheetRows * kTileSize);
    for (int number = 0; number <= kLastTile; ++number)
        sheet.Paste(DrawTile(number), (number % kTilesPerRow) * kTileSize, (number / kTilesPerRow) * kTileSize);
    return sheet;
}

} // namespace artgen
