#pragma once
// The graphics device: everything needed to draw into the view window, and
// the three drawing operations the rest of the editor uses.

#include "d3dx.h"
#include "gdimeasure.h"
#include "singleton.h"

class GraphicsDevice : public Singleton<GraphicsDevice> {
public:
    GraphicsDevice();
    ~GraphicsDevice() override;

    // Creates the Direct3D object, a device on the view window (its back
    // buffer the size of the window's client area), the sprite, the font and
    // the measuring context. A null window needs an explicit back-buffer size.
    bool Init(HWND viewWindow, UINT backBufferWidth = 0, UINT backBufferHeight = 0);
    // Frees the sprite, the font, the measuring context, the device and the
    // Direct3D object. Safe to call more than once.
    void Release();

    void BeginFrame();   // clears to grey and begins the scene
    void EndFrame();     // ends the scene and presents it

    IDirect3DDevice9* GetDevice() const { return device; }
    const D3DPRESENT_PARAMETERS& PresentParameters() const { return presentParams; }

    void DrawSprite(IDirect3DTexture9* texture, const D3DXVECTOR3* position, const RECT* sourceRect,
                    D3DXMATRIX transform, D3DCOLOR colour);
    // Draws `length` bytes of text (all when −1) in a rectangle at (x, y) sized
    // by the measuring context; returns the font's result.
    int DrawString(int x, int y, const char* text, D3DCOLOR colour, int length, DWORD format);
    // printf-style text on one line, vertically centred, at most 511 bytes.
    void PrintText(int x, int y, D3DCOLOR colour, const char* format, ...) __attribute__((format(printf, 5, 6)));
    // The status line of every frame, in opaque white at the top left.
    void PrintStatusLine(float elapsedSeconds, float framesPerSecond);

    static constexpr D3DCOLOR kClearColour = 0xFF505050;
    static constexpr D3DCOLOR kStatusColour = 0xFFFFFFFF;
    static constexpr int kTextBufferSize = 512;

private:
    bool CreateDevice(HWND viewWindow);

    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    ID3DXSprite* sprite = nullptr;
    ID3DXFont* font = nullptr;
    D3DPRESENT_PARAMETERS presentParams{};
    HDC measureDC = nullptr;
};

inline GraphicsDevice* GetGraphicsDevice() { return GraphicsDevice::Instance(); }
