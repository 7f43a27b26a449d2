#include "pointeroverlay.h"

#include "app.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "winapi.h"

namespace {

constexpr int32_t kHalfCell = kCellPixels / 2;
constexpr int32_t kObjectImageSide = 240;
constexpr int32_t kTilesPerRow = 20;
constexpr D3DCOLOR kTextColour = 0xFFFFFFFF;

// Left (top) edge of the view column (row) holding the coordinate; correct
// from one cell left of (above) the view onwards.
int32_t CellCorner(int32_t coordinate) {
    const int32_t shifted = coordinate + kCellPixels;
    return shifted - shifted % kCellPixels - kCellPixels;
}

// The tile a kind is previewed with, whatever variant a click would paint.
int32_t CanonicalTile(int32_t tile) {
    if (tile == 27) return 7;
    if (tile == 34) return 14;
    if (tile >= 20 && tile <= 24) return 20;
    return tile;
}

// Whether a click in the lower palette would paint a tile at all.
bool PaintsTile(const ToolState& tools, int32_t tile) {
    return tools.drawMode != kModePoint && tools.drawMode != kModePlaceObject && tile != 0;
}

}  // namespace

bool PointerOverlay::Init() {
    frame.Set(0, 0, kCellPixels, kCellPixels);
    frameRect = &frame;
    LoadTexture(kTileSheet);
    sourceRect.CopyFrom(frame);
    drawOffset = D3DXVECTOR3{-static_cast<float>(kHalfCell), -static_cast<float>(kHalfCell), 0.0f};
    lastTile = -1;
    lastMode = -1;
    GameObject::Init();
    SetColour(kOpaqueWhite);
    return true;
}

void PointerOverlay::Release() { GameObject::Release(); }

bool PointerOverlay::Update() {
    GetCursorPos(&mousePoint);
    App* app = GetApp();
    if (app != nullptr) ScreenToClient(app->GetViewWindow(), &mousePoint);
    SpriteEntity::Update();
    return true;
}

void PointerOverlay::Render() {
    if (GraphicsDevice* device = GetGraphicsDevice()) {
        device->PrintText(0, 20, kTextColour, "Mouse : %d %d", static_cast<int>(mousePoint.x),
                          static_cast<int>(mousePoint.y));
    }
    const EditorScene* scene = GetEditorScene();
    if (scene == nullptr) return;
    const ToolState& tools = scene->Tools();
    const int32_t cellX = CellCorner(mousePoint.x);
    const int32_t cellY = CellCorner(mousePoint.y);
    if (tools.lowerPaletteActive) {
        RenderBrush(tools, cellX, cellY);
    } else if (tools.upperPaletteActive) {
        RenderObjectTools(tools, cellX, cellY);
    }
}

void PointerOverlay::RefreshBrush(const ToolState& tools) {
    const int32_t tile = CanonicalTile(TileForKind(tools.lowerKind));
    if (tile == lastTile && tools.drawMode == lastMode) return;
    lastTile = tile;
    lastMode = tools.drawMode;
    if (PaintsTile(tools, tile)) {
        frame.Set((tile % kTilesPerRow) * kCellPixels, (tile / kTilesPerRow) * kCellPixels, kCellPixels,
                  kCellPixels);
    } else {
        frame.Set(0, 0, 0, 0);   // nothing to preview
    }
}

void PointerOverlay::RenderBrush(const ToolState& tools, int32_t cellX, int32_t cellY) {
    SetPosition(static_cast<float>(cellX + kHalfCell), static_cast<float>(cellY + kHalfCell), 0.0f);
    RefreshBrush(tools);

    sourceRect.CopyFrom(frame);
    SetColour(kPreviewColour);
    LoadTexture(kTileSheet);
    GameObject::Render();

    SetColour(kOpaqueWhite);
    LoadTexture(kCursorImage);
    const int32_t size = PaintsTile(tools, lastTile) ? kCellPixels : 0;
    sourceRect.Set(0, 0, size, size);
    GameObject::Render();
}

void PointerOverlay::RenderObjectTools(const ToolState& tools, int32_t cellX, int32_t cellY) {
    if (tools.objectArmed) {
        // The whole image, centred on the hovered cell's top-left corner.
        LoadTexture(tools.pendingObjectImage);
        sourceRect.Set(0, 0, kObjectImageSide, kObjectImageSide);
        SetPosition(static_cast<float>(cellX + kHalfCell - kObjectImageSide / 2),
                    static_cast<float>(cellY + kHalfCell - kObjectImageSide / 2), 0.0f);
        SetColour(kPreviewColour);
        GameObject::Render();
    }
    if (tools.drawMode == kModeEraseObject) {
        // Drawn in the colour set last: half-transparent after an image preview.
        SetPosition(static_cast<float>(cellX + kHalfCell), static_cast<float>(cellY + kHalfCell), 0.0f);
        LoadTexture(kCursorImage);
        sourceRect.Set(0, 0, kCellPixels, kCellPixels);
        GameObject::Render();
    }
}
