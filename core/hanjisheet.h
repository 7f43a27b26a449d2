#pragma once
// Where the hanji edge and corner tiles lie in the tile sheet. The retiling
// tools paint from these tables and the art generator draws the sheet from
// them, so the two can never disagree.

#include <cstdint>

// Hanji paper itself, and each edge or corner, comes in this many variants in a row.
constexpr int32_t kHanjiTileVariants = 5;
constexpr int32_t kHanjiPaperBase = 20;

// Open sides of a hanji cell: the neighbour on that side is other terrain.
enum HanjiSide : int32_t { kOpenTop = 1, kOpenBottom = 2, kOpenLeft = 4, kOpenRight = 8 };

// First of the variant edge tiles for each mask of open sides (0: no edge).
constexpr int32_t kHanjiEdgeBase[16] = {0,   40,  60,  165, 80,  170, 150, 135,
                                        100, 110, 130, 155, 145, 175, 115, 125};

// First of the variant tiles of each inner corner.
constexpr int32_t kHanjiUpperRightBase = 120;
constexpr int32_t kHanjiLowerRightBase = 105;
constexpr int32_t kHanjiUpperLeftBase = 140;
constexpr int32_t kHanjiLowerLeftBase = 160;
