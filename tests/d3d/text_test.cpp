#include <QFontMetrics>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "d3dx.h"
#include "fontface.h"
#include "gdimeasure.h"

namespace {

constexpr uint32_t kGrey = 0xFF505050u;

class TextDrawing : public testing::Test {
protected:
    void SetUp() override {
        direct3d = Direct3DCreate9(D3D_SDK_VERSION);
        D3DPRESENT_PARAMETERS parameters{};
        parameters.Windowed = TRUE;
        parameters.BackBufferWidth = 200;
        parameters.BackBufferHeight = 40;
        ASSERT_EQ(direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0, &parameters, &device), D3D_OK);
        ASSERT_EQ(D3DXCreateFontA(device, 12, 0, FW_DONTCARE, 0, FALSE, HANGUL_CHARSET, OUT_TT_ONLY_PRECIS,
                                  DEFAULT_QUALITY, 0, "HYporM", &font),
                  D3D_OK);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
    }
    void TearDown() override {
        if (font) font->Release();
        if (device) device->Release();
        if (direct3d) direct3d->Release();
    }
    // Pixels that differ from the grey, inside and outside the rectangle.
    std::pair<int, int> Changed(const RECT& rect) const {
        int inside = 0, outside = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (device->BackBufferPixel(x, y) == kGrey) continue;
                const bool in = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                (in ? inside : outside)++;
            }
        }
        return {inside, outside};
    }

    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    ID3DXFont* font = nullptr;
};

TEST_F(TextDrawing, KoreanTextHasRealGlyphs) {
    const QString text = QString::fromUtf8("빈 공간 한지 돌덩이 진흙덩이 웜 홀");
    QTextLayout layout(text, font->Face().Font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes()) {
            EXPECT_NE(index, 0u) << "a missing glyph";
            ++glyphs;
        }
    }
    EXPECT_GE(glyphs, text.size() - 5);   // blanks may have no glyph of their own

    RECT rect{0, 0, 200, 40};
    EXPECT_GT(font->DrawTextA(nullptr, "한지 돌덩이", -1, &rect, DT_SINGLELINE | DT_VCENTER, 0xFFFFFFFFu), 0);
    EXPECT_GT(Changed(rect).first, 40);
}

TEST_F(TextDrawing, TextIsClippedToItsRectangle) {
    RECT rect{10, 10, 40, 20};
    font->DrawTextA(nullptr, "Width : 100,  Height :100  ", -1, &rect, DT_SINGLELINE | DT_VCENTER, 0xFFFF0000u);
    const auto [inside, outside] = Changed(rect);
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
}

TEST_F(TextDrawing, CountLimitsTheTextDrawn) {
    RECT rect{0, 0, 200, 40};
    font->DrawTextA(nullptr, "AB", 1, &rect, DT_SINGLELINE, 0xFFFFFFFFu);
    const int oneLetter = Changed(rect).first;
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kGrey, 1.0f, 0);
    font->DrawTextA(nullptr, "A", -1, &rect, DT_SINGLELINE, 0xFFFFFFFFu);
    EXPECT_EQ(Changed(rect).first, oneLetter);
    EXPECT_GT(oneLetter, 0);
}

