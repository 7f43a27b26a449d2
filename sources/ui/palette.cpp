#include "palette.h"

#include "dialogids.h"
#include "editorscene.h"
#include "objectcommands.h"
#include "winapi.h"

namespace {

// What a command asks of the palette before the palette switches sides.
struct PaletteRequest {
    int32_t newKind;
    int32_t newSlot;
    bool modeChosen = false;
    bool objectCommand = false;
};

void Uncheck(HWND dialog, int first, int count) {
    for (int id = first; id < first + count; ++id) CheckDlgButton(dialog, id, BST_UNCHECKED);
}

// "Load": the eraser is switched off through two queued messages, which the
// modal box or file dialog of LoadObjectImage delivers while it is open.
void LoadButton(HWND dialog) {
    const HWND eraser = GetDlgItem(dialog, ui::kEraserButton);
    PostMessageA(eraser, BM_SETCHECK, BST_UNCHECKED, 0);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(ui::kEraserButton, BN_CLICKED), reinterpret_cast<LPARAM>(eraser));
    LoadObjectImage(dialog);
}

void RunCommand(EditorScene& scene, HWND dialog, int id, PaletteRequest& request) {
    ToolState& tools = scene.Tools();
    if (id >= ui::kFirstModeButton && id < ui::kFirstModeButton + ui::kModeButtonCount) {
        tools.drawMode = id - ui::kFirstModeButton;
        request.modeChosen = true;
    } else if (const int32_t kind = ui::KindOfButton(id); kind != kKindNone) {
        request.newKind = kind;
    } else if (id >= ui::kFirstObjectButton && id < ui::kFirstObjectButton + ui::kObjectButtonCount) {
        request.newSlot = id - ui::kFirstObjectButton;
    } else if (id == ui::kEraserButton) {
        tools.drawMode = IsDlgButtonChecked(dialog, ui::kEraserButton) == BST_CHECKED ? kModeEraseObject : kModePoint;
        request.objectCommand = true;
    } else if (id == ui::kLoadButton) {
        LoadButton(dialog);
        request.objectCommand = true;
    } else if (id == ui::kClearButton) {
        ClearObjectSlot();
        request.objectCommand = true;
    } else if (id == ui::kEmptyButton) {
        EmptyObjectSlot();
        request.objectCommand = true;
    } else if (id == ui::kUndoButton) {
        scene.Undo();
    }
}

void ToTerrainPalette(ToolState& tools, HWND dialog, int32_t kind) {
    Uncheck(dialog, ui::kFirstObjectButton, ui::kObjectButtonCount);
    CheckDlgButton(dialog, ui::kEraserButton, BST_UNCHECKED);
    tools.lowerKind = kind;
    tools.selectedMatter = -1;
    tools.lowerPaletteActive = true;
    tools.upperPaletteActive = false;
    tools.lastPaintedCell = kNoCell;
}

void ToObjectPalette(ToolState& tools, HWND dialog, int32_t slot) {
    for (const int button : ui::kKindButtons) CheckDlgButton(dialog, button, BST_UNCHECKED);
    Uncheck(dialog, ui::kFirstModeButton, ui::kModeButtonCount);
    if (tools.drawMode != kModeEraseObject) tools.drawMode = kModePlaceObject;
    tools.lowerKind = kKindNone;
    tools.selectedMatter = slot;
    tools.lowerPaletteActive = false;
    tools.upperPaletteActive = true;
}

}  // namespace

void RoutePaletteCommand(EditorScene& scene, HWND dialog, int id) {
    ToolState& tools = scene.Tools();
    PaletteRequest request{tools.lowerKind, tools.selectedMatter};
    RunCommand(scene, dialog, id, request);
    // Compared with the values now in force: "Load" may have switched the
    // palette already through the messages it queued.
    if (request.newKind != tools.lowerKind || request.modeChosen) {
        ToTerrainPalette(tools, dialog, request.newKind);
    } else if (request.newSlot != tools.selectedMatter || request.objectCommand) {
        ToObjectPalette(tools, dialog, request.newSlot);
    }
}
