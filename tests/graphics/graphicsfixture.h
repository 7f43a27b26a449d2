#pragma once
// A graphics device on a 768 × 600 back buffer without a window, a texture
// manager, and a folder of test images that is the working directory.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ddswriter.h"
#include "graphicsdevice.h"
#include "texturemanager.h"

class GraphicsFixture : public testing::Test {
protected:
    static constexpr uint32_t kGrey = 0xFF505050u;

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        graphics = new GraphicsDevice();
        ASSERT_TRUE(graphics->Init(nullptr, 768, 600));
        textures = new TextureManager();
        ASSERT_TRUE(textures->Init());
    }
    void TearDown() override {
        textures->Release();
        delete textures;
        graphics->Release();
        delete graphics;
        QDir::setCurrent(previousFolder);
    }

    // Writes a DDS file of the given size filled with one colour, texel (0, 0) marked.
    static void WriteImage(const std::string& name, uint32_t width, uint32_t height, uint32_t argb,
                           uint32_t corner = 0xFF0000FFu) {
        std::vector<uint32_t> pixels(width * height, argb);
        pixels[0] = corner;
        ASSERT_TRUE(ddswriter::SaveFile(name, ddswriter::WriteArgb(width, height, pixels)));
    }

    uint32_t Pixel(int x, int y) const { return graphics->GetDevice()->BackBufferPixel(x, y); }
    int CountNot(uint32_t value, int width = 768, int height = 600) const {
        int n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) n += Pixel(x, y) != value;
        return n;
    }

    QTemporaryDir folder;
    QString previousFolder;
    GraphicsDevice* graphics = nullptr;
    TextureManager* textures = nullptr;
};
