#pragma once
// The new-map dialog (template 140) and the new empty document it makes.

#include "wintypes.h"

constexpr int kNewMapTemplate = 140;
constexpr int kNewMapWidthField = 1032;
constexpr int kNewMapHeightField = 1036;

// Dialog procedure of the new-map dialog: OK makes the map, Cancel closes.
INT_PTR NewMapDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Clamps a side typed into the dialog to the sizes a new map may have.
int ClampNewMapSide(int typed);
