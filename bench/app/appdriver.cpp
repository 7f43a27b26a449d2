#include "appdriver.h"

#include <QApplication>
#include <QEvent>

#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "modalhook.h"
#include "resources.h"
#include "windowsystem.h"
#include "winapi.h"

namespace {

int modalBoxes = 0;

}  // namespace

void StartWindowSystem(int& argc, char** argv) {
    InitWindowSystem(argc, argv);
    UseResources(QuarrowResources());
    SetModalAnswerHook([](const ModalRequest& request) {
        ++modalBoxes;
        std::fprintf(stderr, "asked: %s %s\n", request.caption.c_str(), request.text.c_str());
        ModalReply reply;
        reply.button = IDOK;
        return reply;
    });
}

int ModalBoxesAsked() { return modalBoxes; }

bool EnterRunFolder() { return chdir(QUARROW_EXECUTE_DIR) == 0; }
bool EnterDataFolder() { return chdir(QUARROW_EXECUTE_DIR "/data") == 0; }

bool DeliverMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) return false;
        GetMessageA(&msg, nullptr, 0, 0);
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void RunUntilFirstFrame(App& app) {
    if (DeliverMessages()) app.Frame();
}

void StopApp(App* app) {
    app->Release();
    delete app;
}

void DestroyWindowsLeftBehind() {
    DestroyAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

long ResidentKilobytes() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long kilobytes = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kilobytes);
            break;
        }
    }
    std::fclose(status);
    return kilobytes;
}
