#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "d3dx.h"
#include "ddswriter.h"

namespace {

class TextureFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        direct3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS parameters{};
        parameters.Windowed = TRUE;
        parameters.BackBufferWidth = 16;
        parameters.BackBufferHeight = 16;
        ASSERT_EQ(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &device), D3D_OK);
    }
    void TearDown() override {
        if (device) device->Release();
        if (direct3d) direct3d->Release();
    }
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
    HRESULT Load(const std::string& path, IDirect3DTexture9** texture) {
        return D3DXCreateTextureFromFileExA(device, path.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0,
                                            D3DFMT_UNKNOWN, D3DPOOL_DEFAULT, D3DX_FILTER_NONE, D3DX_DEFAULT, 0,
                                            nullptr, nullptr, texture);
    }

    QTemporaryDir folder;
    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};

// A 24 × 10 image: opaque colours that encode the position, one translucent texel.
QImage TestImage() {
    QImage image(24, 10, QImage::Format_ARGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 24; ++x) image.setPixel(x, y, 0xFF000000u | (x * 10) << 16 | (y * 20) << 8 | 0x33);
    image.setPixel(1, 1, 0x80FF0000u);
    return image;
}

TEST_F(TextureFiles, ImagesArePaddedToPowersOfTwoUnscaled) {
    const QImage image = TestImage();
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 24; ++x) pixels.push_back(image.pixel(x, y));
    ASSERT_TRUE(ddswriter::SaveFile(Path("image.dds"), ddswriter::WriteArgb(24, 10, pixels)));
    ASSERT_TRUE(image.save(QString::fromStdString(Path("image.png"))));
    ASSERT_TRUE(image.convertToFormat(QImage::Format_RGB32).save(QString::fromStdString(Path("image.bmp"))));

    for (const char* name : {"image.dds", "image.png", "image.bmp"}) {
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(Load(Path(name), &texture), D3D_OK) << name;
        EXPECT_EQ(texture->Width(), 32u) << name;
        EXPECT_EQ(texture->Height(), 16u) << name;
        EXPECT_EQ(texture->StraightTexel(23, 9), image.pixel(23, 9)) << name;
        EXPECT_EQ(texture->StraightTexel(5, 0), image.pixel(5, 0)) << name;
        if (std::string(name) != "image.bmp") {
            EXPECT_EQ(texture->StraightTexel(1, 1), 0x80FF0000u) << name;
        }
        EXPECT_EQ(texture->StraightTexel(24, 0), 0u) << name;
        EXPECT_EQ(texture->StraightTexel(0, 10), 0u) << name;
        EXPECT_EQ(texture->StraightTexel(31, 15), 0u) << name;
        texture->Release();
    }
}

TEST_F(TextureFiles, JpegLoadsThroughTheImageReader) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(0xFF3366CCu);
    ASSERT_TRUE(image.save(QString::fromStdString(Path("image.jpg"))));
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(Load(Path("image.jpg"), &texture), D3D_OK);
    EXPECT_EQ(texture->Width(), 32u);
    const uint32_t texel = texture->StraightTexel(10, 10);
    EXPECT_EQ(texel >> 24, 0xFFu);
    EXPECT_NEAR(int((texel >> 16) & 0xFF), 0x33, 4);
    EXPECT_NEAR(int(texel & 0xFF), 0xCC, 4);
    texture->Release();
}

TEST_F(TextureFiles, UnloadableFilesFail) {
    auto dds = ddswriter::WriteArgb(4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu));
    dds.resize(dds.size() - 3);
    ASSERT_TRUE(ddswriter::SaveFile(Path("short.dds"), dds));
    ASSERT_TRUE(ddswriter::SaveFile(Path("noise.png"), {0x89, 'P', 'N', 'G', 1, 2, 3}));
    ASSERT_TRUE(ddswriter::SaveFile(Path("empty.dds"), {}));
    for (const std::string& path : {Path("missing.dds"), Path("short.dds"), Path("noise.png"), Path("empty.dds"),
                                    std::string(""), Path("")}) {
        IDirect3DTexture9* texture = reinterpret_cast<IDirect3DTexture9*>(1);
        EXPECT_TRUE(FAILED(Load(path, &texture))) << path;
        EXPECT_EQ(texture, nullptr) << path;
    }
}

}  // namespace
