#pragma once
// What the palette and the view's mouse have chosen, and the half-finished
// work of the tools between two clicks. The scene owns one; the drawing tools
// and the object operations read and change it.

#include <cstdint>

#include "mapdocument.h"

enum DrawMode : int32_t {
    kModePoint = 0,         // clicks do nothing
    kModeOneCell = 1,
    kModeFill = 2,
    kModeCover = 3,
    kModePlaceObject = 4,
    kModeEraseObject = 5,
};

constexpr CellPoint kNoCell{-1, -1};

struct ToolState {
    int32_t drawMode = kModePoint;
    int32_t lowerKind = kKindEmpty;  // 0 while the object palette is in force
    int32_t selectedMatter = -1;     // object slot 0..49, -1 for none
    bool lowerPaletteActive = false;
    bool upperPaletteActive = false;
    bool mouseDragging = false;
    // Keeps a drag from painting the same cell twice in a row.
    CellPoint lastPaintedCell = kNoCell;

    // The first end of a gate pair, waiting for its second click.
    Gate pendingGate{false, -1, -1, 0, 0, 0, 0};
    bool gateWaiting = false;

    // An image chosen with "Load" that the next click in the view places.
    bool objectArmed = false;
    char pendingObjectImage[kNameSize] = {};
};
