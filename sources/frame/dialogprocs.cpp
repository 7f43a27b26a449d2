// The window procedures as far as the application frame needs them: closing
// the main dialog and destroying either window end the program. The editor's
// command routing and view input replace these.

#include "dialogprocs.h"

#include "winapi.h"

INT_PTR MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)dialog; (void)lParam;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
        case 105:   // File > Exit
            PostQuitMessage(0);
            return TRUE;
        default: return FALSE;
        }
    case WM_DESTROY:
        PostQuitMessage(0);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR ViewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)window; (void)wParam; (void)lParam;
    if (message == WM_DESTROY) PostQuitMessage(0);
    return FALSE;
}
