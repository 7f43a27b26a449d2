// Dialog controls: texts, numbers, check states, radio groups, scroll bars and
// the default handling of messages nobody else took.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <string>

#include "winapi.h"
#include "windowobject.h"

namespace {

QString FromAnsi(LPCSTR text) { return text == nullptr ? QString() : QString::fromUtf8(text); }

void SetControlText(HWND window, const QString& text) {
    QWidget* widget = window->outer;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(widget)) box->setTitle(text);
    else widget->setWindowTitle(text);
}

QString ControlText(HWND window) {
    QWidget* widget = window->outer;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
    return widget->windowTitle();
}

// Copies text into a caller's buffer, cut to fit and always terminated.
int CopyOut(const QByteArray& text, LPSTR buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    const int length = std::min<int>(static_cast<int>(text.size()), capacity - 1);
    std::memcpy(buffer, text.constData(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

bool IsAutoRadio(HWND window) {
    return window->kind == WindowKind::RadioButton && (window->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// Parses a whole field as the platform reads numbers: blanks, an optional
// minus sign when signed, digits, blanks. Values out of range fail.
bool ParseNumber(const std::string& text, bool isSigned, UINT* value) {
    size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (isSigned && at < text.size() && text[at] == '-') {
        negative = true;
        ++at;
    }
    const size_t digitsStart = at;
    uint64_t number = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        number = number * 10 + static_cast<uint64_t>(text[at] - '0');
        if (number > 0xFFFFFFFFull) return false;
        ++at;
    }
    if (at == digitsStart) return false;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (at != text.size()) return false;
    if (isSigned) {
        const uint64_t limit = negative ? 0x80000000ull : 0x7FFFFFFFull;
        if (number > limit) return false;
        const int64_t signedValue = negative ? -static_cast<int64_t>(number) : static_cast<int64_t>(number);
        *value = static_cast<UINT>(static_cast<int32_t>(signedValue));
        return true;
    }
    *value = static_cast<UINT>(number);
    return true;
}

}  // namespace

QAbstractButton* ButtonOf(HWND window) {
    if (!IsLiveWindow(window)) return nullptr;
    return qobject_cast<QAbstractButton*>(window->outer);
}

void CheckRadioInGroup(HWND button) {
    if (!IsLiveWindow(button) || !IsLiveWindow(button->parent)) return;
    const std::vector<HWND>& siblings = button->parent->children;
    auto at = std::find(siblings.begin(), siblings.end(), button);
    if (at == siblings.end()) return;
    // The group runs from the nearest WS_GROUP control at or before the
    // button up to the next WS_GROUP control.
    auto first = at;
    while (first != siblings.begin() && !((*first)->style & WS_GROUP)) --first;
    auto last = at + 1;
    while (last != siblings.end() && !((*last)->style & WS_GROUP)) ++last;
    for (auto it = first; it != last; ++it) {
        if (QAbstractButton* other = ButtonOf(*it); other != nullptr && IsAutoRadio(*it)) {
            other->setChecked(*it == button);
        }
    }
}

LRESULT DefaultWindowHandling(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // The dialog manager turns a close request into the Cancel command.
        if (window->kind == WindowKind::Dialog) {
            return SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                                reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
        }
        return 0;
    case BM_SETCHECK:
        if (QAbstractButton* button = ButtonOf(window); button != nullptr && button->isCheckable()) {
            button->setChecked(wParam == BST_CHECKED);
        }
        return 0;
    case BM_GETCHECK:
        if (QAbstractButton* button = ButtonOf(window)) return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        return BST_UNCHECKED;
    case WM_SETTEXT:
        if (window->kind == WindowKind::Dialog) window->outer->setWindowTitle(FromAnsi(reinterpret_cast<LPCSTR>(lParam)));
        else SetControlText(window, FromAnsi(reinterpret_cast<LPCSTR>(lParam)));
        return TRUE;
    case WM_GETTEXT: {
        const QString text = window->kind == WindowKind::Dialog ? window->outer->windowTitle() : ControlText(window);
        return CopyOut(text.toUtf8(), reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    }
    default:
        return 0;
    }
}

HWND GetDlgItem(HWND dialog, int id) {
    if (!IsLiveWindow(dialog)) return nullptr;
    for (HWND child : dialog->children) {
        if (child->id == id) return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND window) { return IsLiveWindow(window) ? window->id : 0; }

BOOL SetWindowTextA(HWND window, LPCSTR text) {
    if (!IsLiveWindow(window)) return FALSE;
    return static_cast<BOOL>(DefaultWindowHandling(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextA(HWND window, LPSTR buffer, int capacity) {
    if (!IsLiveWindow(window)) {
        CopyOut(QByteArray(), buffer, capacity);
        return 0;
    }
    return static_cast<int>(DefaultWindowHandling(window, WM_GETTEXT, static_cast<WPARAM>(std::max(capacity, 0)),
                                                  reinterpret_cast<LPARAM>(buffer)));
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) { return SetWindowTextA(GetDlgItem(dialog, id), text); }

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int capacity) {
    return static_cast<UINT>(GetWindowTextA(GetDlgItem(dialog, id), buffer, capacity));
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated != nullptr) *translated = FALSE;
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return 0;
    const std::string text = ControlText(control).toStdString();
    UINT value = 0;
    if (!ParseNumber(text, isSigned != FALSE, &value)) return 0;
    if (translated != nullptr) *translated = TRUE;
    return value;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    const std::string text = isSigned ? std::to_string(static_cast<int32_t>(value)) : std::to_string(value);
    return SetDlgItemTextA(dialog, id, text.c_str());
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return FALSE;
    DefaultWindowHandling(control, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return BST_UNCHECKED;
    return static_cast<UINT>(DefaultWindowHandling(control, BM_GETCHECK, 0, 0));
}

BOOL SetScrollRange(HWND window, int bar, int minPos, int maxPos, BOOL redraw) {
    (void)redraw;
    if (!IsLiveWindow(window) || (bar != SB_HORZ && bar != SB_VERT)) return FALSE;
    ScrollState& state = window->scroll[bar];
    state.minPos = minPos;
    state.maxPos = std::max(minPos, maxPos);
    state.pos = std::clamp(state.pos, state.minPos, state.maxPos);
    if (QScrollBar* widget = window->scrollBars[bar]) {
        widget->setRange(state.minPos, state.maxPos);
        widget->setPageStep(std::max(1, (state.maxPos - state.minPos) / 8));
        if (!widget->isSliderDown()) widget->setValue(state.pos);
    }
    return TRUE;
}

int SetScrollPos(HWND window, int bar, int pos, BOOL redraw) {
    (void)redraw;
    if (!IsLiveWindow(window) || (bar != SB_HORZ && bar != SB_VERT)) return 0;
    ScrollState& state = window->scroll[bar];
    const int previous = state.pos;
    state.pos = std::clamp(pos, state.minPos, state.maxPos);
    // While the user drags the thumb it stays under the pointer; it returns to
    // the set position on release.
    if (QScrollBar* widget = window->scrollBars[bar]; widget != nullptr && !widget->isSliderDown()) {
        widget->setValue(state.pos);
    }
    return previous;
}

int GetScrollPos(HWND window, int bar) {
    if (!IsLiveWindow(window) || (bar != SB_HORZ && bar != SB_VERT)) return 0;
    return window->scroll[bar].pos;
}

BOOL GetScrollRange(HWND window, int bar, int* minPos, int* maxPos) {
    if (!IsLiveWindow(window) || (bar != SB_HORZ && bar != SB_VERT)) return FALSE;
    if (minPos != nullptr) *minPos = window->scroll[bar].minPos;
    if (maxPos != nullptr) *maxPos = window->scroll[bar].maxPos;
    return TRUE;
}
