#pragma once
// The device layer: the Direct3D object, the rendering device with its
// 32-bit ARGB back buffer, and textures. All drawing happens in software.

#include <cstdint>
#include <memory>
#include <vector>

#include "d3dtypes.h"
#include "refcounted.h"

class IDirect3DDevice9;

// A texture: a power-of-two sized image of premultiplied ARGB texels, with
// the per-row coverage counts the blitter uses to pick its path.
class IDirect3DTexture9 : public quarrow::d3d::RefCounted {
public:
    // Takes straight ARGB pixels of a width × height image and places them at
    // the top left of a texture of textureWidth × textureHeight texels
    // (transparent black around them; cropped if the texture is smaller).
    static IDirect3DTexture9* Create(const uint32_t* pixels, uint32_t width, uint32_t height,
                                     uint32_t textureWidth, uint32_t textureHeight);

    uint32_t Width() const { return width; }
    uint32_t Height() const { return height; }
    const uint32_t* Texels() const { return texels.data(); }     // premultiplied
    const uint32_t* Coverage() const { return coverage.data(); }
    // The texel at (x, y) as straight ARGB; 0 outside the texture.
    uint32_t StraightTexel(uint32_t x, uint32_t y) const;

private:
    IDirect3DTexture9() = default;
    ~IDirect3DTexture9() override = default;

    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint32_t> texels;
    std::vector<uint32_t> coverage;
};

class IDirect3DDevice9 : public quarrow::d3d::RefCounted {
public:
    // Fills the whole back buffer (count 0) or the listed rectangles with the colour.
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float z, DWORD stencil);
    HRESULT BeginScene();
    HRESULT EndScene();
    // Shows the back buffer in the device window (or the given window). The
    // rectangles and region are not supported and must be null.
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND overrideWindow, const void* dirtyRegion);

    // The back buffer, for drawing and for reading back.
    uint32_t* BackBuffer() { return backBuffer.get(); }
    const uint32_t* BackBuffer() const { return backBuffer.get(); }
    int BackBufferWidth() const { return width; }
    int BackBufferHeight() const { return height; }
    uint32_t BackBufferPixel(int x, int y) const;
    bool InScene() const { return inScene; }
    HWND DeviceWindow() const { return window; }
    const D3DPRESENT_PARAMETERS& PresentParameters() const { return parameters; }

private:
    friend class IDirect3D9;
    IDirect3DDevice9(HWND window, int width, int height, const D3DPRESENT_PARAMETERS& parameters);
    ~IDirect3DDevice9() override = default;

    HWND window;
    int width;
    int height;
    D3DPRESENT_PARAMETERS parameters;
    std::unique_ptr<uint32_t[]> backBuffer;
    bool inScene = false;
};

class IDirect3D9 : public quarrow::d3d::RefCounted {
public:
    // One adapter (0) with one device type (HAL); it presents immediately or
    // on the display's refresh.
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps);
    // A windowed device whose back buffer has the size the parameters give or,
    // when they give 0, the size of the device window's client area (the
    // focus window when hDeviceWindow is null).
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviourFlags,
                         D3DPRESENT_PARAMETERS* parameters, IDirect3DDevice9** device);

private:
    friend IDirect3D9* Direct3DCreate9(UINT sdkVersion);
    IDirect3D9() = default;
    ~IDirect3D9() override = default;
};

// The Direct3D object, or null for an SDK version other than D3D_SDK_VERSION.
IDirect3D9* Direct3DCreate9(UINT sdkVersion);

// The largest back buffer side a device accepts.
constexpr int kMaxBackBufferSide = 8192;
