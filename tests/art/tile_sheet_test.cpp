// The tile sheet holds every tile the editor draws at the place it reads it
// from, and the hanji edge and corner tiles join into unbroken borders.
#include "hanjitiles.h"
#include "mockmap.h"
#include "tilesheet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using artgen::Argb;
using artgen::Canvas;
using artgen::kTileSize;

enum class Cover { Opaque, Partial, Empty };

Cover CoverOf(const Canvas& sheet, int tile)
{
    const int x0 = (tile % artgen::kTilesPerRow) * kTileSize;
    const int y0 = (tile / artgen::kTilesPerRow) * kTileSize;
    int opaque = 0, clear = 0;
    for (int y = y0; y < y0 + kTileSize; ++y) {
        for (int x = x0; x < x0 + kTileSize; ++x) {
            const uint32_t a = artgen::AlphaOf(sheet.At(x, y));
            opaque += a == 255;
            clear += a == 0;
        }
    }
    if (opaque == kTileSize * kTileSize)
        return Cover::Opaque;
    return clear == kTileSize * kTileSize ? Cover::Empty : Cover::Partial;
}

std::set<int> Range(int first, int last)
{
    std::set<int> s;
    for (int t = first; t <= last; ++t)
        s.insert(t);
    return s;
}

TEST(TileSheet, TerrainIsOpaqueOverlaysAreCutOutAndUnusedSlotsAreEmpty)
{
    const Canvas sheet = artgen::DrawTileSheet();
    ASSERT_EQ(sheet.Width(), 480);
    ASSERT_GE(sheet.Height(), (179 / 20 + 1) * kTileSize);

    // Terrain is drawn as the cell's only tile, so it must hide what is below.
    std::set<int> opaque = {2, 7, 27, 8, 9, 29, 49, 69, 89, 10, 11, 13, 33, 53, 73, 14, 15};
    opaque.merge(Range(20, 24));
    // Markers, the gate (over tile 2) and hanji borders (over paper) let the
    // tile below show.
    std::set<int> partial = {3, 4, 12};
    for (int first : {40, 60, 80})
        partial.merge(Range(first, first + 4));
    partial.merge(Range(100, 179));

    for (int tile = 0; tile <= artgen::kLastTile; ++tile) {
        const Cover expected = opaque.count(tile) ? Cover::Opaque : partial.count(tile) ? Cover::Partial : Cover::Empty;
        EXPECT_EQ(CoverOf(sheet, tile), expected) << "tile " << tile;
    }
}

TEST(TileSheet, AnimationFramesAndOneWayHeadingsDiffer)
{
    const std::vector<std::vector<int>> groups = {{9, 29, 49, 69, 89}, {13, 33, 53, 73}, {7, 27}, {20, 21, 22, 23, 24}};
    for (const auto& group : groups)
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j)
                EXPECT_NE(artgen::DrawTile(group[i]).Pixels(), artgen::DrawTile(group[j]).Pixels())
                    << group[i] << " and " << group[j];
}

bool IsBand(Argb c)
{
    for (Argb band : artgen::kHanjiBandColours)
        if (c == band)
            return true;
    return false;
}

// Where two hanji cells touch, a border band on one side of the seam must
// continue on the other side in the same colour: a missing corner or a band
// of the wrong depth shows as a break in the border.
TEST(HanjiBorders, ContinueAcrossEverySeamBetweenHanjiCells)
{
    // A scatter of hanji that holds outer and inner corners, single cells,
    // strips, holes and cells on the map's edges.
    constexpr int kCells = 16;
    std::vector<std::string> rows(kCells, std::string(kCells, '.'));
    for (int y = 0; y < kCells; ++y)
        for (int x = 0; x < kCells; ++x)
            if (artgen::Hash(x, y, 7) % 5 < 3)
                rows[y][x] = 'H';
    const Canvas map = artgen::ComposeMap(rows, 0);

    int bandPixelsChecked = 0;
    for (int y = 0; y < kCells; ++y) {
        for (int x = 0; x < kCells; ++x) {
            if (rows[y][x] != 'H')
                continue;
            for (int i = 0; i < kTileSize; ++i) {
                // Right-hand neighbour: last column here against its first column.
                if (x + 1 < kCells && rows[y][x + 1] == 'H') {
                    const Argb a = map.At(x * kTileSize + kTileSize - 1, y * kTileSize + i);
                    const Argb b = map.At((x + 1) * kTileSize, y * kTileSize + i);
                    ASSERT_EQ(IsBand(a), IsBand(b)) << "cells (" << x << "," << y << ")-(" << x + 1 << "," << y << ") row " << i;
                    if (IsBand(a)) {
                        ASSERT_EQ(a, b) << "cells (" << x << "," << y << ")-(" << x + 1 << "," << y << ") row " << i;
                        ++bandPixelsChecked;
                    }
                }
                // Neighbour below: last row here against its first row.
                if (y + 1 < kCells && rows[y + 1][x] == 'H') {
                    const Argb a = map.At(x * kTileSize + i, y * kTileSize + kTileSize - 1);
                    const Argb b = map.At(x * kTileSize + i, (y + 1) * kTileSize);
                    ASSERT_EQ(IsBand(a), IsBand(b)) << "cells (" << x << "," << y << ")-(" << x << "," << y + 1 << ") column " << i;
                    if (IsBand(a)) {
                        ASSERT_EQ(a, b) << "cells (" << x << "," << y << ")-(" << x << "," << y + 1 << ") column " << i;
                        ++bandPixelsChecked;
                    }
                }
            }
        }
    }
    EXPECT_GT(bandPixelsChecked, 100); // the scatter really has borders crossing seams
}

// Along a hanji cell's side that faces other terrain the dark rim is unbroken,
// whatever the neighbours on the other sides are.
TEST(HanjiBorders, RimRunsTheWholeSideFacingOtherTerrain)
{
    for (int mask = 1; mask < 16; ++mask) {
        const Canvas edge = artgen::DrawTile(kHanjiEdgeBase[mask] + 2);
        for (int i = 0; i < kTileSize; ++i) {
            if (mask & kOpenTop) {
                EXPECT_EQ(edge.At(i, 0), artgen::kHanjiBandColours[0]) << "mask " << mask;
            }
            if (mask & kOpenBottom) {
                EXPECT_EQ(edge.At(i, kTileSize - 1), artgen::kHanjiBandColours[0]) << "mask " << mask;
            }
            if (mask & kOpenLeft) {
                EXPECT_EQ(edge.At(0, i), artgen::kHanjiBandColours[0]) << "mask " << mask;
            }
            if (mask & kOpenRight) {
                EXPECT_EQ(edge.At(kTileSize - 1, i), artgen::kHanjiBandColours[0]) << "mask " << mask;
            }
        }
    }
}

} // namespace
