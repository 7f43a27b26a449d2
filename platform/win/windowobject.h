#pragma once
// Inside the window layer: what a window handle points at, and the Qt widgets
// that carry it. Not for the editor's code.

#include <QImage>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "wintypes.h"

class QMenuBar;
class QPainter;
class QScrollBar;

enum class WindowKind { Dialog, PushButton, CheckButton, RadioButton, GroupBox, Edit, Static };

struct ScrollState {
    int minPos = 0;
    int maxPos = 100;   // the platform's default range for a window's own bars
    int pos = 0;
};

struct WindowObject {
    WindowKind kind = WindowKind::Dialog;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;             // the parent of a child window
    HWND owner = nullptr;              // the owner of a top-level dialog
    DLGPROC procedure = nullptr;
    QWidget* outer = nullptr;          // what is placed and shown
    QWidget* client = nullptr;         // origin of client coordinates, parent of child windows
    QMenuBar* menuBar = nullptr;
    std::vector<HWND> children;        // creation order: tab order and radio groups
    std::array<ScrollState, 2> scroll{};
    std::array<QScrollBar*, 2> scrollBars{};
    QImage frame;                      // the last frame presented into the window
    QPainter* painter = nullptr;       // set while the window handles WM_PAINT
    int destroyDepth = 0;              // nonzero once destruction began
};

bool IsLiveWindow(HWND window);
void RegisterWindow(HWND window);
void ForgetWindow(HWND window);
const std::vector<HWND>& LiveWindowsInOrder();

// Lays the client area and scroll bars out inside the outer widget.
void LayoutWindow(HWND window);

// Default handling of a message the procedure left alone (or a control's own).
LRESULT DefaultWindowHandling(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The control's Qt button, or null.
class QAbstractButton;
QAbstractButton* ButtonOf(HWND window);

// Puts a clicked automatic radio button's group in order: it checked, the rest not.
void CheckRadioInGroup(HWND button);

// The outer widget of a dialog window: closing it asks the dialog to close.
class WindowFrame : public QWidget {
public:
    WindowFrame(HWND window, QWidget* parent, Qt::WindowFlags flags);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    HWND window;
};

// A dialog's client area: paints the background (or the presented frame),
// lets the procedure paint, and turns mouse and keys into messages.
class ClientArea : public QWidget {
public:
    ClientArea(HWND window, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PostMouse(UINT message, QMouseEvent* event);
    HWND window;
};
