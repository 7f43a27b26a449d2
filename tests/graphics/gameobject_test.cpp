#include "gameobject.h"

#include "graphicsfixture.h"

namespace {

TEST(RectTest, SetAndCopyFromKeepEdgesAndSizeInStep) {
    Rect rect;
    rect.Set(48, 24, 24, 24);
    EXPECT_EQ(rect.right, 72);
    EXPECT_EQ(rect.bottom, 48);
    EXPECT_EQ(rect.width, 24);

    Rect odd;
    odd.Set(10, 20, 5, 6);
    odd.width = 99;   // disagrees with the edges
    Rect copy;
    copy.CopyFrom(odd);
    EXPECT_EQ(copy.left, 10);
    EXPECT_EQ(copy.right, 15);
    EXPECT_EQ(copy.width, 5);
    EXPECT_EQ(copy.height, 6);
}

class Sprites : public GraphicsFixture {
protected:
    void SetUp() override {
        GraphicsFixture::SetUp();
        // 48 × 24: a white tile with a blue corner, then a red tile.
        std::vector<uint32_t> pixels(48 * 24, 0xFFFFFFFFu);
        for (int y = 0; y < 24; ++y)
            for (int x = 24; x < 48; ++x) pixels[y * 48 + x] = 0xFFFF0000u;
        pixels[0] = 0xFF0000FFu;
        ASSERT_TRUE(ddswriter::SaveFile("tiles.dds", ddswriter::WriteArgb(48, 24, pixels)));
        graphics->BeginFrame();
    }
    GameObject object;
};

TEST_F(Sprites, NewObjectHasNoTextureAndWhiteColour) {
    EXPECT_EQ(object.textureIndex, -1);
    EXPECT_EQ(object.colour, 0xFFFFFFFFu);
    EXPECT_EQ(object.transform.m[0][0], 1.0f);
    EXPECT_EQ(object.transform.m[3][0], 0.0f);
    SpriteEntity entity;
    EXPECT_EQ(entity.frameRect, nullptr);
    EXPECT_TRUE(entity.Update());
}

TEST_F(Sprites, PositionIsRoundedUpToWholePixels) {
    ASSERT_TRUE(object.LoadTexture("tiles.dds"));
    object.sourceRect.Set(24, 0, 24, 24);
    object.SetPosition(10.25f, 3.0f, 0.0f);
    object.Render();
    EXPECT_EQ(Pixel(11, 3), 0xFFFF0000u);
    EXPECT_EQ(Pixel(34, 26), 0xFFFF0000u);
    EXPECT_EQ(Pixel(10, 3), kGrey);
    EXPECT_EQ(Pixel(35, 3), kGrey);
    EXPECT_EQ(Pixel(11, 27), kGrey);
    EXPECT_EQ(CountNot(kGrey), 24 * 24);
}

TEST_F(Sprites, DrawOffsetIsAddedBeforeRounding) {
    ASSERT_TRUE(object.LoadTexture("tiles.dds"));
    object.sourceRect.Set(0, 0, 24, 24);
    object.SetPosition(-0.5f, 0.0f, 0.0f);
    object.drawOffset = D3DXVECTOR3{20.75f, 5.0f, 9.0f};
    object.Render();
    EXPECT_EQ(Pixel(21, 5), 0xFF0000FFu);   // the corner texel: ceil(20.25) = 21
}

TEST_F(Sprites, FailedLoadDrawsNothingUntilALoadSucceeds) {
    object.sourceRect.Set(0, 0, 24, 24);
    EXPECT_FALSE(object.LoadTexture("missing.dds"));
    object.Render();
    EXPECT_EQ(CountNot(kGrey), 0);
    EXPECT_TRUE(object.LoadTexture("tiles.dds"));
    object.Render();
    EXPECT_EQ(CountNot(kGrey), 24 * 24);
}

TEST_F(Sprites, ZeroSizedSourceRectangleDrawsNothing) {
    ASSERT_TRUE(object.LoadTexture("tiles.dds"));
    object.sourceRect.Set(0, 0, 0, 0);
    object.Render();
    EXPECT_EQ(CountNot(kGrey), 0);
}

TEST_F(Sprites, ColourStaysUntilChanged) {
    ASSERT_TRUE(object.LoadTexture("tiles.dds"));
    object.sourceRect.Set(24, 0, 24, 24);
    object.SetColour(0x80C8FFC8u);
    object.SetPosition(0, 0, 0);
    object.Render();
    object.SetPosition(100, 0, 0);
    object.Render();
    EXPECT_EQ(Pixel(5, 5), Pixel(105, 5));
    const uint32_t tinted = Pixel(5, 5);
    EXPECT_NE(tinted, 0xFFFF0000u);
    EXPECT_NE(tinted, kGrey);
    object.SetColour(0xFFFFFFFFu);
    object.SetPosition(200, 0, 0);
    object.Render();
    EXPECT_EQ(Pixel(205, 5), 0xFFFF0000u);
}

TEST_F(Sprites, NothingIsDrawnWithoutTheServices) {
    ASSERT_TRUE(object.LoadTexture("tiles.dds"));
    object.sourceRect.Set(0, 0, 24, 24);
    textures->Release();   // the index now names an empty slot
    object.Render();
    EXPECT_EQ(CountNot(kGrey), 0);
}

}  // namespace
