#include "messagequeue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <deque>

#include "winapi.h"
#include "windowobject.h"

namespace {

std::deque<MSG> queue;
int modalDepth = 0;

// Receives one wake-up event whenever messages are posted, so a modal box's
// event loop or a waiting GetMessageA notices them without polling.
class QueuePump : public QObject {
public:
    static constexpr QEvent::Type kWake = QEvent::Type(QEvent::User + 0x51);

    void Wake() {
        if (wakePending || QCoreApplication::instance() == nullptr) return;
        wakePending = true;
        QCoreApplication::postEvent(this, new QEvent(kWake));
    }

    void SetWaitingLoop(QEventLoop* loop) { waitingLoop = loop; }

protected:
    bool event(QEvent* event) override {
        if (event->type() != kWake) return QObject::event(event);
        wakePending = false;
        if (waitingLoop != nullptr) waitingLoop->quit();
        if (modalDepth > 0) DeliverWaitingMessages();
        return true;
    }

private:
    bool wakePending = false;
    QEventLoop* waitingLoop = nullptr;
};

QueuePump& Pump() {
    static QueuePump pump;
    return pump;
}

bool Matches(const MSG& msg, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && msg.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

// The first queued message the filter accepts, or end.
std::deque<MSG>::iterator FindMessage(HWND window, UINT filterMin, UINT filterMax) {
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (Matches(*it, window, filterMin, filterMax)) return it;
    }
    return queue.end();
}

void Enqueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = timeGetTime();
    queue.push_back(msg);
    Pump().Wake();
}

}  // namespace

void ProcessWindowSystemEvents() {
    if (QCoreApplication::instance() == nullptr) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // processEvents alone leaves deleteLater undone.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::size_t QueuedMessageCount() { return queue.size(); }

void DeliverWaitingMessages() {
    for (;;) {
        auto it = std::find_if(queue.begin(), queue.end(), [](const MSG& m) { return m.message != WM_QUIT; });
        if (it == queue.end()) return;
        MSG msg = *it;
        queue.erase(it);
        DispatchMessageA(&msg);
    }
}

ModalScope::ModalScope() {
    ++modalDepth;
    if (!queue.empty()) Pump().Wake();
}

ModalScope::~ModalScope() { --modalDepth; }

bool WaitForMessage(int timeoutMs) {
    ProcessWindowSystemEvents();
    if (!queue.empty() || QCoreApplication::instance() == nullptr) return !queue.empty();
    if (timeoutMs == 0) return false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (timeoutMs > 0) timer.start(timeoutMs);
    Pump().SetWaitingLoop(&loop);
    loop.exec();
    Pump().SetWaitingLoop(nullptr);
    return !queue.empty();
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && !IsLiveWindow(window)) return FALSE;
    Enqueue(window, message, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) { Enqueue(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0); }

BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    ProcessWindowSystemEvents();
    auto it = FindMessage(window, filterMin, filterMax);
    if (it == queue.end()) return FALSE;
    *msg = *it;
    if (removeFlags & PM_REMOVE) queue.erase(it);
    return TRUE;
}

BOOL GetMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax) {
    while (!PeekMessageA(msg, window, filterMin, filterMax, PM_REMOVE)) {
        WaitForMessage(-1);
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
    (void)msg;   // no character messages are made: nothing in the program reads them
    return FALSE;
}

DWORD MsgWaitForMultipleObjects(DWORD count, const void* handles, BOOL waitAll, DWORD milliseconds,
                                DWORD wakeMask) {
    (void)handles; (void)waitAll; (void)wakeMask;
    if (count != 0) return 0xFFFFFFFF;   // WAIT_FAILED: only the message wait is offered
    const int timeout = milliseconds == 0xFFFFFFFF ? -1 : static_cast<int>(milliseconds);
    return WaitForMessage(timeout) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr || msg->hwnd == nullptr) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!IsLiveWindow(window)) return 0;
    if (window->procedure != nullptr) {
        const INT_PTR handled = window->procedure(window, message, wParam, lParam);
        if (handled) return handled;
        if (!IsLiveWindow(window)) return 0;
    }
    return DefaultWindowHandling(window, message, wParam, lParam);
}
