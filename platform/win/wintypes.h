#pragma once
// The basic types of the window-system layer, with the platform's sizes.

#include <cstdint>

struct WindowObject;               // defined by the window layer
using HWND = WindowObject*;
using HINSTANCE = void*;
using HMODULE = void*;
using BOOL = int;
using BYTE = uint8_t;
using WORD = uint16_t;
using DWORD = uint32_t;
using UINT = unsigned int;
using LONG = int32_t;
using HRESULT = int32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LPSTR = char*;
using LPCSTR = const char*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

// A drawing context. Each kind (a window's paint context, a memory context
// for measuring text) derives from this and is told apart at run time.
struct DeviceContext {
    virtual ~DeviceContext() = default;
};
using HDC = DeviceContext*;
