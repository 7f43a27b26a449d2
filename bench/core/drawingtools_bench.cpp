// The fill over a whole map against the step-by-step walk it must match, and
// one single-cell paint with its undo record.

#include <benchmark/benchmark.h>

#include <memory>

#include "drawingtools.h"
#include "fill.h"
#include "literalfill.h"
#include "mapdocument.h"
#include "toolstate.h"
#include "undo.h"
#include "upperobjects.h"

namespace {

std::unique_ptr<MapDocument> OpenMapOf(int side, int kind) {
    auto doc = std::make_unique<MapDocument>();
    doc->isOpen = true;
    doc->width = side;
    doc->height = side;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) doc->lowerShells[y][x] = {kind, TileForKind(kind)};
    return doc;
}

// Fills the whole map each round, alternating two kinds so every round
// paints every cell.
template <void (*Fill)(MapDocument&, FillWorkList&, int32_t, int32_t)>
void FillWholeMap(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    auto doc = OpenMapOf(side, kKindEmpty);
    auto list = std::make_unique<FillWorkList>();
    int kind = kKindStone;
    int key = kKindEmpty;
    for (auto _ : state) {
        doc->lowerShells[side / 2][side / 2] = {kind, TileForKind(kind)};
        list->Seed(side / 2, side / 2);
        Fill(*doc, *list, kind, key);
        benchmark::DoNotOptimize(list->count);
        list->Clear();
        std::swap(kind, key);
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}

void BM_FloodFill(benchmark::State& state) { FillWholeMap<FloodFill>(state); }
void BM_FloodFillLiteral(benchmark::State& state) { FillWholeMap<literal::FloodFill>(state); }

BENCHMARK(BM_FloodFill)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FloodFillLiteral)->Arg(100)->Unit(benchmark::kMicrosecond);

// One click of the one-cell tool, re-tiling and undo record included; the
// history is full after 200 rounds and then drops its oldest each time.
void BM_PaintCell(benchmark::State& state) {
    auto doc = OpenMapOf(100, kKindHanji);
    auto fill = std::make_unique<FillWorkList>();
    auto undo = std::make_unique<UndoHistory>();
    ToolState tools;
    UpperObjects objects(*doc, tools);
    DrawingTools drawing(*doc, tools, *fill, *undo, objects);
    undo->RestartUndo(*doc);
    tools.drawMode = kModeOneCell;
    int round = 0;
    for (auto _ : state) {
        tools.lowerKind = round % 2 ? kKindHanji : kKindStone;
        const int px = 50 * kCellPixels;
        drawing.ApplyTool(px, px, drawing.KindAt(px, px));
        ++round;
    }
    benchmark::DoNotOptimize(doc->lowerShells[50][50]);
}
BENCHMARK(BM_PaintCell)->Unit(benchmark::kMicrosecond);

}  // namespace
