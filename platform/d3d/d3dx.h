#pragma once
// The utility layer over the device: textures from image files, the sprite
// batcher, the text renderer and the trace function.

#include <memory>

#include "d3dtypes.h"
#include "direct3d.h"

// Draws textured rectangles into its device's back buffer with alpha blending
// and colour modulation. Only the translation of the transform is applied.
class ID3DXSprite : public quarrow::d3d::RefCounted {
public:
    HRESULT SetTransform(const D3DXMATRIX* transform);
    HRESULT Begin(DWORD flags);
    // Draws the source rectangle (the whole texture when null) of the texture
    // with its top-left corner at position − centre (either may be null: 0).
    HRESULT Draw(IDirect3DTexture9* texture, const RECT* sourceRect, const D3DXVECTOR3* centre,
                 const D3DXVECTOR3* position, D3DCOLOR colour);
    HRESULT End();

private:
    friend HRESULT D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite);
    explicit ID3DXSprite(IDirect3DDevice9* device);
    ~ID3DXSprite() override;

    IDirect3DDevice9* device;
    float translateX = 0.0f;
    float translateY = 0.0f;
    bool begun = false;
};

class FontFace;
namespace quarrow::d3d {
class TextCache;
}

// Writes text into its device's back buffer.
class ID3DXFont : public quarrow::d3d::RefCounted {
public:
    // Draws `count` bytes of UTF-8 text (all of it when count is negative)
    // inside the rectangle with the DT_ format flags. Returns the height of the
    // text drawn, 0 on failure. With DT_CALCRECT it only measures: the
    // rectangle's right and bottom are set to hold the text.
    INT DrawTextA(ID3DXSprite* sprite, LPCSTR text, INT count, RECT* rect, DWORD format, D3DCOLOR colour);

    const FontFace& Face() const { return *face; }

private:
    friend HRESULT D3DXCreateFontA(IDirect3DDevice9*, INT, UINT, UINT, UINT, BOOL, DWORD, DWORD, DWORD, DWORD,
                                   LPCSTR, ID3DXFont**);
    ID3DXFont(IDirect3DDevice9* device, FontFace* face);
    ~ID3DXFont() override;

    IDirect3DDevice9* device;
    FontFace* face;
    // The lines drawn lately and what they left in the back buffer.
    std::unique_ptr<quarrow::d3d::TextCache> cache;
};

HRESULT D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite);

// Fails (E_FAIL) while no Qt GUI application exists: text needs its fonts.
HRESULT D3DXCreateFontA(IDirect3DDevice9* device, INT height, UINT width, UINT weight, UINT mipLevels, BOOL italic,
                        DWORD charSet, DWORD outputPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR faceName,
                        ID3DXFont** font);

struct D3DXIMAGE_INFO;
struct PALETTEENTRY;

// Creates a texture from an image file. Width and height D3DX_DEFAULT take the
// image's size rounded up to powers of two; the image is never scaled: it sits
// at the top left, transparent black around it. A non-zero colour key turns
// texels of that exact colour transparent. Mip levels, usage, format, pool and
// the filters are accepted and ignored; source info and palette must be null.
HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, LPCSTR file, UINT width, UINT height, UINT mipLevels,
                                     DWORD usage, D3DFORMAT format, D3DPOOL pool, DWORD filter, DWORD mipFilter,
                                     D3DCOLOR colourKey, D3DXIMAGE_INFO* sourceInfo, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture);

// Writes one line naming the file, the line, the result code and the message
// to standard error and returns hr. No message box is ever shown.
HRESULT DXTrace(const char* file, DWORD line, HRESULT hr, const char* message, BOOL popMessageBox);

// The smallest power of two not below n (1 for 0).
uint32_t RoundUpToPowerOfTwo(uint32_t n);
