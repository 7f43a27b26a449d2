#pragma once
// The terrain tools: one cell, gate pairs, one-way turning, fill and cover,
// with the hanji edge records kept up to date around every painted cell.
// Object placement and erasing are handed to UpperObjects.

#include <cstdint>

#include "fill.h"
#include "mapdocument.h"
#include "toolstate.h"
#include "undo.h"
#include "upperobjects.h"

enum class ToolOutcome {
    kApplied,        // the tool ran (whether or not a cell changed); the map is marked modified
    kIgnored,        // no document, outside the map, or a silent refusal
    kNameListFull,   // an object with a 51st distinct image name was refused
};

class DrawingTools {
public:
    DrawingTools(MapDocument& doc, ToolState& tools, FillWorkList& fill, UndoHistory& undo,
                 UpperObjects& objects)
        : doc_(doc), tools_(tools), fill_(fill), undo_(undo), objects_(objects) {}

    // Kind of the cell under map pixel (px, py); 0 when closed or outside.
    int32_t KindAt(int32_t px, int32_t py) const;
    // One left click or drag step at map pixel (px, py); `kindUnderCursor`
    // is what KindAt gave for the same position just before.
    ToolOutcome ApplyTool(int32_t px, int32_t py, int32_t kindUnderCursor);

    void PaintCell(int32_t x, int32_t y);
    void PlaceGateEnd(int32_t x, int32_t y);
    void RemoveGatePair(int32_t x, int32_t y);
    void PaintOneWay(int32_t x, int32_t y);

    void RetileAfterPaint(int32_t x, int32_t y);
    void RetileHanji(int32_t x, int32_t y);
    void RetileNeighbours(int32_t x, int32_t y);
    void RetileCell(int32_t x, int32_t y);

    // Forgets a gate end waiting for its partner (a new, opened or closed map).
    void CancelPendingGate();

    void FloodFill(int32_t key);
    void FinishFill();
    void ClearFillList();

private:
    bool FillArea(int32_t x, int32_t y, int32_t kindUnderCursor);
    bool CoverMap();
    // Paints (x, y) with kind `kind` through PaintCell, keeping `lowerKind`.
    void PaintCellAs(int32_t x, int32_t y, int32_t kind);
    // Whether (x, y) is a gate end whose partner is inside the map and
    // names it back; gives the partner.
    bool LinkedPartner(int32_t x, int32_t y, CellPoint& partner) const;
    // Before an end of the new gate pair overwrites an older gate end: the
    // old partner loses its record and becomes empty space, unless it is the
    // new pair's other end.
    void DissolveOldPair(int32_t x, int32_t y, CellPoint newPartner);
    bool IsHanji(int32_t x, int32_t y) const { return doc_.lowerShells[y][x].kind == kKindHanji; }
    bool HasEdgeRecord(int32_t x, int32_t y) const { return doc_.sizzleShells[y][x].present; }

    MapDocument& doc_;
    ToolState& tools_;
    FillWorkList& fill_;
    UndoHistory& undo_;
    UpperObjects& objects_;
};
