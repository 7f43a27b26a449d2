#include "undo.h"

#include <cstring>

// User-provided so that the 65 MB of snapshots are not zeroed at construction.
UndoHistory::UndoHistory() {}

void UndoHistory::RecordUndo(const MapDocument& doc) {
    if (count_ == kUndoSnapshots) {
        oldest_ = (oldest_ + 1) % kUndoSnapshots;
        --count_;
    }
    UndoSnapshot& snapshot = Slot(count_);
    std::memcpy(snapshot.lowerShells, doc.lowerShells, sizeof snapshot.lowerShells);
    std::memcpy(snapshot.sizzleShells, doc.sizzleShells, sizeof snapshot.sizzleShells);
    ++count_;
}

void UndoHistory::RestartUndo(const MapDocument& doc) {
    oldest_ = 0;
    count_ = 0;
    RecordUndo(doc);
}

bool UndoHistory::Undo(MapDocument& doc) {
    if (timer_ <= kUndoMinInterval) return false;
    bool restored = false;
    if (count_ > 0) {
        --count_;
        const UndoSnapshot& snapshot = Slot(count_);
        std::memcpy(doc.lowerShells, snapshot.lowerShells, sizeof doc.lowerShells);
        std::memcpy(doc.sizzleShells, snapshot.sizzleShells, sizeof doc.sizzleShells);
        restored = true;
    }
    timer_ = 0.0f;
    return restored;
}

void UndoHistory::AdvanceTimer(float seconds) {
    timer_ += seconds;
    if (timer_ >= kUndoTimerCap) timer_ = kUndoTimerCap;
}
