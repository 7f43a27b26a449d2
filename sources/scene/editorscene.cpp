#include "editorscene.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// First cell of the visited window along one axis: one cell before the
// first visible one, or 0.
float FirstVisited(float offset) {
    const float scrolled = -offset;
    return scrolled > kCellPixels ? (scrolled - kCellPixels) / kCellPixels : 0.0f;
}

// Aims `square` at entry `index` of an image cut into 24-pixel squares,
// `perRow` to a row. False when no image could hold that entry: numbers from a
// damaged file may be negative (nothing to draw) or so large that their pixel
// position overflows.
bool AimAtSquare(Rect& square, int32_t index, int32_t perRow) {
    constexpr int32_t kLastRow = (std::numeric_limits<int32_t>::max() - kCellPixels) / kCellPixels;
    if (index < 0 || index / perRow > kLastRow) return false;
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

void EditorScene::DrawMap() {
    const float firstColumn = FirstVisited(viewOffset.x);
    const float firstRow = FirstVisited(viewOffset.y);
    // The visited window never reaches past the grids, whatever size a file carried.
    const int columnBegin = static_cast<int>(std::trunc(firstColumn));
    const int rowBegin = static_cast<int>(std::trunc(firstRow));
    const int columnEnd = std::min(kGridSize, static_cast<int>(std::ceil(firstColumn + kViewColumns + 2)));
    const int rowEnd = std::min(kGridSize, static_cast<int>(std::ceil(firstRow + kViewRows + 2)));

    LoadTexture(document.lowerShellImage);
    DrawLowerLayer(columnBegin, rowBegin, columnEnd, rowEnd);
    DrawHanjiEdges(columnBegin, rowBegin, columnEnd, rowEnd);
    DrawObjects();
    DrawMarkers();
}

void EditorScene::DrawLowerLayer(int firstColumn, int firstRow, int lastColumn, int lastRow) {
    const Gate& pending = tools.pendingGate;
    for (int row = firstRow; row < lastRow; ++row) {
        for (int column = firstColumn; column < lastColumn; ++column) {
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

void EditorScene::DrawHanjiEdges(int firstColumn, int firstRow, int lastColumn, int lastRow) {
    for (int row = firstRow; row < lastRow; ++row) {
        for (int column = firstColumn; column < lastColumn; ++column) {
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
