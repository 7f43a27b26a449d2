#include <QFontMetrics>
#include <QTextLayout>

#include <gtest/gtest.h>

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
