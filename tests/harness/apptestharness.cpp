#include "apptestharness.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "resources.h"
#include "windowsystem.h"

void EnsureWindowSystem() {
    static int argc = 1;
    static char name[] = "quarrow-tests";
    static char* argv[] = {name, nullptr};
    InitWindowSystem(argc, argv);
    UseResources(QuarrowResources());
}

AppHarness::AppHarness(std::chrono::seconds limit)
    : watchdog(std::make_unique<Watchdog>(limit, "an application test")) {
    EnsureWindowSystem();
    SetModalAnswerHook([this](const ModalRequest& request) { return script.Answer(request); });
}

AppHarness::~AppHarness() {
    if (started != nullptr) {
        started->Release();
        delete started;
    }
    DestroyAllWindows();
    SetModalAnswerHook({});
}

App& AppHarness::Start() {
    started = new App;
    started->Init();
    return *started;
}

QWidget* AppHarness::Widget(int id) const { return WindowWidget(Control(id)); }

bool AppHarness::DeliverMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return true;
        GetMessageA(&msg, nullptr, 0, 0);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return false;
}

void AppHarness::RunFrames(int count) {
    for (int i = 0; i < count; ++i) {
        DeliverMessages();
        started->Frame();
    }
}

bool AppHarness::QuitWaiting() const {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

std::string AppHarness::Text(int id) const {
    char buffer[512];
    GetDlgItemTextA(Dialog(), id, buffer, sizeof buffer);
    return buffer;
}

bool AppHarness::Checked(int id) const { return IsDlgButtonChecked(Dialog(), id) == BST_CHECKED; }

void AppHarness::Click(int id) {
    if (QWidget* widget = Widget(id)) QTest::mouseClick(widget, Qt::LeftButton);
    DeliverMessages();
}
