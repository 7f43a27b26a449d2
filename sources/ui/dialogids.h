#pragma once
// Control and command ids of the main dialog and its menu, and the table
// between terrain kinds and their radio buttons.

#include <cstdint>

namespace ui {

// Commands of the dialog manager and the menu.
constexpr int kCommandOk = 1;
constexpr int kCommandCancel = 2;
constexpr int kMenuAbout = 104;
constexpr int kMenuExit = 105;
constexpr int kMenuOpen = 136;
constexpr int kMenuClose = 137;
constexpr int kMenuSave = 138;
constexpr int kMenuNew = 139;

// Drawing modes: point, one cell, fill, cover, in that order.
constexpr int kFirstModeButton = 150;
constexpr int kModeButtonCount = 4;
constexpr int kUndoButton = 1060;

// Object palette.
constexpr int kFirstObjectButton = 300;
constexpr int kObjectButtonCount = 50;
constexpr int kLoadButton = 1043;
constexpr int kEraserButton = 1002;
constexpr int kClearButton = 1044;
constexpr int kEmptyButton = 1042;

// Points and limits.
constexpr int kStartX = 1049;
constexpr int kStartY = 1050;
constexpr int kEndX = 1051;
constexpr int kEndY = 1052;
constexpr int kFirstLimitField = 1053;  // dig, stone, mud, food, filth, one-way, mine
constexpr int kLimitFieldCount = 7;
constexpr int kAssignStart = 1007;
constexpr int kAssignEnd = 1008;
constexpr int kAssignLimits = 1009;

// The radio button of each terrain kind 1..11; the gate's id breaks the run.
constexpr int kKindButtons[] = {360, 361, 362, 363, 364, 365, 366, 1026, 368, 369, 370};
constexpr int kKindButtonCount = 11;

// The button of `kind`, or 0 when `kind` is not a terrain kind.
constexpr int KindButton(int32_t kind) {
    return kind >= 1 && kind <= kKindButtonCount ? kKindButtons[kind - 1] : 0;
}

// The kind a button stands for, or 0 when `id` is not a kind button.
constexpr int32_t KindOfButton(int id) {
    for (int kind = 1; kind <= kKindButtonCount; ++kind) {
        if (kKindButtons[kind - 1] == id) return kind;
    }
    return 0;
}

}  // namespace ui
