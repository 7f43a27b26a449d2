#pragma once
// Dialog templates and menus as data. The program hands its resource set to
// the layer once (UseResources); CreateDialogParamA then finds templates by id.
// Positions and sizes are in dialog units.

#include <span>

#include "wintypes.h"

struct DialogItemTemplate {
    LPCSTR className;   // "button", "edit", "static"
    LPCSTR text;
    int id;             // -1 for none
    DWORD style;        // WS_CHILD and WS_VISIBLE are implied
    int x, y, width, height;
};

struct MenuItemTemplate {
    LPCSTR label;                              // with '&' before the mnemonic
    int id;                                    // command id; 0 for a pop-up
    std::span<const MenuItemTemplate> popup;   // the pop-up's items, empty for a command
};

struct MenuTemplate {
    int id;
    std::span<const MenuItemTemplate> items;
};

struct DialogTemplate {
    int id;
    DWORD style;
    int x, y, width, height;
    LPCSTR caption;                       // nullptr for none
    int menuId;                           // 0 for none
    LPCSTR fontName;
    int fontPoints;
    std::span<const DialogItemTemplate> items;
};

struct ResourceSet {
    std::span<const DialogTemplate> dialogs;
    std::span<const MenuTemplate> menus;
};

// The resources CreateDialogParamA reads from; the set must outlive every use.
void UseResources(const ResourceSet& resources);
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);

// Dialog units to pixels with the base units of the dialog font (6 x 13).
constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
