// A dialog's client area: background, the window's own painting, and the
// mouse and keys that become messages.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "winapi.h"
#include "windowobject.h"

namespace {

// The view's colour until a frame is presented: the device's clear grey.
const QColor kEmptyViewColour(0x50, 0x50, 0x50);

WPARAM KeyState(const QMouseEvent* event) {
    WPARAM state = 0;
    if (event->buttons() & Qt::LeftButton) state |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton) state |= MK_RBUTTON;
    if (event->modifiers() & Qt::ShiftModifier) state |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier) state |= MK_CONTROL;
    return state;
}

}  // namespace

ClientArea::ClientArea(HWND window, QWidget* parent) : QWidget(parent), window(window) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    // The client area paints itself opaquely; the view redraws whole frames.
    setAutoFillBackground(false);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const bool isView = (window->style & WS_CHILD) != 0;
    if (isView) {
        // A presented frame covering the whole view needs no background under it.
        const bool covered = !window->frame.isNull() && window->frame.width() >= width() &&
                             window->frame.height() >= height();
        if (!covered) painter.fillRect(rect(), kEmptyViewColour);
        if (!window->frame.isNull()) painter.drawImage(QPoint(0, 0), window->frame);
    } else {
        painter.fillRect(event->rect(), palette().window());
    }
    if (window->procedure == nullptr) return;
    window->painter = &painter;
    window->procedure(window, WM_PAINT, 0, 0);
    if (IsLiveWindow(window)) window->painter = nullptr;
}

void ClientArea::PostMouse(UINT message, QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    PostMessageA(window, message, KeyState(event),
                 MAKELPARAM(static_cast<WORD>(at.x()), static_cast<WORD>(at.y())));
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PostMouse(WM_LBUTTONDOWN, event);
    else if (event->button() == Qt::RightButton) PostMouse(WM_RBUTTONDOWN, event);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) PostMouse(WM_LBUTTONUP, event);
    else if (event->button() == Qt::RightButton) PostMouse(WM_RBUTTONUP, event);
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) { PostMouse(WM_MOUSEMOVE, event); }

void ClientArea::keyPressEvent(QKeyEvent* event) {
    // The dialog manager's keys: Enter is IDOK, Escape is IDCANCEL.
    WORD command = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) command = IDOK;
    else if (event->key() == Qt::Key_Escape) command = IDCANCEL;
    if (command == 0 || (window->style & WS_CHILD)) {
        QWidget::keyPressEvent(event);
        return;
    }
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, command)));
}
