#pragma once
// Paints a document the way a designer does in the editor: clicks of the
// core's tools on cells, with the editor's tool state and working storage.

#include <cstdint>
#include <memory>

#include "drawingtools.h"

// The four headings of a one-way cell, in the order clicks turn it.
enum class Heading { kUp = 0, kRight = 1, kDown = 2, kLeft = 3 };

class Painter {
public:
    explicit Painter(MapDocument& doc);

    // One click with `kind` in `mode` on cell (x, y).
    void Click(int32_t mode, int32_t kind, int32_t x, int32_t y);
    // The cover tool: every cell of the map becomes `kind`.
    void Cover(int32_t kind);
    // Every cell of the rectangle, one click each.
    void Cells(int32_t kind, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    // An irregular oval around (cx, cy), as painted by hand; the map's outer ring is left alone.
    void Blob(int32_t kind, int32_t cx, int32_t cy, int32_t rx, int32_t ry);
    // A straight run of cells from (x0, y0) to (x1, y1), `thickness` cells wide.
    void Line(int32_t kind, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t thickness);
    // A one-way cell turned to `heading`.
    void OneWay(int32_t x, int32_t y, Heading heading);
    // Both ends of a gate pair.
    void Gate(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
    // Loads `image` into `slot` and places it centred on (x, y).
    void Object(int32_t slot, const char* image, int32_t x, int32_t y);

private:
    MapDocument& doc_;
    ToolState tools_;
    std::unique_ptr<UndoHistory> undo_;  // about 65 MB: not on the stack
    std::unique_ptr<FillWorkList> fill_;
    UpperObjects objects_;
    DrawingTools drawing_;
};
