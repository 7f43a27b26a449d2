#pragma once
// The view window's input: presses, drags and releases of the mouse buttons
// on the map, the right-button pick, and the two scroll bars.

#include "wintypes.h"

// Window procedure of the view window.
INT_PTR ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets both scroll bars of the view window for a map of width x height cells
// and moves the view back to the origin.
void ResetScrollBars(int width, int height);
