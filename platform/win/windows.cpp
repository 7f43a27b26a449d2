// Windows and dialogs: creation from templates, child controls, placement,
// visibility and destruction.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "dialogtemplate.h"
#include "winapi.h"
#include "windowobject.h"

namespace {

std::unordered_set<HWND> liveWindows;
std::vector<HWND> windowsInOrder;
constexpr int kScrollBarSize = 17;

QString FromAnsi(LPCSTR text) { return text == nullptr ? QString() : QString::fromUtf8(text); }

bool EqualsIgnoringCase(LPCSTR a, const char* b) {
    if (a == nullptr) return false;
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

QFont DialogFont() {
    QFont font(QStringLiteral("MS Shell Dlg"));
    font.setPixelSize(11);
    return font;
}

void BuildMenu(QMenu* menu, std::span<const MenuItemTemplate> items, HWND window);

void AddMenuItem(QWidget* container, const MenuItemTemplate& item, HWND window) {
    const QString label = FromAnsi(item.label);
    if (!item.popup.empty()) {
        QMenu* popup = new QMenu(label, container);
        BuildMenu(popup, item.popup, window);
        if (auto* bar = qobject_cast<QMenuBar*>(container)) bar->addMenu(popup);
        else static_cast<QMenu*>(container)->addMenu(popup);
        return;
    }
    QAction* action = new QAction(label, container);
    action->setData(item.id);
    const WORD id = static_cast<WORD>(item.id);
    QObject::connect(action, &QAction::triggered, [window, id] {
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    });
    container->addAction(action);
}

void BuildMenu(QMenu* menu, std::span<const MenuItemTemplate> items, HWND window) {
    for (const MenuItemTemplate& item : items) AddMenuItem(menu, item, window);
}

QMenuBar* MakeMenuBar(int menuId, HWND window, QWidget* parent) {
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    if (menu == nullptr) return nullptr;
    auto* bar = new QMenuBar(parent);
    for (const MenuItemTemplate& item : menu->items) AddMenuItem(bar, item, window);
    return bar;
}

void AddScrollBar(HWND window, int bar) {
    auto* scrollBar = new QScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, window->outer);
    scrollBar->setRange(window->scroll[bar].minPos, window->scroll[bar].maxPos);
    scrollBar->setFocusPolicy(Qt::NoFocus);
    const UINT message = bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
    // Every user action becomes a message; the thumb then goes back to the
    // position the program set, except while the user drags it.
    QObject::connect(scrollBar, &QAbstractSlider::actionTriggered, [window, bar, scrollBar, message](int action) {
        WORD code = SB_ENDSCROLL;
        WORD pos = 0;
        switch (action) {
        case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
        case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
        case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
        case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
        case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
        case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
        case QAbstractSlider::SliderMove:
            code = SB_THUMBTRACK;
            pos = static_cast<WORD>(scrollBar->sliderPosition());
            break;
        default: return;
        }
        PostMessageA(window, message, MAKEWPARAM(code, pos), 0);
        if (action != QAbstractSlider::SliderMove) scrollBar->setSliderPosition(window->scroll[bar].pos);
    });
    QObject::connect(scrollBar, &QAbstractSlider::sliderReleased, [window, bar, scrollBar, message] {
        PostMessageA(window, message, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(scrollBar->sliderPosition())), 0);
        PostMessageA(window, message, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        scrollBar->setValue(window->scroll[bar].pos);
    });
    window->scrollBars[bar] = scrollBar;
}

WindowKind ButtonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX: return WindowKind::GroupBox;
    case BS_AUTORADIOBUTTON:
    case BS_RADIOBUTTON: return WindowKind::RadioButton;
    case BS_AUTOCHECKBOX:
    case BS_CHECKBOX: return WindowKind::CheckButton;
    default: return WindowKind::PushButton;
    }
}

QWidget* MakeButtonWidget(HWND window, const QString& text, QWidget* parent) {
    const bool pushLike = (window->style & BS_PUSHLIKE) != 0;
    switch (window->kind) {
    case WindowKind::GroupBox: {
        auto* box = new QGroupBox(text, parent);
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        return box;
    }
    case WindowKind::RadioButton:
    case WindowKind::CheckButton: {
        QAbstractButton* button = nullptr;
        if (pushLike) button = new QPushButton(text, parent);
        else if (window->kind == WindowKind::RadioButton) button = new QRadioButton(text, parent);
        else button = new QCheckBox(text, parent);
        button->setCheckable(true);
        button->setAutoExclusive(false);   // groups follow WS_GROUP, not the Qt parent
        return button;
    }
    default:
        return new QPushButton(text, parent);
    }
}

