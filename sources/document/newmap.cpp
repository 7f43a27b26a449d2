#include "newmap.h"

INT_PTR NewMapDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
int ClampNewMapSide(int typed) { return typed; }
