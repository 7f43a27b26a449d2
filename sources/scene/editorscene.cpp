#include "editorscene.h"

#include <algorithm>
#include <cmath>

#include "app.h"
#include "graphicsdevice.h"
#include "mapfile.h"
#include "pointeroverlay.h"
#include "winapi.h"

namespace {

constexpr int kTilesPerRow = 20;
constexpr int kPiecesPerRow = 10;
constexpr int kGateGroundTile = 2;
constexpr int kStartTile = 3;
constexpr int kEndTile = 4;
constexpr int kObjectButtonSize = 18;
constexpr int kObjectButtonLeft = 860;
constexpr int kObjectButtonTop = 217;
constexpr int kObjectButtonPitch = 20;
constexpr int kObjectButtonColumns = 5;
// Tile and piece numbers come from map files unchecked. Squares beyond the
// largest texture the drawing layer makes (8192 pixels a side) cannot show,
// and their pixel positions would not fit the rectangle's integers: such
// numbers draw nothing.
constexpr int kLargestTextureSide = 8192;
constexpr int kSquareRowsInLargestTexture = kLargestTextureSide / kCellPixels;

bool FitsInATexture(int32_t number, int squaresPerRow) {
    return number >= 0 && number / squaresPerRow < kSquareRowsInLargestTexture;
}

// First cell of the visited window along one axis: one cell before the
// first visible one, or 0.
float FirstVisited(float offset) {
    const float scrolled = -offset;
    return scrolled > kCellPixels ? (scrolled - kCellPixels) / kCellPixels : 0.0f;
}

// Aims `square` at entry `index` of an image cut into 24-pixel squares,
// `perRow` to a row. False when no image could hold that entry.
bool AimAtSquare(Rect& square, int32_t index, int32_t perRow) {
    if (!FitsInATexture(index, perRow)) return false;
    square.Set((index % perRow) * kCellPixels, (index / perRow) * kCellPixels, kCellPixels, kCellPixels);
    return true;
}

// The pixel position of a cell along one axis; any cell number, far-away
// ones included, without integer overflow.
float CellPixel(int32_t cell) { return static_cast<float>(kCellPixels) * static_cast<float>(cell); }

}  // namespace

void MainDialogLink::SetFieldUnsigned(int controlId, unsigned value) {
    App* app = GetApp();
    if (app != nullptr) SetDlgItemInt(app->GetMainDialog(), controlId, value, FALSE);
}

void MainDialogLink::SetObjectButtonText(int slot, const char* text) {
    if (slot < 0 || slot >= kObjectButtonCount || buttons_[slot] == nullptr) return;
    SetWindowTextA(buttons_[slot], text);
}

EditorScene::EditorScene() { document.dialog = &dialogLink; }

bool EditorScene::Init() {
    App* app = GetApp();
    const HWND mainDialog = app != nullptr ? app->GetMainDialog() : nullptr;
    document.SetStartPoint(0, 0);
    document.SetEndPoint(1, 1);
    if (mainDialog != nullptr) CreateObjectButtons(mainDialog);
    if (!GameObject::Init()) return false;
    SetPosition(0.0f, 0.0f, 0.0f);
    SetColour(kOpaqueWhite);
    document.ClearAll();
    fillList.Clear();
    tools.pendingGate = Gate{false, -1, -1, 0, 0, 0, 0};
    tools.gateWaiting = false;
    for (int limit = 0; limit < kMaxUseCount; ++limit) {
        dialogLink.SetFieldUnsigned(kFirstMaxUseField + limit, static_cast<unsigned>(document.maxUse[limit]));
    }
    return true;
}

void EditorScene::CreateObjectButtons(HWND mainDialog) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int slot = 0; slot < kObjectButtonCount; ++slot) {
        const int row = slot / kObjectButtonColumns;
        const int column = slot % kObjectButtonColumns;
        DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHLIKE | BS_AUTORADIOBUTTON;
        if (slot == 0) style |= WS_GROUP;
        objectButtonIds[slot] = kFirstObjectButtonId + slot;
        objectButtons[slot] = CreateWindowExA(
            WS_EX_STATICEDGE, "button", "x", style, kObjectButtonLeft + kObjectButtonPitch * column,
            kObjectButtonTop + kObjectButtonPitch * row, kObjectButtonSize, kObjectButtonSize, mainDialog,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(objectButtonIds[slot])), instance, nullptr);
    }
}

void EditorScene::Release() { GameObject::Release(); }

bool EditorScene::Update() {
    App* app = GetApp();
    AdvanceClocks(app != nullptr ? app->GetDelta() : 0.0f);
    GameObject::Update();
    return true;
}

void EditorScene::AdvanceClocks(float seconds) {
    // At most one animation step per frame; the surplus time is dropped.
    wormClock += seconds;
    if (wormClock - wormLastStep > kWormStepSeconds) {
        wormLastStep = wormClock;
        wormFrame = (wormFrame + 1) % kWormFrames;
    }
    undo.AdvanceTimer(seconds);
}

bool EditorScene::ReadMapFile(const char* fileName) {
    // The reader resets the document whether or not the file reads.
    drawing.CancelPendingGate();
    if (!::ReadMapFile(document, fileName)) return false;
    undo.RestartUndo(document);
    return true;
}

bool EditorScene::WriteMapFile(const char* fileName) const { return ::WriteMapFile(document, fileName); }

