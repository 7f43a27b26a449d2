#include "viewinput.h"

#include "app.h"
#include "dialogids.h"
#include "editorscene.h"
#include "objectcommands.h"
#include "winapi.h"

namespace {

constexpr int kLinePixels = kCellPixels;       // one cell
constexpr int kPagePixels = 4 * kCellPixels;   // four cells

// Where a map that fits in the view still gets a range: one pixel.
constexpr int kFittingRange = 1;

struct ScrollAxis {
    int pos = 0;
    int max = kFittingRange;
};

// One scroll state for the process, as the view window is one.
ScrollAxis horizontal;
ScrollAxis vertical;

struct MapPixel {
    int32_t x;
    int32_t y;
};

// The client position in lParam, as unsigned 16-bit words, moved into the
// map by the view offset; truncated toward zero.
MapPixel MapPixelAt(const EditorScene& scene, LPARAM lParam) {
    const ViewOffset offset = scene.GetViewOffset();
    const float x = static_cast<float>(LOWORD(static_cast<uintptr_t>(lParam)));
    const float y = static_cast<float>(HIWORD(static_cast<uintptr_t>(lParam)));
    return {static_cast<int32_t>(x - offset.x), static_cast<int32_t>(y - offset.y)};
}

// One press or drag step of the left button at the mouse position.
void ApplyAtMouse(EditorScene& scene, LPARAM lParam) {
    const ToolState& tools = scene.Tools();
    if (tools.drawMode == kModePoint) return;
    if (tools.drawMode == kModePlaceObject && !tools.objectArmed) return;
    const MapPixel at = MapPixelAt(scene, lParam);
    const int32_t kind = scene.KindAt(at.x, at.y);
    if (scene.ApplyTool(at.x, at.y, kind) == ToolOutcome::kNameListFull) ReportObjectNamesFull();
}

void PickKind(EditorScene& scene, LPARAM lParam) {
    scene.Objects().CancelObject();
    ToolState& tools = scene.Tools();
    if (tools.lowerKind == kKindNone) return;
    App* app = GetApp();
    const HWND dialog = app != nullptr ? app->GetMainDialog() : nullptr;
    for (const int button : ui::kKindButtons) CheckDlgButton(dialog, button, BST_UNCHECKED);
    const MapPixel at = MapPixelAt(scene, lParam);
    const int32_t kind = scene.KindAt(at.x, at.y);
    // Nothing under the pointer: the kind in force stays, and so does its button.
    if (kind != kKindNone) tools.lowerKind = kind;
    CheckDlgButton(dialog, ui::KindButton(tools.lowerKind), BST_CHECKED);
}

// How far one scroll message moves along an axis, before clamping.
int ScrollStep(WORD code, WORD thumb, int pos) {
    switch (code) {
    case SB_LINEUP: return -kLinePixels;
    case SB_LINEDOWN: return kLinePixels;
    case SB_PAGEUP: return -kPagePixels;
    case SB_PAGEDOWN: return kPagePixels;
    case SB_THUMBTRACK: return thumb - thumb % kCellPixels - pos;
    default: return 0;
    }
}

void Scroll(EditorScene& scene, HWND window, int bar, WPARAM wParam) {
    if (!scene.IsOpen()) return;
    ScrollAxis& axis = bar == SB_HORZ ? horizontal : vertical;
    int d = ScrollStep(LOWORD(wParam), HIWORD(wParam), axis.pos);
    if (axis.pos + d < 0) d = -axis.pos;
    if (axis.pos + d > axis.max) d = axis.max - axis.pos;
    axis.pos += d;
    if (bar == SB_HORZ) {
        scene.MoveViewOffset(static_cast<float>(-d), 0.0f);
    } else {
        scene.MoveViewOffset(0.0f, static_cast<float>(-d));
    }
    SetScrollPos(window, bar, axis.pos, TRUE);
}

int RangeFor(int cells, int visibleCells) {
    return cells > visibleCells ? (cells - visibleCells) * kCellPixels : kFittingRange;
}

}  // namespace

INT_PTR ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return FALSE;
    }
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr) return FALSE;
    ToolState& tools = scene->Tools();
    switch (message) {
    case WM_LBUTTONDOWN:
        ApplyAtMouse(*scene, lParam);
        // Only now: the tools tell a new press from a drag by this flag.
        tools.mouseDragging = true;
        break;
    case WM_MOUSEMOVE:
        if (tools.mouseDragging) ApplyAtMouse(*scene, lParam);
        break;
    case WM_LBUTTONUP:
        tools.mouseDragging = false;
        break;
    case WM_RBUTTONDOWN:
        PickKind(*scene, lParam);
        break;
    case WM_HSCROLL:
        Scroll(*scene, window, SB_HORZ, wParam);
        break;
    case WM_VSCROLL:
        Scroll(*scene, window, SB_VERT, wParam);
        break;
    default:
        break;
    }
    return FALSE;
}

void ResetScrollBars(int width, int height) {
    horizontal = {0, RangeFor(width, kViewColumns)};
    vertical = {0, RangeFor(height, kViewRows)};
    // The view follows its bars: left scrolled while the bars start again at
    // 0 (a cancelled Open), the map's first cells could never be shown again.
    if (EditorScene* scene = GetEditorScene()) scene->SetViewOffset(0.0f, 0.0f);
    App* app = GetApp();
    const HWND view = app != nullptr ? app->GetViewWindow() : nullptr;
    SetScrollRange(view, SB_VERT, 0, vertical.max, TRUE);
    SetScrollPos(view, SB_VERT, 0, TRUE);
    SetScrollRange(view, SB_HORZ, 0, horizontal.max, TRUE);
    SetScrollPos(view, SB_HORZ, 0, TRUE);
}
