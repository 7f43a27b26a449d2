#include "spritelists.h"

#include <algorithm>

namespace spritebench {
namespace {

constexpr int kTilesPerRow = 20;
constexpr int kPiecesPerRow = 10;
constexpr int kVisitedColumns = 34;
constexpr int kVisitedRows = 27;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kUnselectedObject = 0x80C8FFC8u;
constexpr uint32_t kGateTint = 0xFF60A0E0u;   // one of the tints gates are given

// The terrain tiles of the eleven kinds (gates as their ground), with the
// variants the tools pick: empty, hanji, stone, mud, worm hole and its
// frames, food, filth, one-way headings, mine, trap.
constexpr int kTerrainTiles[] = {2, 20, 21, 22, 23, 24, 7, 27, 8, 9, 29, 49, 10, 11, 13, 33, 53, 73, 14, 15};
// Hanji corner tiles (upper right, upper left, lower right, lower left) and
// the first edge tile of each side mask; each has five variants.
constexpr int kCornerBases[] = {120, 140, 105, 160};
constexpr int kEdgeBases[] = {40, 60, 165, 80, 170, 150, 135, 100, 110, 130, 155, 145, 175, 115, 125};
constexpr int kVariants = 5;

// A fixed scatter so every run draws the same frame.
unsigned Scatter(int a, int b) {
    unsigned h = static_cast<unsigned>(a) * 73856093u ^ static_cast<unsigned>(b) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

Sprite Tile(int tile, int column, int row, uint32_t colour) {
    // The visited window starts one cell left of and above the view.
    return {kTileSheet, (tile % kTilesPerRow) * kCell, (tile / kTilesPerRow) * kCell,
            (column - 1) * kCell, (row - 1) * kCell, colour};
}

template <typename Visit>
void ForEachVisitedCell(Visit visit) {
    for (int row = 0; row < kVisitedRows; ++row)
        for (int column = 0; column < kVisitedColumns; ++column) visit(column, row);
}

void AddMarkers(std::vector<Sprite>& sprites) {
    sprites.push_back(Tile(3, 3, 3, kWhite));
    sprites.push_back(Tile(4, 30, 22, kWhite));
}

}  // namespace

std::vector<Sprite> TypicalFrame() {
    std::vector<Sprite> sprites;
    ForEachVisitedCell([&](int column, int row) {
        const int tile = kTerrainTiles[Scatter(column, row) % std::size(kTerrainTiles)];
        sprites.push_back(Tile(tile, column, row, kWhite));
    });
    AddMarkers(sprites);
    return sprites;
}

std::vector<Sprite> WorstFrame() {
    std::vector<Sprite> sprites;
    ForEachVisitedCell([&](int column, int row) {
        sprites.push_back(Tile(2, column, row, kWhite));
        sprites.push_back(Tile(12, column, row, kGateTint));
    });
    ForEachVisitedCell([&](int column, int row) {
        const unsigned pick = Scatter(column, row);
        for (int corner : kCornerBases) sprites.push_back(Tile(corner + pick % kVariants, column, row, kWhite));
        const int edge = kEdgeBases[(pick / kVariants) % std::size(kEdgeBases)];
        sprites.push_back(Tile(edge + (pick / 97) % kVariants, column, row, kWhite));
    });
    for (int object = 0; object < 50; ++object) {
        // Blocks of 10 × 10 cells spread over the 32 × 25 view, overlapping.
        const int left = (object * 7) % 23;
        const int top = (object * 5) % 16;
        const int image = kFirstObjectImage + object % kObjectImageCount;
        for (int piece = 0; piece < kPiecesPerRow * kPiecesPerRow; ++piece) {
            sprites.push_back({image, (piece % kPiecesPerRow) * kCell, (piece / kPiecesPerRow) * kCell,
                               (left + piece % kPiecesPerRow) * kCell, (top + piece / kPiecesPerRow) * kCell,
                               kUnselectedObject});
        }
    }
    AddMarkers(sprites);
    return sprites;
}

long VisibleRows(const std::vector<Sprite>& sprites) {
    long rows = 0;
    for (const Sprite& s : sprites) {
        const int visibleColumns = std::min(s.dstX + kCell, kBufferWidth) - std::max(s.dstX, 0);
        const int visibleRows = std::min(s.dstY + kCell, kBufferHeight) - std::max(s.dstY, 0);
        if (visibleColumns > 0 && visibleRows > 0) rows += visibleRows;
    }
    return rows;
}

}  // namespace spritebench
