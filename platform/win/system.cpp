// Module, time, metrics, units, the cursor and the resources; starting Qt.

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "dialogtemplate.h"
#include "messagequeue.h"
#include "winapi.h"
#include "windowobject.h"
#include "windowsystem.h"

namespace {

const ResourceSet* resources = nullptr;
int moduleMarker = 0;

constexpr int kScrollBarSize = 17;
constexpr int kCaptionHeight = 26;
constexpr int kFixedFrame = 3;
constexpr int kMenuHeight = 20;

}  // namespace

void UseResources(const ResourceSet& set) { resources = &set; }

const DialogTemplate* FindDialogTemplate(int id) {
    if (resources == nullptr) return nullptr;
    for (const DialogTemplate& form : resources->dialogs) {
        if (form.id == id) return &form;
    }
    return nullptr;
}

const MenuTemplate* FindMenuTemplate(int id) {
    if (resources == nullptr) return nullptr;
    for (const MenuTemplate& menu : resources->menus) {
        if (menu.id == id) return &menu;
    }
    return nullptr;
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const int64_t product = static_cast<int64_t>(number) * numerator;
    // Rounds half away from zero, as the platform does.
    const int64_t half = std::llabs(static_cast<long long>(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t magnitude = (std::llabs(static_cast<long long>(product)) + half) /
                              std::llabs(static_cast<long long>(denominator));
    const int64_t result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX || result < INT32_MIN) return -1;
    return static_cast<int>(result);
}

int DialogUnitsToPixelsX(int units) { return MulDiv(units, kDialogBaseUnitX, 4); }
int DialogUnitsToPixelsY(int units) { return MulDiv(units, kDialogBaseUnitY, 8); }

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    return moduleName == nullptr ? static_cast<HMODULE>(&moduleMarker) : nullptr;
}

DWORD timeGetTime() {
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<DWORD>(static_cast<uint64_t>(now));
}

void OutputDebugStringA(LPCSTR text) {
    if (text == nullptr) return;
    std::fputs(text, stderr);
    std::fflush(stderr);
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXVSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYHSCROLL: return kScrollBarSize;
    case SM_CYCAPTION: return kCaptionHeight;
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) return 0;
        return index == SM_CXSCREEN ? screen->size().width() : screen->size().height();
    }
    default: return 0;
    }
}

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL hasMenu) {
    if (rect == nullptr) return FALSE;
    const bool framed = (style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0;
    const int frame = framed ? kFixedFrame : 0;
    rect->left -= frame;
    rect->right += frame;
    rect->top -= frame;
    rect->bottom += frame;
    if ((style & WS_CAPTION) == WS_CAPTION) rect->top -= kCaptionHeight;
    if (hasMenu) rect->top -= kMenuHeight;
    return TRUE;
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    const QPoint at = QCursor::pos();
    *point = POINT{at.x(), at.y()};
    return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
    if (!IsLiveWindow(window) || point == nullptr) return FALSE;
    const QPoint at = window->client->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT{at.x(), at.y()};
    return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
    if (!IsLiveWindow(window) || point == nullptr) return FALSE;
    const QPoint at = window->client->mapToGlobal(QPoint(point->x, point->y));
    *point = POINT{at.x(), at.y()};
    return TRUE;
}

void InitWindowSystem(int& argc, char** argv) {
    if (QApplication::instance() != nullptr) return;
    new QApplication(argc, argv);   // lives until the process ends
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The dialog font and the view's font name map to fonts that carry Hangul.
    QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg"),
                               {QStringLiteral("NanumGothic"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitution(QStringLiteral("HYporM"), QStringLiteral("NanumGothic"));
    QFont font(QStringLiteral("MS Shell Dlg"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

int RunWinMain(int argc, char** argv, WinMainFunction winMain) {
    static int keptArgc = argc;   // Qt keeps a reference to it
    InitWindowSystem(keptArgc, argv);
    char noArguments[] = "";
    return winMain(GetModuleHandleA(nullptr), nullptr, noArguments, SW_SHOWDEFAULT);
}

QWidget* WindowWidget(HWND window) { return IsLiveWindow(window) ? window->outer : nullptr; }
QWidget* ClientWidget(HWND window) { return IsLiveWindow(window) ? window->client : nullptr; }

void DestroyAllWindows() {
    for (;;) {
        const std::vector<HWND>& all = LiveWindowsInOrder();
        auto it = std::find_if(all.rbegin(), all.rend(), [](HWND w) { return w->parent == nullptr; });
        if (it == all.rend()) break;
        DestroyWindow(*it);
    }
    ProcessWindowSystemEvents();
    DiscardMessages();
}

void DiscardMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

std::size_t PendingMessageCount() { return QueuedMessageCount(); }
