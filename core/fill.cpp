#include "fill.h"

FillWorkList::FillWorkList() : count(0) {
    for (FillEntry& entry : entries) entry = kEmptyFillEntry;
}

void FillWorkList::Clear() {
    for (int32_t i = 0; i < count; ++i) entries[i] = kEmptyFillEntry;
    count = 0;
}

void FillWorkList::Seed(int32_t x, int32_t y) {
    Clear();
    entries[0] = {x, y, false, false, false, false};
    count = 1;
}

namespace {

// The lowest entry at or after a position whose flag is still unset. Flags
// only ever turn on and entries are only appended, so every entry the cursor
// has passed stays set: it never moves back, and all the searches of one fill
// cost one pass over the list per flag.
class UnsetCursor {
public:
    UnsetCursor(const FillWorkList& list, bool FillEntry::*flag) : list_(list), flag_(flag) {}

    // Index of the lowest unset entry at or after the cursor, or -1.
    int32_t Find() {
        while (at_ < list_.count && list_.entries[at_].*flag_) ++at_;
        return at_ < list_.count ? at_ : -1;
    }

private:
    const FillWorkList& list_;
    bool FillEntry::*flag_;
    int32_t at_ = 0;
};

class FillWalk {
public:
    FillWalk(MapDocument& doc, FillWorkList& list, int32_t lowerKind, int32_t key)
        : doc_(doc), list_(list), lowerKind_(lowerKind), key_(key) {}

    void Run() {
        tile_ = TileForKind(lowerKind_);
        for (;;) {
            // Hanji cells get varied tiles.
            if (lowerKind_ == kKindHanji) tile_ = TileForKind(kKindHanji);
            if (TryUp()) continue;
            if (TryDown()) continue;
            if (TryLeft()) continue;
            if (TryRight()) continue;
            // Resume at the lowest entry not yet examined leftward, then
            // rightward. Each resumption point is itself the lowest unset entry
            // of its flag, so every entry below it is set and a search from it
            // finds the same entry as a search from the start of the list.
            int32_t next = lowestLeft_.Find();
            if (next < 0) next = lowestRight_.Find();
            if (next < 0) return;
            cur_ = next;
        }
    }

private:
    bool IsKey(int32_t x, int32_t y) const { return doc_.lowerShells[y][x].kind == key_; }

    // Paints (x, y), appends it with the flag of the side it was reached
    // from set, and makes it the current entry.
    void PaintAndAppend(int32_t x, int32_t y, bool FillEntry::*cameFrom) {
        doc_.lowerShells[y][x] = {lowerKind_, tile_};
        FillEntry& added = list_.entries[list_.count];
        added = {x, y, false, false, false, false};
        added.*cameFrom = true;
        cur_ = list_.count;
        ++list_.count;
    }

    void MoveTo(int32_t index) {
        if (index >= 0) cur_ = index;
    }

    bool TryUp() {
        FillEntry& e = list_.entries[cur_];
        e.upDone = true;
        if (e.y - 1 >= 0 && IsKey(e.x, e.y - 1)) {
            PaintAndAppend(e.x, e.y - 1, &FillEntry::downDone);
            return true;
        }
        MoveTo(lowestDown_.Find());
        return false;
    }

    bool TryDown() {
        FillEntry& e = list_.entries[cur_];
        e.downDone = true;
        if (e.y + 1 < doc_.height && IsKey(e.x, e.y + 1)) {
            PaintAndAppend(e.x, e.y + 1, &FillEntry::upDone);
            return true;
        }
        MoveTo(lowestLeft_.Find());
        return false;
    }

    bool TryLeft() {
        FillEntry& e = list_.entries[cur_];
        e.leftDone = true;
        if (e.x - 1 >= 0 && IsKey(e.x - 1, e.y)) {
            PaintAndAppend(e.x - 1, e.y, &FillEntry::rightDone);
            return true;
        }
        MoveTo(lowestRight_.Find());
        return false;
    }

    bool TryRight() {
        FillEntry& e = list_.entries[cur_];
        e.rightDone = true;
        if (e.x + 1 < doc_.width && IsKey(e.x + 1, e.y)) {
            PaintAndAppend(e.x + 1, e.y, &FillEntry::leftDone);
            return true;
        }
        return false;
    }

    MapDocument& doc_;
    FillWorkList& list_;
    const int32_t lowerKind_;
    const int32_t key_;
    int32_t tile_ = 0;
    int32_t cur_ = 0;
    UnsetCursor lowestDown_{list_, &FillEntry::downDone};
    UnsetCursor lowestLeft_{list_, &FillEntry::leftDone};
    UnsetCursor lowestRight_{list_, &FillEntry::rightDone};
};

}  // namespace

void FloodFill(MapDocument& doc, FillWorkList& list, int32_t lowerKind, int32_t key) {
    FillWalk(doc, list, lowerKind, key).Run();
}
