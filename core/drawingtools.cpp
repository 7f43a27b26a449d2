#include "drawingtools.h"

#include "hanjisheet.h"

#include <cstdlib>

namespace {

// Map pixel to cell. Negative positions lie left of or above the map, so
// they give -1 rather than cell 0.
int32_t CellOf(int32_t pixel) { return pixel >= 0 ? pixel / kCellPixels : -1; }

// The eight neighbours, in the order the edge records are refreshed.
constexpr int kNeighbourDx[8] = {1, -1, 0, 0, 1, -1, 1, -1};
constexpr int kNeighbourDy[8] = {0, 0, 1, -1, 1, -1, -1, 1};


constexpr int32_t kOneWayFirstTile = 13;
constexpr int32_t kOneWayLastTile = 73;
constexpr int32_t kOneWayTileStep = 20;

}  // namespace

int32_t DrawingTools::KindAt(int32_t px, int32_t py) const {
    if (!doc_.isOpen) return kKindNone;
    const int32_t x = CellOf(px);
    const int32_t y = CellOf(py);
    return doc_.InsideMap(x, y) ? doc_.lowerShells[y][x].kind : kKindNone;
}

ToolOutcome DrawingTools::ApplyTool(int32_t px, int32_t py, int32_t kindUnderCursor) {
    // The cell's own kind decides below: it is what the view's KindAt gave
    // just before, and a stale value could make the fill paint its own kind
    // forever or overwrite a gate end without dissolving its pair.
    (void)kindUnderCursor;
    if (!doc_.isOpen) return ToolOutcome::kIgnored;
    const int32_t x = CellOf(px);
    const int32_t y = CellOf(py);
    if (!doc_.InsideMap(x, y)) return ToolOutcome::kIgnored;
    if (tools_.drawMode != kModeOneCell) CancelPendingGate();

    const int32_t kind = doc_.lowerShells[y][x].kind;
    switch (tools_.drawMode) {
    case kModeOneCell:
        if (tools_.lowerKind == kKindGate) {
            PlaceGateEnd(x, y);
        } else if (tools_.lowerKind == kKindOneWay) {
            PaintOneWay(x, y);
        } else {
            // With no kind chosen (an object is selected) no cell changes,
            // gate ends included.
            if (tools_.lowerKind != kKindNone) {
                if (kind == kKindGate) {
                    RemoveGatePair(x, y);
                } else {
                    PaintCell(x, y);
                }
            }
            CancelPendingGate();
        }
        break;
    case kModeFill:
        if (!FillArea(x, y, kind)) return ToolOutcome::kIgnored;
        break;
    case kModeCover:
        if (!CoverMap()) return ToolOutcome::kIgnored;
        break;
    case kModePlaceObject:
        if (objects_.PlaceObject(x, y) == PlaceResult::kNameListFull) return ToolOutcome::kNameListFull;
        break;
    case kModeEraseObject:
        objects_.EraseObjectPiece(x, y);
        break;
    default:
        // The point mode (and anything unknown) leaves the map alone.
        return ToolOutcome::kIgnored;
    }

    doc_.isModified = true;
    tools_.lastPaintedCell = tools_.mouseDragging ? CellPoint{x, y} : kNoCell;
    return ToolOutcome::kApplied;
}

void DrawingTools::CancelPendingGate() {
    tools_.gateWaiting = false;
    tools_.pendingGate.present = false;
    tools_.pendingGate.x = -1;
    tools_.pendingGate.y = -1;
}

bool DrawingTools::FillArea(int32_t x, int32_t y, int32_t key) {
    const int32_t kind = tools_.lowerKind;
    if (kind == kKindNone || kind == key || kind == kKindGate) return false;
    if (key == kKindGate) {
        // A fill clicked on a gate end only dissolves the pair.
        RemoveGatePair(x, y);
        return true;
    }
    doc_.lowerShells[y][x] = {kind, TileForKind(kind)};
    fill_.Seed(x, y);
    FloodFill(key);
    FinishFill();
    ClearFillList();
    return true;
}

