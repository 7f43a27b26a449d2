#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "d3dx.h"

namespace {

constexpr uint32_t kGrey = 0xFF505050u;

// A 64 × 48 device without a window, cleared to grey, with a sprite.
class SpriteDrawing : public testing::Test {
protected:
    void SetUp() override {
        direct3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(direct3d, nullptr);
        D3DPRESENT_PARAMETERS parameters{};
        parameters.Windowed = TRUE;
        parameters.BackBufferWidth = 64;
        parameters.BackBufferHeight = 48;
        ASSERT_EQ(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                         D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &device),
                  D3D_OK);
        ASSERT_EQ(D3DXCreateSprite(device, &sprite), D3D_OK);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
    }
    void TearDown() override {
        for (IDirect3DTexture9* t : textures) t->Release();
        if (sprite) sprite->Release();
        if (device) device->Release();
        if (direct3d) direct3d->Release();
    }

    // An 8 × 8 texture whose texel (x, y) is opaque with red x * 16 and green y * 16.
    IDirect3DTexture9* Gradient() {
        std::vector<uint32_t> pixels;
        for (uint32_t y = 0; y < 8; ++y)
            for (uint32_t x = 0; x < 8; ++x) pixels.push_back(0xFF000000u | (x * 16) << 16 | (y * 16) << 8 | 0x40);
        return Keep(IDirect3DTexture9::Create(pixels.data(), 8, 8, 8, 8));
    }
    IDirect3DTexture9* Solid(uint32_t argb, uint32_t width = 8, uint32_t height = 8) {
        const std::vector<uint32_t> pixels(width * height, argb);
        return Keep(IDirect3DTexture9::Create(pixels.data(), width, height, 8, 8));
    }
    IDirect3DTexture9* Keep(IDirect3DTexture9* t) {
        textures.push_back(t);
        return t;
    }

    void Draw(IDirect3DTexture9* texture, const RECT* source, float x, float y, D3DCOLOR colour = 0xFFFFFFFFu) {
        D3DXMATRIX identity;
        D3DXMatrixIdentity(&identity);
        sprite->SetTransform(&identity);
        sprite->Begin(D3DXSPRITE_ALPHABLEND);
        const D3DXVECTOR3 position{x, y, 0};
        sprite->Draw(texture, source, nullptr, &position, colour);
        sprite->End();
    }
    uint32_t Pixel(int x, int y) const { return device->BackBufferPixel(x, y); }
    int CountNot(uint32_t value) const {
        int n = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) n += Pixel(x, y) != value;
        return n;
    }

    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    ID3DXSprite* sprite = nullptr;
    std::vector<IDirect3DTexture9*> textures;
};

TEST_F(SpriteDrawing, ClearFillsTheBackBufferOrTheGivenRectangles) {
    EXPECT_EQ(CountNot(kGrey), 0);
    const D3DRECT rect{60, 40, 70, 50};   // reaches past the buffer's corner
    device->Clear(1, &rect, D3DCLEAR_TARGET, 0xFF000000u, 1.0f, 0);
    EXPECT_EQ(Pixel(63, 47), 0xFF000000u);
    EXPECT_EQ(Pixel(59, 47), kGrey);
    EXPECT_EQ(CountNot(kGrey), 4 * 8);
}

TEST_F(SpriteDrawing, SourceRectangleLandsAtThePosition) {
    const RECT source{2, 3, 5, 7};   // 3 × 4 texels
    Draw(Gradient(), &source, 10, 20);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(Pixel(10 + x, 20 + y), 0xFF000000u | uint32_t(2 + x) * 16 << 16 | uint32_t(3 + y) * 16 << 8 | 0x40)
                << x << "," << y;
        }
    }
    EXPECT_EQ(CountNot(kGrey), 12);
}

TEST_F(SpriteDrawing, NullSourceDrawsTheWholeTextureWithItsTransparentPadding) {
    Draw(Solid(0xFFFFFFFFu, 5, 3), nullptr, 0, 0);   // a 5 × 3 image in an 8 × 8 texture
    EXPECT_EQ(Pixel(4, 2), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(5, 2), kGrey);
    EXPECT_EQ(Pixel(4, 3), kGrey);
    EXPECT_EQ(CountNot(kGrey), 15);
}

TEST_F(SpriteDrawing, ColourModulatesAndBlends) {
    // Grey 80 under white at alpha 128: 128 + 80 * 127 / 255 = 168.
    const struct {
        D3DCOLOR colour;
        uint32_t expected;
    } cases[] = {
        {0xFFFFFFFFu, 0xFFFFFFFFu},   // unchanged
        {0x80FFFFFFu, 0xFFA8A8A8u},   // half opacity
        {0x80C8FFC8u, 0xFF8CA88Cu},   // pale green tint: 200 * 128 / 255 + 40 = 140
    };
    for (const auto& c : cases) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
        Draw(Solid(0xFFFFFFFFu), nullptr, 4, 4, c.colour);
        for (int x = 4; x < 12; ++x) EXPECT_EQ(Pixel(x, 7), c.expected) << std::hex << c.colour;
        EXPECT_EQ(Pixel(3, 7), kGrey);
    }
}

