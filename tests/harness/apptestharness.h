#pragma once
// Starts the editor in-process under the offscreen platform and drives it as
// a person would: posted and sent messages, clicks on the real widgets,
// frames; reads controls back. Message boxes and file dialogs are answered by
// the script; a watchdog ends a test that hangs.

#include <memory>
#include <string>

#include "app.h"
#include "modalscript.h"
#include "watchdog.h"
#include "winapi.h"

class QWidget;

// The Qt application and the program's resources, once per process.
void EnsureWindowSystem();

class AppHarness {
public:
    explicit AppHarness(std::chrono::seconds limit = std::chrono::seconds(60));
    ~AppHarness();
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    // Constructs the App and runs its Init.
    App& Start();
    App& app() { return *started; }
    ModalScript& modal() { return script; }

    HWND Dialog() const { return started->GetMainDialog(); }
    HWND View() const { return started->GetViewWindow(); }
    HWND Control(int id) const { return GetDlgItem(Dialog(), id); }
    QWidget* Widget(int id) const;

    // Dispatches every waiting message (Qt input included), as the loop does
    // before it runs a frame. WM_QUIT stays in the queue; true if one waits.
    bool DeliverMessages();
    void RunFrames(int count);
    bool QuitWaiting() const;

    std::string Text(int id) const;
    bool Checked(int id) const;
    // A real left click on the control's widget, then the resulting messages.
    void Click(int id);

private:
    std::unique_ptr<Watchdog> watchdog;
    ModalScript script;
    App* started = nullptr;
};
