#include "windowsurface.h"

// Placeholder until windows exist: no window has a surface.
bool GetWindowClientSize(HWND window, int* width, int* height) {
    (void)window;
    *width = 0;
    *height = 0;
    return false;
}

void PresentWindowPixels(HWND window, const uint32_t* argb, int width, int height, int stridePixels) {
    (void)window; (void)argb; (void)width; (void)height; (void)stridePixels;
}
