#include "painter.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A fixed hash of a lattice point, 0 to 15.
int32_t LatticeValue(int32_t x, int32_t y) {
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int32_t>(h & 15u);
}

// A gentle, position-only wobble of 0 to 15: the lattice values blended
// across each 5 × 5 square, so outlines bend instead of fraying cell by cell.
int32_t Wobble(int32_t x, int32_t y) {
    constexpr int32_t kSpacing = 5;
    const int32_t lx = x / kSpacing;
    const int32_t ly = y / kSpacing;
    const int32_t fx = x % kSpacing;
    const int32_t fy = y % kSpacing;
    const int32_t top = LatticeValue(lx, ly) * (kSpacing - fx) + LatticeValue(lx + 1, ly) * fx;
    const int32_t bottom = LatticeValue(lx, ly + 1) * (kSpacing - fx) + LatticeValue(lx + 1, ly + 1) * fx;
    return (top * (kSpacing - fy) + bottom * fy) / (kSpacing * kSpacing);
}

// Step i of `steps` along a run of `delta` cells, rounded to the nearest cell.
int32_t RoundedStep(int32_t delta, int32_t i, int32_t steps) {
    if (steps == 0) return 0;
    const int32_t magnitude = (std::abs(delta) * 2 * i + steps) / (2 * steps);
    return delta < 0 ? -magnitude : magnitude;
}

}  // namespace

Painter::Painter(MapDocument& doc)
    : doc_(doc), undo_(std::make_unique<UndoHistory>()), fill_(std::make_unique<FillWorkList>()),
      objects_(doc, tools_), drawing_(doc, tools_, *fill_, *undo_, objects_) {}

void Painter::Click(int32_t mode, int32_t kind, int32_t x, int32_t y) {
    tools_.drawMode = mode;
    tools_.lowerKind = kind;
    tools_.lastPaintedCell = kNoCell;
    const int32_t px = x * kCellPixels + kCellPixels / 2;
    const int32_t py = y * kCellPixels + kCellPixels / 2;
    drawing_.ApplyTool(px, py, drawing_.KindAt(px, py));
}

void Painter::Cover(int32_t kind) { Click(kModeCover, kind, 0, 0); }

void Painter::Cells(int32_t kind, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    for (int32_t y = y0; y <= y1; ++y) {
        for (int32_t x = x0; x <= x1; ++x) Click(kModeOneCell, kind, x, y);
    }
}

void Painter::Blob(int32_t kind, int32_t cx, int32_t cy, int32_t rx, int32_t ry) {
    // Inside when (dx/rx)² + (dy/ry)² stays below 1 give or take a quarter;
    // in whole numbers, scaled by 64 rx² ry².
    const int64_t rx2 = int64_t{rx} * rx;
    const int64_t ry2 = int64_t{ry} * ry;
    for (int32_t y = std::max(1, cy - ry - 1); y <= std::min(doc_.height - 2, cy + ry + 1); ++y) {
        for (int32_t x = std::max(1, cx - rx - 1); x <= std::min(doc_.width - 2, cx + rx + 1); ++x) {
            const int64_t dx = x - cx;
            const int64_t dy = y - cy;
            const int64_t distance = 64 * (dx * dx * ry2 + dy * dy * rx2);
            const int64_t reach = (56 + Wobble(x, y)) * rx2 * ry2;
            if (distance <= reach) Click(kModeOneCell, kind, x, y);
        }
    }
}

void Painter::Line(int32_t kind, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t thickness) {
    const int32_t steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    const bool mostlyAcross = std::abs(x1 - x0) >= std::abs(y1 - y0);
    for (int32_t i = 0; i <= steps; ++i) {
        const int32_t x = x0 + RoundedStep(x1 - x0, i, steps);
        const int32_t y = y0 + RoundedStep(y1 - y0, i, steps);
        for (int32_t t = 0; t < thickness; ++t) {
            Click(kModeOneCell, kind, mostlyAcross ? x : x + t, mostlyAcross ? y + t : y);
        }
    }
}

void Painter::OneWay(int32_t x, int32_t y, Heading heading) {
    // The first click lays the cell pointing up; each further click turns it clockwise.
    for (int32_t click = 0; click <= static_cast<int32_t>(heading); ++click) Click(kModeOneCell, kKindOneWay, x, y);
}

void Painter::Gate(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    Click(kModeOneCell, kKindGate, x0, y0);
    Click(kModeOneCell, kKindGate, x1, y1);
}

void Painter::Object(int32_t slot, const char* image, int32_t x, int32_t y) {
    tools_.selectedMatter = slot;
    objects_.ArmObject(image);
    tools_.lowerKind = kKindNone;
    Click(kModePlaceObject, kKindNone, x, y);
    tools_.selectedMatter = -1;
}
