#pragma once
// The undo history: snapshots of the two terrain grids, taken after each
// single-cell paint and when a map is made or read, put back newest first.
// Gates, objects, points, limits and the modified flag are not part of it.

#include <cstdint>

#include "mapdocument.h"

constexpr int kUndoSnapshots = 200;
constexpr float kUndoMinInterval = 0.15f;  // seconds between two undo requests
constexpr float kUndoTimerCap = 10.0f;

struct UndoSnapshot {
    LowerShell lowerShells[kGridSize][kGridSize];
    SizzleShell sizzleShells[kGridSize][kGridSize];
};

class UndoHistory {
public:
    UndoHistory();  // empty, timer at 0; the snapshots' contents are left as they are

    // Adds a snapshot of both grids as they are now. When all 200 are in use
    // the oldest is dropped, so recording never fails and never overflows.
    void RecordUndo(const MapDocument& doc);
    // Forgets every snapshot; the document's grids become snapshot 0.
    void RestartUndo(const MapDocument& doc);
    // Puts the newest snapshot back into the grids and forgets it. A request
    // less than 0.15 s after the last one carried out is dropped (the timer
    // keeps running). Returns whether the grids were restored.
    bool Undo(MapDocument& doc);
    // Feeds the time that passed, normally each frame's duration.
    void AdvanceTimer(float seconds);

    int32_t Count() const { return count_; }
    float Timer() const { return timer_; }

private:
    UndoSnapshot& Slot(int32_t age) { return snapshots_[(oldest_ + age) % kUndoSnapshots]; }

    // A ring: the oldest snapshot is at `oldest_`, so dropping it costs nothing.
    UndoSnapshot snapshots_[kUndoSnapshots];
    int32_t oldest_ = 0;
    int32_t count_ = 0;
    float timer_ = 0.0f;
};