TEST_F(SpriteDrawing, TranslucentTexelsBlendOverTheBuffer) {
    Draw(Solid(0x80FF0000u), nullptr, 0, 0);
    EXPECT_EQ(Pixel(0, 0), 0xFFA82828u);   // red 128 + 40, green and blue 80 * 127 / 255
}

TEST_F(SpriteDrawing, SpritesPartlyOutsideAreClipped) {
    const struct {
        float x, y;
        int visible;
    } cases[] = {
        {-3, 0, 5 * 8}, {60, 0, 4 * 8}, {0, -6, 8 * 2}, {0, 44, 8 * 4}, {-5, -5, 3 * 3}, {61, 45, 3 * 3},
        {64, 0, 0},     {-8, 0, 0},     {0, 48, 0},     {1e9f, 0, 0},   {NAN, 0, 0},
    };
    IDirect3DTexture9* gradient = Gradient();
    for (const auto& c : cases) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
        Draw(gradient, nullptr, c.x, c.y);
        EXPECT_EQ(CountNot(kGrey), c.visible) << c.x << "," << c.y;
    }
    // The visible part is the right part of the texture.
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
    Draw(gradient, nullptr, -3, -2);
    EXPECT_EQ(Pixel(0, 0), 0xFF000000u | 3 * 16 << 16 | 2 * 16 << 8 | 0x40);
}

TEST_F(SpriteDrawing, EmptyOrOutsideSourceRectanglesDrawNothing) {
    const RECT cases[] = {{0, 0, 0, 0}, {3, 3, 3, 7}, {5, 5, 2, 2}, {8, 0, 12, 4}, {-10, -10, -1, -1}};
    for (const RECT& source : cases) {
        Draw(Gradient(), &source, 10, 10);
        EXPECT_EQ(CountNot(kGrey), 0) << source.left << "," << source.top << "," << source.right << "," << source.bottom;
    }
}

TEST_F(SpriteDrawing, SourceRectanglePartlyOutsideTheTextureKeepsItsPlace) {
    const RECT source{-2, 0, 3, 1};   // only texels 0..2 of row 0 exist
    Draw(Gradient(), &source, 10, 10);
    EXPECT_EQ(Pixel(11, 10), kGrey);
    EXPECT_EQ(Pixel(12, 10), 0xFF000040u);
    EXPECT_EQ(CountNot(kGrey), 3);
}

TEST_F(SpriteDrawing, TransformTranslatesAndDrawOutsideBeginFails) {
    D3DXMATRIX moved;
    D3DXMatrixIdentity(&moved);
    moved.m[3][0] = 5;
    moved.m[3][1] = 6;
    sprite->SetTransform(&moved);
    const D3DXVECTOR3 position{1, 1, 0};
    EXPECT_EQ(sprite->Draw(Solid(0xFFFFFFFFu), nullptr, nullptr, &position, 0xFFFFFFFFu), D3DERR_INVALIDCALL);
    EXPECT_EQ(CountNot(kGrey), 0);
    sprite->Begin(D3DXSPRITE_ALPHABLEND);
    sprite->Draw(Solid(0xFFFFFFFFu), nullptr, nullptr, &position, 0xFFFFFFFFu);
    sprite->End();
    EXPECT_EQ(Pixel(6, 7), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(5, 6), kGrey);
}

TEST(Device, NeedsASizeFromTheParametersOrTheWindow) {
    IDirect3D9* direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(direct3d, nullptr);
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION + 1), nullptr);
    D3DCAPS9 caps{};
    ASSERT_EQ(direct3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_TRUE(caps.PresentationIntervals & D3DPRESENT_INTERVAL_IMMEDIATE);

    D3DPRESENT_PARAMETERS parameters{};
    parameters.Windowed = TRUE;
    IDirect3DDevice9* device = reinterpret_cast<IDirect3DDevice9*>(1);
    EXPECT_TRUE(FAILED(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &device)));
    EXPECT_EQ(device, nullptr);
    parameters.BackBufferWidth = 100000;
    parameters.BackBufferHeight = 100000;
    EXPECT_TRUE(FAILED(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &device)));
    parameters.BackBufferWidth = 768;
    parameters.BackBufferHeight = 600;
    ASSERT_EQ(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &device), D3D_OK);
    EXPECT_EQ(device->BackBufferWidth(), 768);
    EXPECT_EQ(device->BackBufferHeight(), 600);
    EXPECT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    device->Release();
    direct3d->Release();
}

}  // namespace
