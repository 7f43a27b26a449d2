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
    // The outline runs through the centres of the rectangle's border pixels
    // (right and bottom exclusive); the inside takes the default white brush.
    const QRectF outline(left + 0.5, top + 0.5, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
    QPainter& painter = *dc->painter;
    painter.save();
    painter.setPen(dc->pen->pen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(outline);
    painter.restore();
    return TRUE;
}
