#pragma once
// An editor's worth of model for tests: a document, the tool state, the fill
// list, the undo history and the tools over them, with helpers to open a map
// of one kind and to drive the tools by cell.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "dialoglink.h"
#include "drawingtools.h"
#include "fill.h"
#include "mapdocument.h"
#include "toolstate.h"
#include "undo.h"
#include "upperobjects.h"

// Remembers the last text each object button was given.
class RecordingDialog : public DialogLink {
public:
    void SetObjectButtonText(int slot, const char* text) override { buttons[slot] = text; }
    std::string buttons[kMatterSlots];
};

class ToolsTest : public ::testing::Test {
protected:
    // Opens a width × height map of `kind` (hanji gets its edge records) with
    // a fresh history holding the starting state.
    void OpenMap(int width, int height, int kind = kKindEmpty) {
        doc->isOpen = true;
        doc->isModified = false;
        doc->width = width;
        doc->height = height;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) SetCell(x, y, kind);
        }
        undo->RestartUndo(*doc);
        undo->AdvanceTimer(1.0f);
    }

    // Writes a cell directly, with the edge record the kind implies.
    void SetCell(int x, int y, int kind) {
        doc->lowerShells[y][x] = {kind, TileForKind(kind)};
        doc->sizzleShells[y][x] = kEmptySizzleShell;
        doc->sizzleShells[y][x].present = kind == kKindHanji;
    }

    ToolOutcome Click(int mode, int kind, int x, int y) {
        tools.drawMode = mode;
        tools.lowerKind = kind;
        return ClickCell(x, y);
    }

    // A press at the middle of cell (x, y), as the view makes it.
    ToolOutcome ClickCell(int x, int y) {
        const int px = x * kCellPixels + kCellPixels / 2;
        const int py = y * kCellPixels + kCellPixels / 2;
        return drawing.ApplyTool(px, py, drawing.KindAt(px, py));
    }

    int KindOf(int x, int y) const { return doc->lowerShells[y][x].kind; }
    int TileOf(int x, int y) const { return doc->lowerShells[y][x].tile; }
    const SizzleShell& EdgeOf(int x, int y) const { return doc->sizzleShells[y][x]; }
    const Gate& GateOf(int x, int y) const { return doc->gates[y][x]; }

    void MakePair(int ax, int ay, int bx, int by) {
        Click(kModeOneCell, kKindGate, ax, ay);
        Click(kModeOneCell, kKindGate, bx, by);
    }

    std::unique_ptr<MapDocument> doc = std::make_unique<MapDocument>();
    RecordingDialog dialog;
    ToolState tools;
    std::unique_ptr<FillWorkList> fill = std::make_unique<FillWorkList>();
    std::unique_ptr<UndoHistory> undo = std::make_unique<UndoHistory>();
    UpperObjects objects{*doc, tools};
    DrawingTools drawing{*doc, tools, *fill, *undo, objects};

    void SetUp() override { doc->dialog = &dialog; }
};
