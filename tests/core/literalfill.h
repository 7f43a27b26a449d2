#pragma once
// The fill's walk written out step by step as its description reads, with
// every "lowest entry whose flag is unset" found by scanning the list from
// the start. Tests and benchmarks hold the real fill against it.

#include <cstdint>

#include "fill.h"
#include "mapdocument.h"

namespace literal {

inline int32_t LowestUnset(const FillWorkList& list, int32_t from, bool FillEntry::*flag) {
    for (int32_t i = from; i < list.count; ++i) {
        if (!(list.entries[i].*flag)) return i;
    }
    return -1;
}

inline void FloodFill(MapDocument& doc, FillWorkList& list, int32_t lowerKind, int32_t key) {
    int32_t cur = 0;
    int32_t scanL = 0;
    int32_t scanR = 0;
    int32_t t = TileForKind(lowerKind);
    auto paintAndAppend = [&](int32_t x, int32_t y, bool FillEntry::*cameFrom) {
        doc.lowerShells[y][x] = {lowerKind, t};
        list.entries[list.count] = {x, y, false, false, false, false};
        list.entries[list.count].*cameFrom = true;
        cur = list.count;
        ++list.count;
    };
    auto moveToLowest = [&](bool FillEntry::*flag) {
        const int32_t i = LowestUnset(list, 0, flag);
        if (i >= 0) cur = i;
    };
    for (;;) {
        if (lowerKind == kKindHanji) t = TileForKind(kKindHanji);

        FillEntry* e = &list.entries[cur];
        e->upDone = true;
        if (e->y - 1 >= 0 && doc.lowerShells[e->y - 1][e->x].kind == key) {
            paintAndAppend(e->x, e->y - 1, &FillEntry::downDone);
            continue;
        }
        moveToLowest(&FillEntry::downDone);

        e = &list.entries[cur];
        e->downDone = true;
        if (e->y + 1 < doc.height && doc.lowerShells[e->y + 1][e->x].kind == key) {
            paintAndAppend(e->x, e->y + 1, &FillEntry::upDone);
            continue;
        }
        moveToLowest(&FillEntry::leftDone);

        e = &list.entries[cur];
        e->leftDone = true;
        if (e->x - 1 >= 0 && doc.lowerShells[e->y][e->x - 1].kind == key) {
            paintAndAppend(e->x - 1, e->y, &FillEntry::rightDone);
            continue;
        }
        moveToLowest(&FillEntry::rightDone);

        e = &list.entries[cur];
        e->rightDone = true;
        if (e->x + 1 < doc.width && doc.lowerShells[e->y][e->x + 1].kind == key) {
            paintAndAppend(e->x + 1, e->y, &FillEntry::leftDone);
            continue;
        }
        int32_t i = LowestUnset(list, scanL, &FillEntry::leftDone);
        if (i >= 0) {
            cur = i;
            scanL = i;
            continue;
        }
        i = LowestUnset(list, scanR, &FillEntry::rightDone);
        if (i >= 0) {
            cur = i;
            scanR = i;
            continue;
        }
        return;
    }
}

}  // namespace literal
