#pragma once
// The main dialog's procedure: the menu and the buttons routed to the file
// commands, the points and limits, undo and the palette; the colour legend
// beside the object buttons; the end of a drag that left the view.

#include "wintypes.h"

INT_PTR MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
