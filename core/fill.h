#pragma once
// The fill tool's work list and the walk that paints a 4-connected area.

#include <cstdint>

#include "mapdocument.h"

constexpr int kFillCapacity = kGridSize * kGridSize;  // one entry per cell of the grid

// One painted cell of a fill and which of its side neighbours were examined.
struct FillEntry {
    int32_t x;
    int32_t y;
    bool upDone;
    bool downDone;
    bool leftDone;
    bool rightDone;
};
constexpr FillEntry kEmptyFillEntry{-1, -1, false, false, false, false};

struct FillWorkList {
    FillEntry entries[kFillCapacity];
    int32_t count;

    FillWorkList();  // every entry empty
    // Empties the list; entries past `count` are empty already.
    void Clear();
    // Makes (x, y) the seed: the only entry, nothing examined yet.
    void Seed(int32_t x, int32_t y);
};

// Paints every cell of kind `key` 4-connected to the seed (entry 0, painted
// already) with `lowerKind`, appending one entry per painted cell. The order
// of painting and of the list, and the draws from rand(), follow the walk:
// try up from the newest entry; otherwise serve down, left and right of the
// lowest entries not yet examined that way. `lowerKind` must differ from
// `key`. Takes no undo record and leaves the edge records alone.
void FloodFill(MapDocument& doc, FillWorkList& list, int32_t lowerKind, int32_t key);
