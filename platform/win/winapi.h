#pragma once
// The window-system operations the editor calls, under their platform names,
// with the behaviour the editor relies on. Backed by Qt Widgets; no Qt type
// appears here.

#include "wintypes.h"

// Module and time.
HMODULE GetModuleHandleA(LPCSTR moduleName);
DWORD timeGetTime();
void OutputDebugStringA(LPCSTR text);

// The message queue.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL GetMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Waits until a message or window-system event arrives or the time runs out.
// Only the form with no handles is offered.
DWORD MsgWaitForMultipleObjects(DWORD count, const void* handles, BOOL waitAll, DWORD milliseconds,
                                DWORD wakeMask);

// Windows and dialogs.
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC procedure,
                        LPARAM initParam);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL IsIconic(HWND window);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL GetClientRect(HWND window, RECT* rect);
// The window's outer rectangle in screen coordinates.
BOOL GetWindowRect(HWND window, RECT* rect);
HWND GetParent(HWND window);
BOOL SetWindowTextA(HWND window, LPCSTR text);
int GetWindowTextA(HWND window, LPSTR buffer, int capacity);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);

// Dialog controls.
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int capacity);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

// Scroll bars of a window made with WS_HSCROLL / WS_VSCROLL. The thumb shows
// the position set here, never where a drag left it.
BOOL SetScrollRange(HWND window, int bar, int minPos, int maxPos, BOOL redraw);
int SetScrollPos(HWND window, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND window, int bar);
BOOL GetScrollRange(HWND window, int bar, int* minPos, int* maxPos);

// Placement and the cursor.
int GetSystemMetrics(int index);
BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL hasMenu);
BOOL GetCursorPos(POINT* point);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
int MulDiv(int number, int numerator, int denominator);

// Modal boxes and the common file dialogs (see modalhook.h for tests).
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
BOOL GetOpenFileNameA(OPENFILENAMEA* request);
BOOL GetSaveFileNameA(OPENFILENAMEA* request);
DWORD CommDlgExtendedError();

// Painting, valid while the window handles WM_PAINT.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
HPEN CreatePen(int style, int width, COLORREF colour);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