// Lines drawn again are pasted from what they left before when nothing under
// them changed; every step must look exactly as a fresh font draws it.
TEST_F(TextDrawing, RepeatedLinesLookExactlyAsDrawnAfresh) {
    struct Step {
        const char* what;
        uint32_t background;
        int changedPixelX;   // one pixel under the line set apart, or -1
        const char* text;
        uint32_t colour;
        int left;
    };
    const Step steps[] = {
        {"first drawing", kGrey, -1, "Time:1.0    FPS:0.0", 0xFFFFFFFFu, 0},
        {"the same again", kGrey, -1, "Time:1.0    FPS:0.0", 0xFFFFFFFFu, 0},
        {"another background", 0xFF803020u, -1, "Time:1.0    FPS:0.0", 0xFFFFFFFFu, 0},
        {"one pixel under it changed", kGrey, 30, "Time:1.0    FPS:0.0", 0xFFFFFFFFu, 0},
        {"other text of the same length", kGrey, -1, "Time:1.1    FPS:0.0", 0xFFFFFFFFu, 0},
        {"another colour", kGrey, -1, "Time:1.1    FPS:0.0", 0xFFFF0000u, 0},
        {"moved by a pixel", kGrey, -1, "Time:1.1    FPS:0.0", 0xFFFF0000u, 1},
        {"a shorter text", kGrey, -1, "Time:1.1", 0xFFFF0000u, 1},
        {"the first line once more", kGrey, -1, "Time:1.0    FPS:0.0", 0xFFFFFFFFu, 0},
    };
    auto draw = [&](ID3DXFont* with, const Step& step) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET, step.background, 1.0f, 0);
        if (step.changedPixelX >= 0) device->BackBuffer()[8 * 200 + step.changedPixelX] = 0xFF00FF00u;
        RECT rect{step.left, 0, step.left + 150, 16};
        const int height = with->DrawTextA(nullptr, step.text, -1, &rect, DT_SINGLELINE | DT_VCENTER, step.colour);
        return std::make_pair(height, std::vector<uint32_t>(device->BackBuffer(), device->BackBuffer() + 200 * 40));
    };
    for (int round = 0; round < 2; ++round) {
        for (const Step& step : steps) {
            const auto cached = draw(font, step);
            ID3DXFont* fresh = nullptr;
            ASSERT_EQ(D3DXCreateFontA(device, 12, 0, FW_DONTCARE, 0, FALSE, HANGUL_CHARSET, OUT_TT_ONLY_PRECIS,
                                      DEFAULT_QUALITY, 0, "HYporM", &fresh),
                      D3D_OK);
            const auto expected = draw(fresh, step);
            fresh->Release();
            EXPECT_EQ(cached.first, expected.first) << step.what;
            EXPECT_TRUE(cached.second == expected.second) << step.what << ", round " << round;
        }
        // Enough other lines that the first ones are no longer remembered.
        for (int i = 0; i < 12; ++i) {
            const std::string other = "Mouse : " + std::to_string(i);
            draw(font, Step{"filler", kGrey, -1, other.c_str(), 0xFFFFFFFFu, 0});
        }
    }
}

TEST_F(TextDrawing, RepeatedMeasuresMatchAFreshContext) {
    HDC context = CreateCompatibleDC(nullptr);
    const char* texts[] = {"Time:1", "Time:12", "Time:1", "한지", "a", "ab", "abc", "abcd",
                           "abcde", "abcdef", "abcdefg", "abcdefgh", "Time:12", "Time:1"};
    for (const char* text : texts) {
        HDC fresh = CreateCompatibleDC(nullptr);
        SIZE size{}, expected{};
        ASSERT_TRUE(GetTextExtentPoint32A(context, text, static_cast<int>(strlen(text)), &size));
        ASSERT_TRUE(GetTextExtentPoint32A(fresh, text, static_cast<int>(strlen(text)), &expected));
        EXPECT_EQ(size.cx, expected.cx) << text;
        EXPECT_EQ(size.cy, expected.cy) << text;
        DeleteDC(fresh);
    }
    DeleteDC(context);
}

TEST_F(TextDrawing, MeasuringContextIsTallerAndWiderThanTheTextFont) {
    HDC context = CreateCompatibleDC(nullptr);
    ASSERT_NE(context, nullptr);
    const QFontMetrics drawn(font->Face().Font());
    for (const char* text : {"Time:12.3    FPS:59.8", "Shell X : 31,  Shell Y :24  ", "한지 돌덩이", "iiii", "WWWW"}) {
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32A(context, text, static_cast<int>(strlen(text)), &size));
        EXPECT_GE(size.cy, 16) << text;
        EXPECT_LE(size.cy, 20) << text;
        EXPECT_GT(size.cx, drawn.horizontalAdvance(QString::fromUtf8(text))) << text;
    }
    EXPECT_TRUE(DeleteDC(context));
    EXPECT_FALSE(DeleteDC(context));
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32A(context, "x", 1, &size));
}

}  // namespace
