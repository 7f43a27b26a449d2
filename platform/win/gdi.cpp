// Pens and rectangles drawn through QPainter while a window paints.

#include <QPainter>
#include <QPen>

#include "winapi.h"
#include "windowobject.h"

struct GdiObject {
    QPen pen;
};

struct DeviceContext {
    QPainter* painter = nullptr;   // null when the window is not painting: draws nothing
    HGDIOBJ pen = nullptr;
};

namespace {

// The pen every context starts with: one pixel of black.
GdiObject& DefaultPen() {
    static GdiObject pen{QPen(QColor(0, 0, 0), 1)};
    return pen;
}

QColor FromColorRef(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

}  // namespace

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!IsLiveWindow(window) || paint == nullptr) return nullptr;
    auto* dc = new DeviceContext;
    dc->painter = window->painter;
    dc->pen = &DefaultPen();
    if (dc->painter == nullptr) window->client->update();   // paint again from the paint event
    *paint = PAINTSTRUCT{dc, FALSE, RECT{0, 0, window->client->width(), window->client->height()}};
    return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    (void)window;
    if (paint == nullptr) return FALSE;
    delete paint->hdc;
    return TRUE;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID) return nullptr;
    QPen pen(FromColorRef(colour), std::max(1, width));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return new GdiObject{pen};
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (dc == nullptr || object == nullptr) return nullptr;
    HGDIOBJ previous = dc->pen;
    dc->pen = object;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object) {
    if (object == nullptr || object == &DefaultPen()) return FALSE;
    delete object;
    return TRUE;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    if (dc == nullptr) return FALSE;
    if (dc->painter == nullptr) return TRUE;
    // The inside takes the default white brush; the outline runs through the
    // border pixels (right and bottom exclusive), a wide pen spreading evenly
    // to both sides of them. Filled as bands so every pixel is the pen's own
    // colour, as the platform draws it.
    const QPen& pen = dc->pen->pen;
    const int width = std::max(1, static_cast<int>(pen.widthF()));
    const int before = (width - 1) / 2;
    const int after = width / 2;
    const int lastColumn = right - 1;
    const int lastRow = bottom - 1;
    QPainter& painter = *dc->painter;
    if (right > left && bottom > top) painter.fillRect(QRect(left, top, right - left, bottom - top), Qt::white);
    const QColor colour = pen.color();
    const auto band = [&](int x0, int y0, int x1, int y1) { painter.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), colour); };
    band(left - before, top - before, lastColumn + after, top + after);
    band(left - before, lastRow - before, lastColumn + after, lastRow + after);
    band(left - before, top - before, left + after, lastRow + after);
    band(lastColumn - before, top - before, lastColumn + after, lastRow + after);
    return TRUE;
}
