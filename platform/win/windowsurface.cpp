#include "windowsurface.h"

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "windowobject.h"

namespace {

// The frame is read only when the view repaints, long after: streaming it past
// the cache keeps the back buffer, which the next frame draws into, cached.
void CopyRowPastCache(uchar* to, const uchar* from, size_t bytes) {
    size_t i = 0;
#if defined(__SSE2__)
    // Streaming stores need 16-byte aligned destinations; image rows are.
    if ((reinterpret_cast<uintptr_t>(to) & 15) == 0) {
        for (; i + 64 <= bytes; i += 64) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 16));
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 32));
            const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i + 48));
            _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), a);
            _mm_stream_si128(reinterpret_cast<__m128i*>(to + i + 16), b);
            _mm_stream_si128(reinterpret_cast<__m128i*>(to + i + 32), c);
            _mm_stream_si128(reinterpret_cast<__m128i*>(to + i + 48), d);
        }
    }
#endif
    std::memcpy(to + i, from + i, bytes - i);
}

}  // namespace

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
    uchar* frame = window->frame.bits();
    const qsizetype frameStride = window->frame.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        CopyRowPastCache(frame + y * frameStride, view.constScanLine(y), static_cast<size_t>(width) * 4);
    }
#if defined(__SSE2__)
    _mm_sfence();   // the streamed rows are complete before anyone reads the frame
#endif
    window->client->update();
}
