#include "mainwindow.h"

#include "dialogprocs.h"
#include "resources.h"
#include "winapi.h"

bool MainWindow::Init() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    mainDialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(kMainDialogTemplate), nullptr, MainDialogProc, 0);
    viewWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(kViewWindowTemplate), mainDialog, ViewWindowProc, 0);

    // The allowance AdjustWindowRect adds for a caption and frame lands in the
    // frameless view's client area: with the scroll bars, exactly 768 x 600.
    RECT size{0, 0, kViewClientWidth + GetSystemMetrics(SM_CXVSCROLL),
              kViewClientHeight + GetSystemMetrics(SM_CYVSCROLL)};
    AdjustWindowRect(&size, WS_CAPTION | WS_SYSMENU, FALSE);
    SetWindowPos(viewWindow, HWND_TOP, kViewLeft, kViewTop, size.right - size.left, size.bottom - size.top,
                 SWP_SHOWWINDOW);
    return mainDialog != nullptr;
}