bool DrawingTools::CoverMap() {
    const int32_t kind = tools_.lowerKind;
    if (kind == kKindNone || kind == kKindGate) return false;
    for (int32_t i = 0; i < doc_.width; ++i) {
        for (int32_t j = 0; j < doc_.height; ++j) {
            if (doc_.lowerShells[j][i].kind == kKindGate) RemoveGatePair(i, j);
            doc_.lowerShells[j][i] = {kind, TileForKind(kind)};
            if (kind == kKindHanji) {
                RetileHanji(i, j);
            } else {
                doc_.sizzleShells[j][i].present = false;
            }
        }
    }
    return true;
}

void DrawingTools::PaintCell(int32_t x, int32_t y) {
    const int32_t kind = tools_.lowerKind;
    if (kind == kKindNone) return;
    // Hanji is painted again even over hanji, with a new variant tile.
    if (kind != kKindHanji && doc_.lowerShells[y][x].kind == kind) return;
    if (x == tools_.lastPaintedCell.x && y == tools_.lastPaintedCell.y) return;
    tools_.lastPaintedCell = {x, y};
    doc_.lowerShells[y][x] = {kind, TileForKind(kind)};
    RetileAfterPaint(x, y);
    undo_.RecordUndo(doc_);
}

void DrawingTools::PaintCellAs(int32_t x, int32_t y, int32_t kind) {
    const int32_t chosen = tools_.lowerKind;
    tools_.lowerKind = kind;
    PaintCell(x, y);
    tools_.lowerKind = chosen;
}

bool DrawingTools::LinkedPartner(int32_t x, int32_t y, CellPoint& partner) const {
    const Gate& end = doc_.gates[y][x];
    if (!end.present) return false;
    partner = {end.partnerX, end.partnerY};
    if (!doc_.InsideMap(partner.x, partner.y)) return false;
    if (partner.x == x && partner.y == y) return false;
    const Gate& other = doc_.gates[partner.y][partner.x];
    return other.present && other.partnerX == x && other.partnerY == y;
}

void DrawingTools::DissolveOldPair(int32_t x, int32_t y, CellPoint newPartner) {
    CellPoint partner{};
    const bool linked = LinkedPartner(x, y, partner);
    doc_.gates[y][x].present = false;
    if (!linked) return;
    doc_.gates[partner.y][partner.x].present = false;
    // The new pair's other end becomes a gate again right away.
    if (partner.x == newPartner.x && partner.y == newPartner.y) return;
    // A gate cell without its record would be half a gate.
    if (doc_.lowerShells[partner.y][partner.x].kind == kKindGate) PaintCellAs(partner.x, partner.y, kKindEmpty);
}

void DrawingTools::PlaceGateEnd(int32_t x, int32_t y) {
    Gate& pending = tools_.pendingGate;
    if (x == pending.x && y == pending.y) return;
    if (!tools_.gateWaiting) {
        // The first end is only remembered; nothing is painted yet.
        pending.present = true;
        pending.colour = MakeGateColour();
        pending.tile = TileForKind(kKindGate);
        pending.x = x;
        pending.y = y;
        tools_.gateWaiting = true;
        return;
    }
    const int32_t fx = pending.x;
    const int32_t fy = pending.y;
    // Either end may belong to an older pair: undo it before relinking.
    DissolveOldPair(x, y, {fx, fy});
    DissolveOldPair(fx, fy, {x, y});
    doc_.gates[y][x] = {true, x, y, fx, fy, pending.tile, pending.colour};
    PaintCell(x, y);
    Gate& first = doc_.gates[fy][fx];
    first = pending;
    first.partnerX = x;
    first.partnerY = y;
    PaintCell(fx, fy);
    // The second end stays in the pending position, so clicking it again
    // does nothing and the next click elsewhere starts a new pair.
    pending.present = false;
    pending.x = x;
    pending.y = y;
    tools_.gateWaiting = false;
}

void DrawingTools::RemoveGatePair(int32_t x, int32_t y) {
    // Only a partner that names this end back is touched: the record may be
    // gone (after an undo) or stale (from a file).
    CellPoint partner{};
    const bool linked = LinkedPartner(x, y, partner);
    if (linked) doc_.gates[partner.y][partner.x].present = false;
    doc_.gates[y][x].present = false;
    PaintCell(x, y);
    if (linked) PaintCellAs(partner.x, partner.y, kKindEmpty);
}

