#include "newmap.h"

#include <algorithm>

#include "editorscene.h"
#include "resources.h"
#include "viewinput.h"
#include "winapi.h"

namespace {

constexpr char kNewMapTileSheet[] = "map.dds";
constexpr int32_t kEmptySpaceTile = 2;

HWND newestDialog = nullptr;

int ReadSide(HWND dialog, int field) {
    // An empty or unreadable field reads as 0; a number past the signed range
    // turns negative and so counts as too small.
    return static_cast<int>(GetDlgItemInt(dialog, field, nullptr, FALSE));
}

void ConfirmNewMap(HWND dialog) {
    const int width = ClampNewMapSide(ReadSide(dialog, kNewMapWidthField));
    const int height = ClampNewMapSide(ReadSide(dialog, kNewMapHeightField));
    if (EditorScene* scene = GetEditorScene()) CreateNewMap(*scene, width, height);
    ResetScrollBars(width, height);
}

}  // namespace

HWND OpenNewMapDialog(HWND owner) {
    const HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kNewMapTemplate), owner,
                                           NewMapDialogProc, 0);
    if (dialog == nullptr) return nullptr;
    ShowWindow(dialog, SW_SHOW);
    newestDialog = dialog;
    return dialog;
}

HWND NewestNewMapDialog() { return newestDialog != nullptr && IsWindow(newestDialog) ? newestDialog : nullptr; }

INT_PTR NewMapDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        ConfirmNewMap(dialog);
        DestroyWindow(dialog);
        break;
    case IDCANCEL:
        DestroyWindow(dialog);
        break;
    default:
        break;
    }
    return FALSE;
}

int ClampNewMapSide(int typed) {
    if (typed > kMaxMapSize) return kMaxMapSize;
    if (typed < kMinMapSize) return kMinMapSize;
    return typed;
}

void CreateNewMap(EditorScene& scene, int width, int height) {
    MapDocument& doc = scene.Document();
    scene.ResetDocument();  // every cell kind 0, no hanji records, no gates, no objects, no waiting gate end
    CopyName(doc.lowerShellImage, kNewMapTileSheet);
    // The grids hold at most 100 x 100 cells of map whatever the caller asks.
    doc.width = ClampNewMapSide(width);
    doc.height = ClampNewMapSide(height);
    for (int row = 0; row < doc.height; ++row) {
        for (int column = 0; column < doc.width; ++column) {
            doc.lowerShells[row][column] = {kKindEmpty, kEmptySpaceTile};
        }
    }
    doc.matterCount = 0;
    doc.upperShellCount = 0;
    doc.isOpen = true;
    doc.isModified = true;
    scene.SetViewOffset(0.0f, 0.0f);
    scene.RestartUndo();
}
