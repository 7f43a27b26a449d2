#pragma once
// The value types, constants and result codes of our drawing layer. The
// numbers match the ones the editor was written against, so code that passes
// them along keeps its meaning.

#include <cstdint>

#include "wintypes.h"

using D3DCOLOR = uint32_t;   // ARGB, alpha in the top byte
using INT = int;
using FLOAT = float;

// ---- result codes --------------------------------------------------------
#ifndef S_OK
#define S_OK ((HRESULT)0)
#endif
#ifndef E_FAIL
#define E_FAIL ((HRESULT)0x80004005u)
#endif
#ifndef E_OUTOFMEMORY
#define E_OUTOFMEMORY ((HRESULT)0x8007000Eu)
#endif
#ifndef E_INVALIDARG
#define E_INVALIDARG ((HRESULT)0x80070057u)
#endif
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#endif
#ifndef FAILED
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif
#define D3D_OK S_OK
#define D3DERR_NOTAVAILABLE ((HRESULT)0x8876086Au)
#define D3DERR_INVALIDCALL ((HRESULT)0x8876086Cu)
#define D3DXERR_INVALIDDATA ((HRESULT)0x88760B59u)

// ---- creation ------------------------------------------------------------
constexpr UINT D3D_SDK_VERSION = 31;
constexpr UINT D3DADAPTER_DEFAULT = 0;

enum D3DDEVTYPE : uint32_t {
    D3DDEVTYPE_HAL = 1,
    D3DDEVTYPE_REF = 2,
    D3DDEVTYPE_SW = 3,
};

constexpr DWORD D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x00000020;
constexpr DWORD D3DCREATE_HARDWARE_VERTEXPROCESSING = 0x00000040;

enum D3DFORMAT : uint32_t {
    D3DFMT_UNKNOWN = 0,
    D3DFMT_R8G8B8 = 20,
    D3DFMT_A8R8G8B8 = 21,
    D3DFMT_X8R8G8B8 = 22,
    D3DFMT_R5G6B5 = 23,
    D3DFMT_X1R5G5B5 = 24,
    D3DFMT_A1R5G5B5 = 25,
    D3DFMT_A4R4G4B4 = 26,
    D3DFMT_A8B8G8R8 = 32,
    D3DFMT_DXT1 = 0x31545844,   // "DXT1" read as a little-endian word
    D3DFMT_DXT3 = 0x33545844,
    D3DFMT_DXT5 = 0x35545844,
};

enum D3DSWAPEFFECT : uint32_t {
    D3DSWAPEFFECT_DISCARD = 1,
    D3DSWAPEFFECT_FLIP = 2,
    D3DSWAPEFFECT_COPY = 3,
};

enum D3DMULTISAMPLE_TYPE : uint32_t {
    D3DMULTISAMPLE_NONE = 0,
};

enum D3DPOOL : uint32_t {
    D3DPOOL_DEFAULT = 0,
    D3DPOOL_MANAGED = 1,
    D3DPOOL_SYSTEMMEM = 2,
};

constexpr UINT D3DPRESENT_INTERVAL_DEFAULT = 0x00000000;
constexpr UINT D3DPRESENT_INTERVAL_ONE = 0x00000001;
constexpr UINT D3DPRESENT_INTERVAL_TWO = 0x00000002;
constexpr UINT D3DPRESENT_INTERVAL_THREE = 0x00000004;
constexpr UINT D3DPRESENT_INTERVAL_FOUR = 0x00000008;
constexpr UINT D3DPRESENT_INTERVAL_IMMEDIATE = 0x80000000;

constexpr DWORD D3DCLEAR_TARGET = 0x00000001;
constexpr DWORD D3DCLEAR_ZBUFFER = 0x00000002;
constexpr DWORD D3DCLEAR_STENCIL = 0x00000004;

// The parameters a device is created with. A zero back-buffer size means
// "the device window's client area".
struct D3DPRESENT_PARAMETERS {
    UINT BackBufferWidth;
    UINT BackBufferHeight;
    D3DFORMAT BackBufferFormat;
    UINT BackBufferCount;
    D3DMULTISAMPLE_TYPE MultiSampleType;
    DWORD MultiSampleQuality;
    D3DSWAPEFFECT SwapEffect;
    HWND hDeviceWindow;
    BOOL Windowed;
    BOOL EnableAutoDepthStencil;
    D3DFORMAT AutoDepthStencilFormat;
    DWORD Flags;
    UINT FullScreen_RefreshRateInHz;
    UINT PresentationInterval;
};

// What a device can do; only the fields the editor looks at, plus the
// texture limits.
struct D3DCAPS9 {
    D3DDEVTYPE DeviceType;
    UINT AdapterOrdinal;
    DWORD PresentationIntervals;
    DWORD MaxTextureWidth;
    DWORD MaxTextureHeight;
};

struct D3DRECT {
    LONG x1;
    LONG y1;
    LONG x2;
    LONG y2;
};

// ---- vectors and matrices ------------------------------------------------
struct D3DXVECTOR3 {
    FLOAT x;
    FLOAT y;
    FLOAT z;
};

struct D3DXMATRIX {
    FLOAT m[4][4];
};

// Sets *matrix to the identity and returns it.
D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* matrix);

// ---- sprites and text ----------------------------------------------------
constexpr DWORD D3DXSPRITE_ALPHABLEND = 0x00000010;

constexpr UINT D3DX_DEFAULT = 0xFFFFFFFFu;
constexpr DWORD D3DX_FILTER_NONE = 0x00000001;

constexpr DWORD DT_TOP = 0x00000000;
constexpr DWORD DT_LEFT = 0x00000000;
constexpr DWORD DT_CENTER = 0x00000001;
constexpr DWORD DT_RIGHT = 0x00000002;
constexpr DWORD DT_VCENTER = 0x00000004;
constexpr DWORD DT_BOTTOM = 0x00000008;
constexpr DWORD DT_WORDBREAK = 0x00000010;
constexpr DWORD DT_SINGLELINE = 0x00000020;
constexpr DWORD DT_NOCLIP = 0x00000100;
constexpr DWORD DT_CALCRECT = 0x00000400;

constexpr UINT FW_DONTCARE = 0;
constexpr UINT FW_NORMAL = 400;
constexpr UINT FW_BOLD = 700;
constexpr DWORD HANGUL_CHARSET = 129;
constexpr DWORD OUT_TT_ONLY_PRECIS = 7;
constexpr DWORD DEFAULT_QUALITY = 0;
