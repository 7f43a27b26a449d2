#include <QImage>

#include "graphicsfixture.h"

namespace {

using Device = GraphicsFixture;

TEST_F(Device, RegistersAndSizesTheBackBuffer) {
    EXPECT_EQ(GetGraphicsDevice(), graphics);
    ASSERT_NE(graphics->GetDevice(), nullptr);
    EXPECT_EQ(graphics->GetDevice()->BackBufferWidth(), 768);
    EXPECT_EQ(graphics->GetDevice()->BackBufferHeight(), 600);
    EXPECT_EQ(graphics->PresentParameters().PresentationInterval, D3DPRESENT_INTERVAL_IMMEDIATE);
    EXPECT_TRUE(graphics->PresentParameters().Windowed);
}

TEST_F(Device, BeginFrameClearsToGrey) {
    graphics->GetDevice()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000u, 1.0f, 0);
    graphics->BeginFrame();
    EXPECT_TRUE(graphics->GetDevice()->InScene());
    EXPECT_EQ(CountNot(kGrey), 0);
    graphics->EndFrame();
    EXPECT_FALSE(graphics->GetDevice()->InScene());
}

TEST_F(Device, StatusLineIsWhiteAtTheTopLeft) {
    graphics->BeginFrame();
    graphics->PrintStatusLine(12.34f, 59.76f);
    graphics->EndFrame();
    // Glyphs are antialiased: their strokes are near-white, not all pure white.
    int white = 0, changed = 0, lowestChanged = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 768; ++x) {
            const uint32_t p = Pixel(x, y);
            if (p == kGrey) continue;
            ++changed;
            lowestChanged = std::max(lowestChanged, y);
            EXPECT_LT(x, 200) << "text beyond its rectangle";
            const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            EXPECT_TRUE(r == g && g == b && r >= 80) << std::hex << p;   // shades between grey and white
            white += r >= 200;
        }
    }
    EXPECT_GT(white, 20);
    EXPECT_GT(changed, 100);
    EXPECT_LT(lowestChanged, 20);
}

TEST_F(Device, StatusLineTextIsFormattedWithOneDecimal) {
    // The same text drawn directly must give the same pixels.
    graphics->BeginFrame();
    graphics->PrintStatusLine(12.34f, 59.76f);
    std::vector<uint32_t> status(graphics->GetDevice()->BackBuffer(), graphics->GetDevice()->BackBuffer() + 768 * 600);
    graphics->BeginFrame();
    graphics->DrawString(0, 0, "Time:12.3    FPS:59.8", 0xFFFFFFFFu, -1, DT_SINGLELINE | DT_VCENTER);
    std::vector<uint32_t> direct(graphics->GetDevice()->BackBuffer(), graphics->GetDevice()->BackBuffer() + 768 * 600);
    EXPECT_TRUE(status == direct);
    graphics->BeginFrame();
    graphics->PrintStatusLine(2.0f, 0.0f);   // "%2.1f" pads to two characters only: "2.0"
    std::vector<uint32_t> zero(graphics->GetDevice()->BackBuffer(), graphics->GetDevice()->BackBuffer() + 768 * 600);
    graphics->BeginFrame();
    graphics->DrawString(0, 0, "Time:2.0    FPS:0.0", 0xFFFFFFFFu, -1, DT_SINGLELINE | DT_VCENTER);
    std::vector<uint32_t> zeroDirect(graphics->GetDevice()->BackBuffer(), graphics->GetDevice()->BackBuffer() + 768 * 600);
    EXPECT_TRUE(zero == zeroDirect);
}

TEST_F(Device, PrintTextKeepsTheFirst511Bytes) {
    const std::string longText(600, 'W');
    graphics->BeginFrame();
    graphics->PrintText(0, 100, 0xFFFFFFFFu, "%s", longText.c_str());
    std::vector<uint32_t> printed(graphics->GetDevice()->BackBuffer(), graphics->GetDevice()->BackBuffer() + 768 * 600);
    graphics->BeginFrame();
    graphics->DrawString(0, 100, longText.c_str(), 0xFFFFFFFFu, 511, DT_SINGLELINE | DT_VCENTER);
    std::vector<uint32_t> direct(graphics->GetDevice()->BackBuffer(), graphics->GetDevice()->BackBuffer() + 768 * 600);
    EXPECT_TRUE(printed == direct);
}

TEST_F(Device, DrawStringWithALengthDrawsOnlyThatMuch) {
    graphics->BeginFrame();
    graphics->DrawString(0, 100, "AB", 0xFFFFFFFFu, 1, DT_SINGLELINE | DT_VCENTER);
    const int partial = CountNot(kGrey);
    graphics->BeginFrame();
    graphics->DrawString(0, 100, "A", 0xFFFFFFFFu, -1, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(CountNot(kGrey), partial);
    EXPECT_GT(partial, 0);
}

TEST_F(Device, ReleaseClearsTheObjectsAndMayRepeat) {
    graphics->Release();
    EXPECT_EQ(graphics->GetDevice(), nullptr);
    graphics->Release();
    graphics->BeginFrame();   // no device: nothing happens
    graphics->PrintText(0, 0, 0xFFFFFFFFu, "x");
}

TEST(DeviceWithoutSize, InitFailsForANullWindowWithoutASize) {
    GraphicsDevice device;
    EXPECT_FALSE(device.Init(nullptr));
    device.BeginFrame();
    device.PrintStatusLine(1.0f, 2.0f);
    device.EndFrame();
    device.Release();
}

}  // namespace