void ConnectClick(HWND window) {
    QAbstractButton* button = ButtonOf(window);
    if (button == nullptr) return;
    QObject::connect(button, &QAbstractButton::clicked, [window] {
        if (window->kind == WindowKind::RadioButton && (window->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
            CheckRadioInGroup(window);
        }
        PostMessageA(window->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(window->id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(window));
    });
}

QWidget* MakeControlWidget(HWND window, LPCSTR className, const QString& text, QWidget* parent) {
    if (EqualsIgnoringCase(className, "button")) {
        window->kind = ButtonKind(window->style);
        return MakeButtonWidget(window, text, parent);
    }
    if (EqualsIgnoringCase(className, "edit")) {
        window->kind = WindowKind::Edit;
        auto* edit = new QLineEdit(text, parent);
        edit->setFrame((window->style & WS_BORDER) != 0);
        if (window->style & ES_NUMBER) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        return edit;
    }
    if (EqualsIgnoringCase(className, "static")) {
        window->kind = WindowKind::Static;
        return new QLabel(text, parent);
    }
    return nullptr;
}

// A control on a dialog; geometry in the parent's client pixels.
HWND MakeControl(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, QRect geometry, HWND parent, int id) {
    auto* window = new WindowObject;
    window->id = id;
    window->style = style | WS_CHILD;
    window->exStyle = exStyle;
    window->parent = parent;
    QWidget* widget = MakeControlWidget(window, className, FromAnsi(text), parent->client);
    if (widget == nullptr) {
        delete window;
        return nullptr;
    }
    window->outer = widget;
    window->client = widget;
    widget->setGeometry(geometry);
    if (window->exStyle & WS_EX_STATICEDGE) widget->setProperty("staticEdge", true);
    if (window->style & WS_DISABLED) widget->setEnabled(false);
    RegisterWindow(window);
    parent->children.push_back(window);
    ConnectClick(window);
    widget->setVisible((style & WS_VISIBLE) != 0);
    return window;
}

QRect DialogUnitRect(int x, int y, int width, int height) {
    return QRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(width),
                 DialogUnitsToPixelsY(height));
}

void PlaceTopLevel(HWND dialog, const DialogTemplate& form, QSize clientSize) {
    QPoint origin(DialogUnitsToPixelsX(form.x), DialogUnitsToPixelsY(form.y));
    if (dialog->owner != nullptr && dialog->owner->client != nullptr) {
        origin = dialog->owner->client->mapToGlobal(origin);
    }
    const int menuHeight = dialog->menuBar != nullptr ? dialog->menuBar->sizeHint().height() : 0;
    dialog->outer->setGeometry(QRect(origin, QSize(clientSize.width(), clientSize.height() + menuHeight)));
    if (form.caption != nullptr) dialog->outer->setWindowTitle(FromAnsi(form.caption));
}

}  // namespace

bool IsLiveWindow(HWND window) { return window != nullptr && liveWindows.count(window) != 0; }

void RegisterWindow(HWND window) {
    liveWindows.insert(window);
    windowsInOrder.push_back(window);
}

void ForgetWindow(HWND window) {
    liveWindows.erase(window);
    windowsInOrder.erase(std::remove(windowsInOrder.begin(), windowsInOrder.end(), window), windowsInOrder.end());
}

const std::vector<HWND>& LiveWindowsInOrder() { return windowsInOrder; }

void LayoutWindow(HWND window) {
    if (!IsLiveWindow(window) || window->kind != WindowKind::Dialog) return;
    const QSize size = window->outer->size();
    int top = 0;
    if (window->menuBar != nullptr) {
        top = window->menuBar->sizeHint().height();
        window->menuBar->setGeometry(0, 0, size.width(), top);
    }
    const int right = window->scrollBars[SB_VERT] != nullptr ? kScrollBarSize : 0;
    const int bottom = window->scrollBars[SB_HORZ] != nullptr ? kScrollBarSize : 0;
    const int clientWidth = std::max(0, size.width() - right);
    const int clientHeight = std::max(0, size.height() - top - bottom);
    window->client->setGeometry(0, top, clientWidth, clientHeight);
    if (QScrollBar* bar = window->scrollBars[SB_VERT]) bar->setGeometry(clientWidth, top, right, clientHeight);
    if (QScrollBar* bar = window->scrollBars[SB_HORZ]) bar->setGeometry(0, top + clientHeight, clientWidth, bottom);
}

WindowFrame::WindowFrame(HWND window, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), window(window) {}

void WindowFrame::closeEvent(QCloseEvent* event) {
    // The close box asks the dialog; its default handling turns it into IDCANCEL.
    event->ignore();
    PostMessageA(window, WM_CLOSE, 0, 0);
}

void WindowFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutWindow(window);
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC procedure,
                        LPARAM initParam) {
    (void)instance;
    if (!IS_INTRESOURCE(templateName)) return nullptr;
    const DialogTemplate* form = FindDialogTemplate(static_cast<int>(reinterpret_cast<uintptr_t>(templateName)));
    if (form == nullptr) return nullptr;
    if (parent != nullptr && !IsLiveWindow(parent)) return nullptr;
    const bool isChild = (form->style & WS_CHILD) != 0;
    if (isChild && parent == nullptr) return nullptr;

    auto* dialog = new WindowObject;
    dialog->kind = WindowKind::Dialog;
    dialog->style = form->style;
    dialog->procedure = procedure;
    if (isChild) dialog->parent = parent;
    else dialog->owner = parent;

    const QSize clientSize(DialogUnitsToPixelsX(form->width), DialogUnitsToPixelsY(form->height));
    QWidget* qtParent = isChild ? parent->client : (parent != nullptr ? parent->outer : nullptr);
    const Qt::WindowFlags flags = isChild ? Qt::Widget : (parent != nullptr ? Qt::Dialog : Qt::Window);
    dialog->outer = new WindowFrame(dialog, qtParent, flags);
    dialog->outer->setFont(DialogFont());
    dialog->client = new ClientArea(dialog, dialog->outer);
    if (form->menuId != 0) dialog->menuBar = MakeMenuBar(form->menuId, dialog, dialog->outer);
    if (form->style & WS_HSCROLL) AddScrollBar(dialog, SB_HORZ);
    if (form->style & WS_VSCROLL) AddScrollBar(dialog, SB_VERT);
    RegisterWindow(dialog);
    if (isChild) parent->children.push_back(dialog);

    for (const DialogItemTemplate& item : form->items) {
        MakeControl(0, item.className, item.text, item.style | WS_CHILD | WS_VISIBLE,
                    DialogUnitRect(item.x, item.y, item.width, item.height), dialog, item.id);
    }
    if (isChild) {
        dialog->outer->setGeometry(QRect(DialogUnitRect(form->x, form->y, form->width, form->height)));
    } else {
        PlaceTopLevel(dialog, *form, clientSize);
    }
    LayoutWindow(dialog);

    if (procedure != nullptr) procedure(dialog, WM_INITDIALOG, 0, initParam);
    if (IsLiveWindow(dialog) && (form->style & WS_VISIBLE)) dialog->outer->show();
    return IsLiveWindow(dialog) ? dialog : nullptr;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
    (void)instance; (void)param;
    // Only child controls are made this way; top-level windows come from templates.
    if (!(style & WS_CHILD) || !IsLiveWindow(parent)) return nullptr;
    const int id = static_cast<int>(reinterpret_cast<uintptr_t>(menuOrId));
    return MakeControl(exStyle, className, windowName, style, QRect(x, y, width, height), parent, id);
}

BOOL IsWindow(HWND window) { return IsLiveWindow(window) ? TRUE : FALSE; }

BOOL DestroyWindow(HWND window) {
    if (!IsLiveWindow(window) || window->destroyDepth != 0) return FALSE;
    window->destroyDepth = 1;
    // Owned dialogs go first, as the platform destroys them with their owner.
    std::vector<HWND> owned;
    for (HWND other : LiveWindowsInOrder()) {
        if (other->owner == window) owned.push_back(other);
    }
    for (HWND other : owned) DestroyWindow(other);
    window->outer->hide();
    if (window->procedure != nullptr) window->procedure(window, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = window->children;
    for (HWND child : children) DestroyWindow(child);
    if (IsLiveWindow(window->parent)) {
        auto& siblings = window->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    ForgetWindow(window);
    window->outer->deleteLater();
    delete window;
    return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
    if (!IsLiveWindow(window)) return FALSE;
    QWidget* widget = window->outer;
    const BOOL wasVisible = widget->isVisible() ? TRUE : FALSE;
    switch (command) {
    case SW_HIDE: widget->hide(); break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        if (widget->isWindow()) widget->showMinimized();
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        if (widget->isWindow()) widget->showNormal();
        else widget->show();
        break;
    default: widget->show(); break;
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND window) {
    return IsLiveWindow(window) && window->outer->isVisible() ? TRUE : FALSE;
}

BOOL IsIconic(HWND window) {
    return IsLiveWindow(window) && window->outer->isWindow() && window->outer->isMinimized() ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    if (!IsLiveWindow(window)) return FALSE;
    QWidget* widget = window->outer;
    QRect geometry = widget->geometry();
    if (!(flags & SWP_NOMOVE)) {
        // Children are placed in the parent's client pixels; the client area is
        // the Qt parent of a child window, so this is the same thing.
        geometry.moveTo(x, y);
    }
    if (!(flags & SWP_NOSIZE)) geometry.setSize(QSize(std::max(0, width), std::max(0, height)));
    widget->setGeometry(geometry);
    LayoutWindow(window);
    if (!(flags & SWP_NOZORDER) && insertAfter == HWND_TOP) widget->raise();
    if (flags & SWP_SHOWWINDOW) widget->show();
    if (flags & SWP_HIDEWINDOW) widget->hide();
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    if (!IsLiveWindow(window) || rect == nullptr) return FALSE;
    *rect = RECT{0, 0, window->client->width(), window->client->height()};
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    if (!IsLiveWindow(window) || rect == nullptr) return FALSE;
    QWidget* widget = window->outer;
    const QPoint topLeft = widget->isWindow() ? widget->pos() : widget->mapToGlobal(QPoint(0, 0));
    *rect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + widget->width(), topLeft.y() + widget->height()};
    return TRUE;
}

HWND GetParent(HWND window) {
    if (!IsLiveWindow(window)) return nullptr;
    return window->parent != nullptr ? window->parent : window->owner;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    (void)erase;
    if (!IsLiveWindow(window)) return FALSE;
    if (rect == nullptr) window->client->update();
    else window->client->update(QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)));
    return TRUE;
}
