#pragma once
// The procedures of the main dialog and the view window.

#include "wintypes.h"

INT_PTR MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
