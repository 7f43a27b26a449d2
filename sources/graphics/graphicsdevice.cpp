#include "graphicsdevice.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

template <typename T>
void ReleaseAndClear(T*& object) {
    if (object) {
        object->Release();
        object = nullptr;
    }
}

UINT ChoosePresentationInterval(DWORD offered) {
    for (UINT interval : {D3DPRESENT_INTERVAL_IMMEDIATE, D3DPRESENT_INTERVAL_ONE, D3DPRESENT_INTERVAL_TWO,
                          D3DPRESENT_INTERVAL_THREE, D3DPRESENT_INTERVAL_FOUR}) {
        if (offered & interval) return interval;
    }
    return D3DPRESENT_INTERVAL_DEFAULT;
}

}  // namespace

GraphicsDevice::GraphicsDevice() = default;

GraphicsDevice::~GraphicsDevice() = default;

bool GraphicsDevice::Init(HWND viewWindow, UINT backBufferWidth, UINT backBufferHeight) {
    direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    presentParams = D3DPRESENT_PARAMETERS{};
    presentParams.BackBufferWidth = backBufferWidth;
    presentParams.BackBufferHeight = backBufferHeight;
    if (!CreateDevice(viewWindow)) return false;
    if (FAILED(D3DXCreateSprite(device, &sprite))) return false;
    if (FAILED(D3DXCreateFontA(device, 12, 0, FW_DONTCARE, 0, FALSE, HANGUL_CHARSET, OUT_TT_ONLY_PRECIS,
                               DEFAULT_QUALITY, 0, "HYporM", &font))) {
        return false;
    }
    measureDC = CreateCompatibleDC(nullptr);
    return true;
}

bool GraphicsDevice::CreateDevice(HWND viewWindow) {
    if (!direct3d) return false;
    D3DCAPS9 caps{};
    direct3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps);
    presentParams.Windowed = TRUE;
    presentParams.hDeviceWindow = viewWindow;
    presentParams.SwapEffect = D3DSWAPEFFECT_DISCARD;
    presentParams.BackBufferFormat = D3DFMT_UNKNOWN;
    presentParams.PresentationInterval = ChoosePresentationInterval(caps.PresentationIntervals);
    const HRESULT hr = direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, viewWindow,
                                              D3DCREATE_SOFTWARE_VERTEXPROCESSING, &presentParams, &device);
    return SUCCEEDED(hr) && device;
}

void GraphicsDevice::Release() {
    if (measureDC) {
        DeleteDC(measureDC);
        measureDC = nullptr;
    }
    // The sprite and the font hold the device; they go first.
    ReleaseAndClear(sprite);
    ReleaseAndClear(font);
    ReleaseAndClear(direct3d);
    ReleaseAndClear(device);
}

void GraphicsDevice::BeginFrame() {
    if (!device) return;
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kClearColour, 1.0f, 0);
    device->BeginScene();
}

void GraphicsDevice::EndFrame() {
    if (!device) return;
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
}

void GraphicsDevice::DrawSprite(IDirect3DTexture9* texture, const D3DXVECTOR3* position, const RECT* sourceRect,
                                D3DXMATRIX transform, D3DCOLOR colour) {
    if (!sprite) return;
    sprite->SetTransform(&transform);
    sprite->Begin(D3DXSPRITE_ALPHABLEND);
    sprite->Draw(texture, sourceRect, nullptr, position, colour);
    sprite->End();
}

int GraphicsDevice::DrawString(int x, int y, const char* text, D3DCOLOR colour, int length, DWORD format) {
    if (!font || !text) return 0;
    if (length == -1) length = static_cast<int>(std::strlen(text));
    SIZE extent{0, 0};
    GetTextExtentPoint32A(measureDC, text, length, &extent);
    RECT rect{x, y, x + extent.cx + 5, y + extent.cy};
    return font->DrawTextA(nullptr, text, length, &rect, format, colour);
}

void GraphicsDevice::PrintText(int x, int y, D3DCOLOR colour, const char* format, ...) {
    char buffer[kTextBufferSize];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    DrawString(x, y, buffer, colour, -1, DT_SINGLELINE | DT_VCENTER);
}

void GraphicsDevice::PrintStatusLine(float elapsedSeconds, float framesPerSecond) {
    PrintText(0, 0, kStatusColour, "Time:%2.1f    FPS:%2.1f", static_cast<double>(elapsedSeconds),
              static_cast<double>(framesPerSecond));
}
