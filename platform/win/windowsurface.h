#pragma once
// What the drawing layer needs of a window: its client size and a way to
// show a finished 32-bit ARGB frame in it.

#include <cstdint>

#include "wintypes.h"

// False for a null or destroyed window.
bool GetWindowClientSize(HWND window, int* width, int* height);

// Copies the frame and schedules the window to show it; nothing for a null window.
void PresentWindowPixels(HWND window, const uint32_t* argb, int width, int height, int stridePixels);
