#include "direct3d.h"

#include <algorithm>
#include <new>

#include "blitter.h"
#include "windowsurface.h"

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* matrix) {
    if (!matrix) return nullptr;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) matrix->m[row][column] = row == column ? 1.0f : 0.0f;
    }
    return matrix;
}

// ---- textures ------------------------------------------------------------

IDirect3DTexture9* IDirect3DTexture9::Create(const uint32_t* pixels, uint32_t width, uint32_t height,
                                             uint32_t textureWidth, uint32_t textureHeight) {
    if (textureWidth == 0 || textureHeight == 0 || textureWidth > 65535 || textureHeight > 65535) return nullptr;
    auto* texture = new (std::nothrow) IDirect3DTexture9();
    if (!texture) return nullptr;
    texture->width = textureWidth;
    texture->height = textureHeight;
    texture->texels.assign(static_cast<size_t>(textureWidth) * textureHeight, 0);
    const uint32_t copyWidth = std::min(width, textureWidth);
    const uint32_t copyHeight = std::min(height, textureHeight);
    for (uint32_t y = 0; y < copyHeight; ++y) {
        for (uint32_t x = 0; x < copyWidth; ++x) {
            texture->texels[static_cast<size_t>(y) * textureWidth + x] =
                quarrow::d3d::Premultiply(pixels[static_cast<size_t>(y) * width + x]);
        }
    }
    texture->coverage.resize(static_cast<size_t>(textureWidth + 1) * textureHeight);
    quarrow::d3d::ComputeCoverage(texture->texels.data(), static_cast<int>(textureWidth),
                                  static_cast<int>(textureHeight), texture->coverage.data());
    return texture;
}

uint32_t IDirect3DTexture9::StraightTexel(uint32_t x, uint32_t y) const {
    if (x >= width || y >= height) return 0;
    return quarrow::d3d::Unpremultiply(texels[static_cast<size_t>(y) * width + x]);
}

// ---- device --------------------------------------------------------------

IDirect3DDevice9::IDirect3DDevice9(HWND window, int width, int height, const D3DPRESENT_PARAMETERS& parameters)
    : window(window), width(width), height(height), parameters(parameters),
      backBuffer(new (std::nothrow) uint32_t[static_cast<size_t>(width) * height]()) {}

HRESULT IDirect3DDevice9::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float, DWORD) {
    if (!(flags & D3DCLEAR_TARGET)) return D3D_OK;   // no depth or stencil buffers to clear
    if (count > 0 && !rects) return D3DERR_INVALIDCALL;
    uint32_t* pixels = backBuffer.get();
    if (count == 0) {
        quarrow::d3d::FillPixels(pixels, static_cast<size_t>(width) * height, colour);
        return D3D_OK;
    }
    for (DWORD i = 0; i < count; ++i) {
        const int x1 = std::clamp<int>(rects[i].x1, 0, width), x2 = std::clamp<int>(rects[i].x2, 0, width);
        const int y1 = std::clamp<int>(rects[i].y1, 0, height), y2 = std::clamp<int>(rects[i].y2, 0, height);
        for (int y = y1; y < y2; ++y) {
            quarrow::d3d::FillPixels(pixels + static_cast<size_t>(y) * width + x1,
                                     static_cast<size_t>(std::max(x1, x2) - x1), colour);
        }
    }
    return D3D_OK;
}

HRESULT IDirect3DDevice9::BeginScene() {
    if (inScene) return D3DERR_INVALIDCALL;
    inScene = true;
    return D3D_OK;
}

HRESULT IDirect3DDevice9::EndScene() {
    if (!inScene) return D3DERR_INVALIDCALL;
    inScene = false;
    return D3D_OK;
}

HRESULT IDirect3DDevice9::Present(const RECT* sourceRect, const RECT* destRect, HWND overrideWindow,
                                  const void* dirtyRegion) {
    if (sourceRect || destRect || dirtyRegion) return D3DERR_INVALIDCALL;
    const HWND target = overrideWindow ? overrideWindow : window;
    if (target) PresentWindowPixels(target, backBuffer.get(), width, height, width);
    return D3D_OK;
}

uint32_t IDirect3DDevice9::BackBufferPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return backBuffer[static_cast<size_t>(y) * width + x];
}

// ---- the Direct3D object -------------------------------------------------

IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    return new (std::nothrow) IDirect3D9();
}

HRESULT IDirect3D9::GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) {
    if (!caps || adapter != D3DADAPTER_DEFAULT || type != D3DDEVTYPE_HAL) return D3DERR_INVALIDCALL;
    *caps = D3DCAPS9{};
    caps->DeviceType = type;
    caps->AdapterOrdinal = adapter;
    caps->PresentationIntervals = D3DPRESENT_INTERVAL_IMMEDIATE | D3DPRESENT_INTERVAL_ONE;
    caps->MaxTextureWidth = 8192;
    caps->MaxTextureHeight = 8192;
    return D3D_OK;
}

HRESULT IDirect3D9::CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD,
                                 D3DPRESENT_PARAMETERS* parameters, IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    *device = nullptr;
    if (!parameters || adapter != D3DADAPTER_DEFAULT || type != D3DDEVTYPE_HAL || !parameters->Windowed) {
        return D3DERR_INVALIDCALL;
    }
    const HWND window = parameters->hDeviceWindow ? parameters->hDeviceWindow : focusWindow;
    int width = static_cast<int>(parameters->BackBufferWidth);
    int height = static_cast<int>(parameters->BackBufferHeight);
    if (width == 0 || height == 0) {
        int clientWidth = 0, clientHeight = 0;
        if (!window || !GetWindowClientSize(window, &clientWidth, &clientHeight)) return D3DERR_INVALIDCALL;
        if (width == 0) width = clientWidth;
        if (height == 0) height = clientHeight;
    }
    if (width <= 0 || height <= 0 || width > kMaxBackBufferSide || height > kMaxBackBufferSide) {
        return D3DERR_INVALIDCALL;
    }
    auto* created = new (std::nothrow) IDirect3DDevice9(window, width, height, *parameters);
    if (!created) return E_OUTOFMEMORY;
    if (!created->BackBuffer()) {
        created->Release();
        return E_OUTOFMEMORY;
    }
    // As the platform does, report the sizes and format actually used.
    parameters->BackBufferWidth = static_cast<UINT>(width);
    parameters->BackBufferHeight = static_cast<UINT>(height);
    if (parameters->BackBufferFormat == D3DFMT_UNKNOWN) parameters->BackBufferFormat = D3DFMT_X8R8G8B8;
    *device = created;
    return D3D_OK;
}