void DrawingTools::PaintOneWay(int32_t x, int32_t y) {
    LowerShell& cell = doc_.lowerShells[y][x];
    if (cell.kind == kKindGate) {
        RemoveGatePair(x, y);
    } else if (cell.kind != kKindOneWay) {
        PaintCell(x, y);
    } else {
        // Turning takes no undo record and ignores the drag's last cell, so
        // every move over the cell turns it one more step.
        cell.tile = cell.tile == kOneWayLastTile ? kOneWayFirstTile : cell.tile + kOneWayTileStep;
    }
}

void DrawingTools::RetileAfterPaint(int32_t x, int32_t y) {
    if (tools_.lowerKind == kKindHanji) {
        RetileHanji(x, y);
    } else {
        RetileNeighbours(x, y);
    }
}

void DrawingTools::RetileHanji(int32_t x, int32_t y) {
    if (!doc_.InsideMap(x, y)) return;
    RetileCell(x, y);
    for (int n = 0; n < 8; ++n) {
        const int32_t nx = x + kNeighbourDx[n];
        const int32_t ny = y + kNeighbourDy[n];
        if (doc_.InsideMap(nx, ny) && HasEdgeRecord(nx, ny) && IsHanji(nx, ny)) RetileCell(nx, ny);
    }
}

void DrawingTools::RetileNeighbours(int32_t x, int32_t y) {
    doc_.sizzleShells[y][x].present = false;
    for (int n = 0; n < 8; ++n) {
        const int32_t nx = x + kNeighbourDx[n];
        const int32_t ny = y + kNeighbourDy[n];
        if (doc_.InsideMap(nx, ny) && IsHanji(nx, ny)) RetileCell(nx, ny);
    }
}

void DrawingTools::RetileCell(int32_t x, int32_t y) {
    SizzleShell& s = doc_.sizzleShells[y][x];
    const bool top = y - 1 < 0;
    const bool bottom = y + 1 >= doc_.height;
    const bool left = x - 1 < 0;
    const bool right = x + 1 >= doc_.width;

    // One bit for each side that borders other terrain inside the map.
    int mask = kOpenTop | kOpenBottom | kOpenLeft | kOpenRight;
    if (top || IsHanji(x, y - 1)) mask -= kOpenTop;
    if (bottom || IsHanji(x, y + 1)) mask -= kOpenBottom;
    if (left || IsHanji(x - 1, y)) mask -= kOpenLeft;
    if (right || IsHanji(x + 1, y)) mask -= kOpenRight;

    s.edge = 0;
    if (mask != 0) s.edge = kHanjiEdgeBase[mask] + std::rand() % kHanjiTileVariants;

    // A corner inside the map gets a tile when one of its three cells has no
    // edge record (as the records stand now, refreshed or not).
    auto openCorner = [&](int32_t dx, int32_t dy) {
        return !HasEdgeRecord(x + dx, y) || !HasEdgeRecord(x + dx, y + dy) || !HasEdgeRecord(x, y + dy);
    };
    s.upperRight = s.lowerRight = s.upperLeft = s.lowerLeft = -1;
    if (!(top || right) && openCorner(1, -1)) s.upperRight = kHanjiUpperRightBase + std::rand() % kHanjiTileVariants;
    if (!(top || left) && openCorner(-1, -1)) s.upperLeft = kHanjiUpperLeftBase + std::rand() % kHanjiTileVariants;
    if (!(bottom || left) && openCorner(-1, 1)) s.lowerLeft = kHanjiLowerLeftBase + std::rand() % kHanjiTileVariants;
    if (!(bottom || right) && openCorner(1, 1)) s.lowerRight = kHanjiLowerRightBase + std::rand() % kHanjiTileVariants;
    s.present = true;
}

void DrawingTools::FloodFill(int32_t key) { ::FloodFill(doc_, fill_, tools_.lowerKind, key); }

void DrawingTools::FinishFill() {
    for (int32_t i = 0; i < fill_.count; ++i) {
        const FillEntry& e = fill_.entries[i];
        if (tools_.lowerKind == kKindHanji) {
            RetileAfterPaint(e.x, e.y);
        } else {
            doc_.sizzleShells[e.y][e.x].present = false;
        }
    }
}

void DrawingTools::ClearFillList() { fill_.Clear(); }
