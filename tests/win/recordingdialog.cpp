#include "recordingdialog.h"

#include "windowsystem.h"

namespace {

RecordingDialogTest* current = nullptr;

INT_PTR RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current == nullptr) return FALSE;
    current->received.push_back(Received{window, message, wParam, lParam});
    return current->onMessage ? current->onMessage(window, message, wParam, lParam) : FALSE;
}

}  // namespace

RecordingDialogTest::RecordingDialogTest() {
    EnsureWindowSystem();
    current = this;
    SetModalAnswerHook([this](const ModalRequest& request) { return script.Answer(request); });
}

RecordingDialogTest::~RecordingDialogTest() {
    current = nullptr;
    DestroyAllWindows();
    SetModalAnswerHook({});
}

HWND RecordingDialogTest::Create(int templateId, HWND parent) {
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(static_cast<WORD>(templateId)), parent,
                              RecordingProc, 0);
}

void RecordingDialogTest::Deliver() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        GetMessageA(&msg, nullptr, 0, 0);
        DispatchMessageA(&msg);
    }
}

std::vector<Received> RecordingDialogTest::Of(UINT message) const {
    std::vector<Received> found;
    for (const Received& r : received) {
        if (r.message == message) found.push_back(r);
    }
    return found;
}

std::vector<Received> RecordingDialogTest::Commands() const { return Of(WM_COMMAND); }
