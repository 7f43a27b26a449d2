#include "windowsurface.h"

#include <QImage>
#include <QWidget>
#include <cstring>

#include "windowobject.h"

bool GetWindowClientSize(HWND window, int* width, int* height) {
    if (!IsLiveWindow(window)) {
        *width = 0;
        *height = 0;
        return false;
    }
    *width = window->client->width();
    *height = window->client->height();
    return true;
}

void PresentWindowPixels(HWND window, const uint32_t* argb, int width, int height, int stridePixels) {
    if (!IsLiveWindow(window) || argb == nullptr || width <= 0 || height <= 0) return;
    // Copy: the caller reuses its buffer for the next frame.
    const QImage view(reinterpret_cast<const uchar*>(argb), width, height,
                      static_cast<qsizetype>(stridePixels) * 4, QImage::Format_ARGB32);
    if (window->frame.size() != view.size() || window->frame.format() != QImage::Format_RGB32) {
        window->frame = QImage(width, height, QImage::Format_RGB32);
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(window->frame.scanLine(y), view.constScanLine(y), static_cast<size_t>(width) * 4);
    }
    window->client->update();
}
