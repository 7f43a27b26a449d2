#include "maindialog.h"

#include <iterator>

#include "dialogids.h"
#include "editorscene.h"
#include "filecommands.h"
#include "palette.h"
#include "winapi.h"

namespace {

// One square per row of object buttons, in the row's own colour.
constexpr COLORREF kLegendColours[] = {0xFFFFFF, 0x000000, 0x5E5EFF, 0xFF5EA6, 0xFF8F5E,
                                       0xD7FF5E, 0x5EFF75, 0x5EFFF9, 0x981D00, 0x00851C};
constexpr int kLegendPenWidth = 8;
constexpr int kLegendLeft = 830;
constexpr int kLegendRight = 838;
constexpr int kLegendTop = 222;
constexpr int kLegendSide = 8;
constexpr int kLegendPitch = 20;

void InitDialog(HWND dialog) {
    CheckDlgButton(dialog, ui::kFirstModeButton, BST_CHECKED);
    CheckDlgButton(dialog, ui::KindButton(kKindEmpty), BST_CHECKED);
    // The document's starting points: start (0, 0), end (1, 1).
    SetDlgItemInt(dialog, ui::kStartX, 0, FALSE);
    SetDlgItemInt(dialog, ui::kStartY, 0, FALSE);
    SetDlgItemInt(dialog, ui::kEndX, 1, FALSE);
    SetDlgItemInt(dialog, ui::kEndY, 1, FALSE);
}

void PaintLegend(HWND dialog) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(dialog, &paint);
    for (int row = 0; row < static_cast<int>(std::size(kLegendColours)); ++row) {
        const HPEN pen = CreatePen(PS_SOLID, kLegendPenWidth, kLegendColours[row]);
        const HGDIOBJ previous = SelectObject(dc, pen);
        const int top = kLegendTop + kLegendPitch * row;
        Rectangle(dc, kLegendLeft, top, kLegendRight, top + kLegendSide);
        SelectObject(dc, previous);
        DeleteObject(pen);
    }
    EndPaint(dialog, &paint);
}

// A field read as an unsigned number (0 when it holds none), held signed.
int32_t ReadField(HWND dialog, int id) {
    return static_cast<int32_t>(GetDlgItemInt(dialog, id, nullptr, FALSE));
}

int32_t ClampToMap(int32_t value, int32_t size) {
    if (value >= size) value = size - 1;
    if (value < 0) value = 0;
    return value;
}

// Stores the point from its two fields. A coordinate whose field equals the
// stored value is kept as it is, even outside the map.
void AssignPoint(EditorScene& scene, HWND dialog, bool start, int fieldX, int fieldY) {
    const auto stored = [&] { return start ? scene.GetStartPoint() : scene.GetEndPoint(); };
    const auto store = [&](int32_t x, int32_t y) {
        if (start) {
            scene.SetStartPoint(x, y);
        } else {
            scene.SetEndPoint(x, y);
        }
    };
    int32_t x = ReadField(dialog, fieldX);
    if (x != stored().x) {
        x = ClampToMap(x, scene.GetWidth());
        store(x, stored().y);
        SetDlgItemInt(dialog, fieldX, static_cast<UINT>(x), FALSE);
    }
    int32_t y = ReadField(dialog, fieldY);
    if (y != stored().y) {
        y = ClampToMap(y, scene.GetHeight());
        store(stored().x, y);
        SetDlgItemInt(dialog, fieldY, static_cast<UINT>(y), FALSE);
    }
}

void AssignLimits(EditorScene& scene, HWND dialog) {
    int32_t limits[ui::kLimitFieldCount];
    for (int i = 0; i < ui::kLimitFieldCount; ++i) limits[i] = ReadField(dialog, ui::kFirstLimitField + i);
    scene.SetMaxUse(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5], limits[6]);
}

// The commands that are not part of the palette.
void RunOwnCommand(HWND dialog, int id) {
    EditorScene* scene = GetEditorScene();
    switch (id) {
    case ui::kMenuNew: NewCommand(dialog); break;
    case ui::kMenuOpen: OpenCommand(dialog); break;
    case ui::kMenuClose: CloseCommand(); break;
    case ui::kMenuSave: SaveMenuCommand(dialog); break;
    case ui::kAssignStart:
        if (scene != nullptr) AssignPoint(*scene, dialog, true, ui::kStartX, ui::kStartY);
        break;
    case ui::kAssignEnd:
        if (scene != nullptr) AssignPoint(*scene, dialog, false, ui::kEndX, ui::kEndY);
        break;
    case ui::kAssignLimits:
        if (scene != nullptr) AssignLimits(*scene, dialog);
        break;
    default: break;  // "정보(&A)..." among them: nothing
    }
}

INT_PTR Command(HWND dialog, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (id == ui::kCommandOk || id == ui::kCommandCancel || id == ui::kMenuExit) {
        ExitCommand();
        return TRUE;
    }
    RunOwnCommand(dialog, id);
    // A command may have ended the scene; the palette needs one.
    EditorScene* scene = GetEditorScene();
    if (scene != nullptr && HIWORD(wParam) == BN_CLICKED) RoutePaletteCommand(*scene, dialog, id);
    return FALSE;
}

}  // namespace

INT_PTR MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return FALSE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return FALSE;
    case WM_PAINT:
        PaintLegend(dialog);
        return FALSE;
    case WM_MOUSEMOVE:
        // The view sees no release outside itself: leaving it ends a drag.
        if (EditorScene* scene = GetEditorScene()) scene->Tools().mouseDragging = false;
        return FALSE;
    case WM_COMMAND:
        return Command(dialog, wParam);
    default:
        return FALSE;
    }
}
