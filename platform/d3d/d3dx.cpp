#include "d3dx.h"

#include <cmath>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "blitter.h"
#include "ddsreader.h"
#include "imageloader.h"

namespace {

// Positions beyond this are far outside any back buffer; drawing them is skipped.
constexpr float kFarAway = 1.0e6f;

bool ToPixel(float value, int* pixel) {
    if (!std::isfinite(value) || std::fabs(value) > kFarAway) return false;
    *pixel = static_cast<int>(std::floor(value + 0.5f));
    return true;
}

}  // namespace

uint32_t RoundUpToPowerOfTwo(uint32_t n) {
    uint32_t power = 1;
    while (power < n && power < 0x80000000u) power <<= 1;
    return power;
}

// ---- sprite --------------------------------------------------------------

ID3DXSprite::ID3DXSprite(IDirect3DDevice9* device) : device(device) {
    device->AddRef();
}

ID3DXSprite::~ID3DXSprite() {
    device->Release();
}

HRESULT D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite) {
    if (!sprite) return D3DERR_INVALIDCALL;
    *sprite = nullptr;
    if (!device) return D3DERR_INVALIDCALL;
    *sprite = new (std::nothrow) ID3DXSprite(device);
    return *sprite ? D3D_OK : E_OUTOFMEMORY;
}

HRESULT ID3DXSprite::SetTransform(const D3DXMATRIX* transform) {
    if (!transform) return D3DERR_INVALIDCALL;
    translateX = transform->m[3][0];
    translateY = transform->m[3][1];
    return D3D_OK;
}

HRESULT ID3DXSprite::Begin(DWORD) {
    if (begun) return D3DERR_INVALIDCALL;
    begun = true;
    return D3D_OK;
}

HRESULT ID3DXSprite::End() {
    if (!begun) return D3DERR_INVALIDCALL;
    begun = false;
    return D3D_OK;
}

HRESULT ID3DXSprite::Draw(IDirect3DTexture9* texture, const RECT* sourceRect, const D3DXVECTOR3* centre,
                          const D3DXVECTOR3* position, D3DCOLOR colour) {
    if (!begun || !texture) return D3DERR_INVALIDCALL;
    const int64_t textureWidth = texture->Width(), textureHeight = texture->Height();
    int64_t left = 0, top = 0, right = textureWidth, bottom = textureHeight;
    if (sourceRect) {
        left = sourceRect->left;
        top = sourceRect->top;
        right = sourceRect->right;
        bottom = sourceRect->bottom;
    }
    // Only the part of the rectangle inside the texture can show.
    const int64_t clippedLeft = std::max<int64_t>(left, 0), clippedTop = std::max<int64_t>(top, 0);
    right = std::min(right, textureWidth);
    bottom = std::min(bottom, textureHeight);
    if (right <= clippedLeft || bottom <= clippedTop) return D3D_OK;

    const float x = (position ? position->x : 0.0f) - (centre ? centre->x : 0.0f) + translateX;
    const float y = (position ? position->y : 0.0f) - (centre ? centre->y : 0.0f) + translateY;
    int dstX = 0, dstY = 0;
    if (!ToPixel(x, &dstX) || !ToPixel(y, &dstY)) return D3D_OK;
    dstX += static_cast<int>(clippedLeft - left);
    dstY += static_cast<int>(clippedTop - top);

    const quarrow::d3d::PixelTarget target{device->BackBuffer(), device->BackBufferWidth(),
                                           device->BackBufferHeight(), device->BackBufferWidth()};
    const quarrow::d3d::TexelSource source{texture->Texels(), texture->Coverage(), static_cast<int>(textureWidth),
                                           static_cast<int>(textureHeight)};
    quarrow::d3d::BlitSprite(target, source, static_cast<int>(clippedLeft), static_cast<int>(clippedTop),
                             static_cast<int>(right - clippedLeft), static_cast<int>(bottom - clippedTop), dstX, dstY,
                             colour);
    return D3D_OK;
}

// ---- textures from files ---------------------------------------------------

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, LPCSTR file, UINT width, UINT height, UINT,
                                     DWORD, D3DFORMAT, D3DPOOL, DWORD, DWORD, D3DCOLOR colourKey,
                                     D3DXIMAGE_INFO* sourceInfo, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture) {
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !file || sourceInfo || palette) return D3DERR_INVALIDCALL;

    std::vector<uint8_t> bytes;
    std::string error;
    if (!quarrow::d3d::ReadImageFile(file, &bytes, &error)) return D3DERR_NOTAVAILABLE;
    quarrow::d3d::LoadedImage image;
    if (!quarrow::d3d::DecodeImage(bytes.data(), bytes.size(), &image, &error)) return D3DXERR_INVALIDDATA;
    bytes = {};

    if (colourKey != 0) {
        for (uint32_t& pixel : image.pixels) {
            if (pixel == colourKey) pixel = 0;
        }
    }
    const uint32_t textureWidth = RoundUpToPowerOfTwo(width == D3DX_DEFAULT || width == 0 ? image.width : width);
    const uint32_t textureHeight = RoundUpToPowerOfTwo(height == D3DX_DEFAULT || height == 0 ? image.height : height);
    if (textureWidth > quarrow::d3d::kMaxDdsSide || textureHeight > quarrow::d3d::kMaxDdsSide) {
        return D3DERR_INVALIDCALL;
    }
    *texture = IDirect3DTexture9::Create(image.pixels.data(), image.width, image.height, textureWidth, textureHeight);
    return *texture ? D3D_OK : E_OUTOFMEMORY;
}

// ---- trace ---------------------------------------------------------------

HRESULT DXTrace(const char* file, DWORD line, HRESULT hr, const char* message, BOOL) {
    std::fprintf(stderr, "%s(%u): hr=0x%08X %s\n", file ? file : "?", static_cast<unsigned>(line),
                 static_cast<unsigned>(hr), message ? message : "");
    std::fflush(stderr);
    return hr;
}