void EditorScene::DrawTile(int32_t tile, int32_t column, int32_t row) {
    if (!AimAtSquare(sourceRect, tile, kTilesPerRow)) return;
    SetPosition(CellPixel(column) + viewOffset.x, CellPixel(row) + viewOffset.y, 0.0f);
    GameObject::Render();
}

void EditorScene::Render() {
    if (!document.IsOpen()) return;
    DrawMap();
    DrawInformation();
}

void EditorScene::DrawMap() { DrawMap(VisitedCells(), true); }

void EditorScene::DrawMap(const CellWindow& cells, bool withObjects) {
    LoadTexture(document.lowerShellImage);
    DrawLowerLayer(cells);
    DrawHanjiEdges(cells);
    if (withObjects) DrawObjects();
    DrawMarkers();
}

CellWindow EditorScene::VisitedCells() const {
    const float firstColumn = FirstVisited(viewOffset.x);
    const float firstRow = FirstVisited(viewOffset.y);
    // The visited window never reaches past the grids, whatever size a file carried.
    return CellWindow{
        static_cast<int32_t>(std::trunc(firstColumn)),
        static_cast<int32_t>(std::trunc(firstRow)),
        std::min(kGridSize, static_cast<int32_t>(std::ceil(firstColumn + kViewColumns + 2))),
        std::min(kGridSize, static_cast<int32_t>(std::ceil(firstRow + kViewRows + 2))),
    };
}

CellWindow EditorScene::MapCells() const {
    return CellWindow{0, 0, std::clamp(document.width, 0, kGridSize), std::clamp(document.height, 0, kGridSize)};
}

void EditorScene::DrawLowerLayer(const CellWindow& cells) {
    const Gate& pending = tools.pendingGate;
    for (int row = cells.firstRow; row < cells.endRow; ++row) {
        for (int column = cells.firstColumn; column < cells.endColumn; ++column) {
            const LowerShell& cell = document.lowerShells[row][column];
            if (cell.kind == kKindGate) {
                DrawTile(kGateGroundTile, column, row);
                const Gate& gate = document.gates[row][column];
                // A gate cell without its record shows only its ground.
                if (gate.present) {
                    SetColour(gate.colour);
                    DrawTile(gate.tile, column, row);
                    SetColour(kOpaqueWhite);
                }
            } else if (cell.kind == kKindWormHole) {
                DrawTile(cell.tile + kTilesPerRow * wormFrame, column, row);
            } else if (cell.kind != kKindNone) {
                DrawTile(cell.tile, column, row);
            }
            if (pending.present && pending.x == column && pending.y == row) {
                SetColour(pending.colour);
                DrawTile(pending.tile, column, row);
                SetColour(kOpaqueWhite);
            }
        }
    }
}

void EditorScene::DrawHanjiEdges(const CellWindow& cells) {
    for (int row = cells.firstRow; row < cells.endRow; ++row) {
        for (int column = cells.firstColumn; column < cells.endColumn; ++column) {
            const SizzleShell& edges = document.sizzleShells[row][column];
            if (!edges.present) continue;
            if (edges.upperRight != -1) DrawTile(edges.upperRight, column, row);
            if (edges.upperLeft != -1) DrawTile(edges.upperLeft, column, row);
            if (edges.lowerRight != -1) DrawTile(edges.lowerRight, column, row);
            if (edges.lowerLeft != -1) DrawTile(edges.lowerLeft, column, row);
            if (edges.edge != 0) DrawTile(edges.edge, column, row);
        }
    }
}

void EditorScene::DrawObjects() {
    const int selected = tools.selectedMatter;
    // Unselected slots from 49 down to 0, tinted; the selected one last, opaque.
    for (int step = kMatterSlots - 1; step >= -1; --step) {
        if (step == selected) continue;
        const int slot = step == -1 ? selected : step;
        if (slot < 0 || slot >= kMatterSlots) continue;
        SetColour(step == -1 ? kOpaqueWhite : kUnselectedObjectColour);
        const Matter& matter = document.matters[slot];
        if (!matter.used) continue;
        LoadTexture(matter.imageName);
        const int count = std::min(matter.count, kMatterPoints);
        for (int index = 0; index < count; ++index) {
            const MatterPoint& point = matter.points[index];
            if (!AimAtSquare(sourceRect, point.piece, kPiecesPerRow)) continue;
            SetPosition(kCellPixels * point.x + viewOffset.x, kCellPixels * point.y + viewOffset.y, 0.0f);
            GameObject::Render();
        }
    }
}

void EditorScene::DrawMarkers() {
    SetColour(kOpaqueWhite);
    LoadTexture(document.lowerShellImage);
    DrawTile(kStartTile, document.startPoint.x, document.startPoint.y);
    DrawTile(kEndTile, document.endPoint.x, document.endPoint.y);
}

void EditorScene::DrawInformation() {
    GraphicsDevice* device = GetGraphicsDevice();
    if (device == nullptr) return;
    device->PrintText(0, 40, kInformationColour, "Width : %d,  Height :%d  ", document.width, document.height);
    // The second line names the view cell under the mouse; the pointer
    // overlay supplies the mouse position.
    const PointerOverlay* overlay = GetPointerOverlay();
    const POINT mouse = overlay != nullptr ? overlay->mousePoint : POINT{0, 0};
    device->PrintText(0, 60, kInformationColour, "Shell X : %d,  Shell Y :%d  ", static_cast<int>(mouse.x / kCellPixels),
                      static_cast<int>(mouse.y / kCellPixels));
}
