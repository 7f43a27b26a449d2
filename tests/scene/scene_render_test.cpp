// The editor scene's drawing, read back from the running editor's back buffer:
// a known tile sheet and object images, small maps read from files, and the
// frame's drawing steps (scene, then pointer overlay) run by hand so the
// mouse position and the clock are the test's.

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "apptestharness.h"
#include "ddswriter.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "pointeroverlay.h"

namespace {

constexpr uint32_t kGrey = GraphicsDevice::kClearColour;
constexpr int kCell = 24;
constexpr int kGateTile = 12;
constexpr int kHoleFrom = 8;   // the gate tile is transparent in [8, 16) × [8, 16)
constexpr int kHoleTo = 16;

// Every tile of the test sheet differs in red; green and blue give the
// position inside the tile, so a shifted tile never matches.
uint32_t SheetPixel(int tile, int x, int y) {
    if (tile == kGateTile) {
        const bool hole = x >= kHoleFrom && x < kHoleTo && y >= kHoleFrom && y < kHoleTo;
        return hole ? 0x00000000u : 0xFFFFFFFFu;
    }
    const uint32_t red = static_cast<uint32_t>(tile * 41 + 13) & 0xFFu;
    return 0xFF000000u | red << 16 | static_cast<uint32_t>(x * 10) << 8 | static_cast<uint32_t>(y * 10);
}

// Object pieces: one image bluish, the other greenish, each piece its own shade.
uint32_t ObjectPixel(bool second, int piece) {
    const uint32_t shade = static_cast<uint32_t>(piece * 2);
    return second ? 0xFFC00040u | shade << 8 : 0xFF0040C0u | shade << 16;
}

constexpr uint32_t kCursorYellow = 0xFFFFE000u;

void WriteImages() {
    std::vector<uint32_t> sheet(480 * 240);
    for (int tile = 0; tile < 200; ++tile)
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
                sheet[static_cast<size_t>((tile / 20 * kCell + y) * 480 + tile % 20 * kCell + x)] = SheetPixel(tile, x, y);
    ASSERT_TRUE(ddswriter::SaveFile("map.dds", ddswriter::WriteArgb(480, 240, sheet)));
    for (bool second : {false, true}) {
        std::vector<uint32_t> image(240 * 240);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 240; ++x) image[static_cast<size_t>(y * 240 + x)] = ObjectPixel(second, y / kCell * 10 + x / kCell);
        ASSERT_TRUE(ddswriter::SaveFile(second ? "b.dds" : "a.dds", ddswriter::WriteArgb(240, 240, image)));
    }
    std::vector<uint32_t> cursor(kCell * kCell, 0);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            if (x < 2 || y < 2 || x >= kCell - 2 || y >= kCell - 2) cursor[static_cast<size_t>(y * kCell + x)] = kCursorYellow;
    ASSERT_TRUE(ddswriter::SaveFile("cur.dds", ddswriter::WriteArgb(kCell, kCell, cursor)));
}

// A map file: every cell tile 2 unless `tileAt` says otherwise, markers far
// from the cells the tests look at unless `extra` moves them.
std::string MapFile(int width, int height, const std::function<int(int, int)>& tileAt, const std::string& extra = "") {
    std::string text = "*START_POINT 0 24\n*END_POINT 1 24\n*LOWER_SHELL_URL map.dds\n";
    text += "*MAX_SHELL_WIDTH_HEIGHT " + std::to_string(width) + " " + std::to_string(height) + "\n*LOWER_SHELL\n";
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) text += std::to_string(tileAt ? tileAt(x, y) : 2) + " ";
        text += "\n";
    }
    return text + extra;
}

// Channel-wise src modulated by `colour`, composited over dst by its alpha.
uint32_t Composite(uint32_t dst, uint32_t src, uint32_t colour) {
    const double alpha = ((src >> 24) & 0xFF) / 255.0 * ((colour >> 24) & 0xFF) / 255.0;
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double s = ((src >> shift) & 0xFF) * (((colour >> shift) & 0xFF) / 255.0);
        const double d = (dst >> shift) & 0xFF;
        out |= static_cast<uint32_t>(s * alpha + d * (1.0 - alpha) + 0.5) << shift;
    }
    return out;
}

// Same colour give or take the blitter's rounding.
bool Near(uint32_t a, uint32_t b) {
    for (int shift = 0; shift <= 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2) return false;
    }
    return true;
}

class SceneRendering : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        WriteImages();
        harness.Start();
        scene = GetEditorScene();
        overlay = GetPointerOverlay();
        ASSERT_NE(scene, nullptr);
        ASSERT_NE(overlay, nullptr);
    }
    void TearDown() override { QDir::setCurrent(previousFolder); }

    void Open(const std::string& text) {
        std::ofstream("test.qrd", std::ios::binary) << text;
        ASSERT_TRUE(scene->ReadMapFile("test.qrd"));
    }

    // The frame's drawing without the status line.
    void Draw(bool withOverlay = false) {
        GraphicsDevice* graphics = GetGraphicsDevice();
        graphics->BeginFrame();
        scene->Render();
        if (withOverlay) overlay->Render();
        graphics->GetDevice()->EndScene();
    }

    uint32_t Pixel(int x, int y) const { return GetGraphicsDevice()->GetDevice()->BackBufferPixel(x, y); }

    // Every pixel of the 24 × 24 block at (left, top) as `expected` says; names the first that is not.
    testing::AssertionResult Block(int left, int top, const std::function<uint32_t(int, int)>& expected,
                                   bool exact = true) const {
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const uint32_t want = expected(x, y);
                const uint32_t got = Pixel(left + x, top + y);
                if (exact ? got != want : !Near(got, want)) {
                    return testing::AssertionFailure() << "pixel (" << left + x << ", " << top + y << ") is " << std::hex
                                                       << got << ", expected " << want;
                }
            }
        }
        return testing::AssertionSuccess();
    }
    testing::AssertionResult Tile(int tile, int left, int top) const {
        return Block(left, top, [tile](int x, int y) { return SheetPixel(tile, x, y); });
    }

    // Pixels of the information lines' red in rows [top, bottom).
    int RedPixels(int top, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < 768; ++x) {
                const uint32_t p = Pixel(x, y);
                count += ((p >> 16) & 0xFF) > 160 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90;
            }
        return count;
    }

    AppHarness harness;
    QTemporaryDir folder;
    QString previousFolder;
    EditorScene* scene = nullptr;
    PointerOverlay* overlay = nullptr;
};

TEST_F(SceneRendering, CellTileSitsAtItsCellWithAndWithoutScrolling) {
    Open(MapFile(40, 30, [](int x, int y) { return x == 20 && y == 14 ? 7 : 2; }));
    struct Case { float x, y; };
    const Case offsets[] = {{0, 0}, {-48, -24}, {-1, 0}, {-240, -144}};
    for (const Case& offset : offsets) {
        SCOPED_TRACE(testing::Message() << "view offset " << offset.x << ", " << offset.y);
        scene->SetViewOffset(offset.x, offset.y);
        Draw();
        const int left = 20 * kCell + static_cast<int>(offset.x);
        const int top = 14 * kCell + static_cast<int>(offset.y);
        EXPECT_TRUE(Tile(7, left, top));
        EXPECT_TRUE(Tile(2, left - kCell, top));
        EXPECT_TRUE(Tile(2, left, top + kCell));
    }
}

TEST_F(SceneRendering, GatesShowTheirGroundUnderTheTintedGateTile) {
    // (2, 6) and (5, 8) are a pair; (8, 6) is a gate tile without a gate record.
    Open(MapFile(12, 12, [](int x, int y) { return (x == 2 && y == 6) || (x == 5 && y == 8) || (x == 8 && y == 6) ? 12 : 7; },
                 "*GATE_COUNT 2\n2 6 5 8\n5 8 2 6\n"));
    const uint32_t tint = scene->Document().gates[6][2].colour;
    ASSERT_EQ(tint, scene->Document().gates[8][5].colour);
    ToolState& tools = scene->Tools();
    tools.pendingGate = Gate{true, 4, 10, -1, -1, kGateTile, 0xFF2080E0u};
    Draw();

    auto gate = [](uint32_t colour) {
        return [colour](int x, int y) {
            const bool hole = x >= kHoleFrom && x < kHoleTo && y >= kHoleFrom && y < kHoleTo;
            return hole ? SheetPixel(2, x, y) : colour;
        };
    };
    EXPECT_TRUE(Block(2 * kCell, 6 * kCell, gate(tint)));
    EXPECT_TRUE(Block(5 * kCell, 8 * kCell, gate(tint)));
    EXPECT_TRUE(Tile(2, 8 * kCell, 6 * kCell)) << "a gate tile without its record shows only its ground";
    // The waiting first end of a new pair, over the cell's own tile.
    EXPECT_TRUE(Block(4 * kCell, 10 * kCell, [](int x, int y) {
        const bool hole = x >= kHoleFrom && x < kHoleTo && y >= kHoleFrom && y < kHoleTo;
        return hole ? SheetPixel(7, x, y) : 0xFF2080E0u;
    }));
}

TEST_F(SceneRendering, WormHoleStepsOneFramePerUpdateAfterMoreThanAFifthOfASecond) {
    Open(MapFile(10, 10, [](int x, int y) { return x == 3 && y == 6 ? 9 : 2; }));
    App& app = harness.app();
    uint32_t now = 5000;
    app.Start(now);
    struct Step { uint32_t ms; int frame; };
    // 0.1 s: not yet; 0.25 s: first step; 0.1 s more is not enough; a long
    // frame gives one step only; the fifth step wraps to the first tile.
    const Step steps[] = {{100, 0}, {150, 1}, {100, 1}, {150, 2}, {1000, 3}, {210, 4}, {210, 0}, {190, 0}, {20, 1}};
    for (const Step& step : steps) {
        now += step.ms;
        app.Tick(now);
        scene->Update();
        Draw();
        SCOPED_TRACE(testing::Message() << "after " << now - 5000 << " ms");
        EXPECT_EQ(scene->WormFrame(), step.frame);
        EXPECT_TRUE(Tile(9 + 20 * step.frame, 3 * kCell, 6 * kCell));
    }
}

TEST_F(SceneRendering, ObjectsAreTintedAndTheSelectedOneIsDrawnLastAndOpaque) {
    // Slot 3 (a.dds) on (4, 4) and (5, 4); slot 7 (b.dds) on (4, 4) and (6, 4).
    Open(MapFile(20, 20, nullptr,
                 "*UPPER_SHELL_COUNT 2\n*UPPER_SHELL 0\n*UPPER_SHELL_URL a.dds\n*UPPER_SHELL 1\n*UPPER_SHELL_URL b.dds\n"
                 "*MATTER 3\n*MATTER_DATA_COUNT 2\n*MATTER_DATA\n4 4 0\n5 4 1\n*REF 0\n*MATTER_END\n"
                 "*MATTER 7\n*MATTER_DATA_COUNT 2\n*MATTER_DATA\n4 4 10\n6 4 11\n*REF 1\n*MATTER_END\n"));
    constexpr uint32_t kTint = 0x80C8FFC8u;
    const auto over = [](uint32_t colour, std::function<uint32_t(int, int)> under, uint32_t texel) {
        return [=](int x, int y) { return Composite(under(x, y), texel, colour); };
    };
    const auto ground = [](int x, int y) { return SheetPixel(2, x, y); };

    scene->Tools().selectedMatter = -1;
    Draw();
    // Slot 7 first, slot 3 over it, both tinted.
    EXPECT_TRUE(Block(4 * kCell, 4 * kCell, over(kTint, over(kTint, ground, ObjectPixel(true, 10)), ObjectPixel(false, 0)), false));
    EXPECT_TRUE(Block(5 * kCell, 4 * kCell, over(kTint, ground, ObjectPixel(false, 1)), false));
    EXPECT_TRUE(Block(6 * kCell, 4 * kCell, over(kTint, ground, ObjectPixel(true, 11)), false));

    scene->Tools().selectedMatter = 7;
    Draw();
    EXPECT_TRUE(Block(4 * kCell, 4 * kCell, [](int, int) { return ObjectPixel(true, 10); }));
    EXPECT_TRUE(Block(6 * kCell, 4 * kCell, [](int, int) { return ObjectPixel(true, 11); }));
    EXPECT_TRUE(Block(5 * kCell, 4 * kCell, over(kTint, ground, ObjectPixel(false, 1)), false));

    // A slot that is not in use is not drawn, whatever its points say.
    scene->Document().matters[7].used = false;
    Draw();
    EXPECT_TRUE(Tile(2, 6 * kCell, 4 * kCell));
}

TEST_F(SceneRendering, MarkersLieOverEverythingAndEndOverStart) {
    struct Case { int startX, startY, endX, endY; };
    const Case cases[] = {
        {2, 6, 5, 8},
        {3, 7, 3, 7},    // the same cell: the end marker is on top
        {1, 9, 22, 6},   // outside the 20-column map, still drawn
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.startX << "," << c.startY << " end " << c.endX << "," << c.endY);
        Open(MapFile(20, 20, [](int, int) { return 8; },
                     "*START_POINT " + std::to_string(c.startX) + " " + std::to_string(c.startY) + "\n*END_POINT " +
                         std::to_string(c.endX) + " " + std::to_string(c.endY) + "\n"));
        Draw();
        if (c.startX != c.endX || c.startY != c.endY) {
            EXPECT_TRUE(Tile(3, c.startX * kCell, c.startY * kCell));
        }
        EXPECT_TRUE(Tile(4, c.endX * kCell, c.endY * kCell));
    }
}

TEST_F(SceneRendering, TwoRedInformationLinesOnlyWhileAMapIsOpen) {
    Open(MapFile(30, 20, nullptr));
    overlay->mousePoint = POINT{0, 0};
    Draw();
    const std::vector<uint32_t> first(GetGraphicsDevice()->GetDevice()->BackBuffer(),
                                      GetGraphicsDevice()->GetDevice()->BackBuffer() + 768 * 80);
    EXPECT_GT(RedPixels(40, 60), 40);
    EXPECT_GT(RedPixels(60, 80), 40);
    EXPECT_EQ(RedPixels(80, 560), 0);   // down to the markers

    // The second line follows the mouse; the first does not.
    overlay->mousePoint = POINT{500, 300};
    Draw();
    const uint32_t* now = GetGraphicsDevice()->GetDevice()->BackBuffer();
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 768 * 60, now));
    EXPECT_FALSE(std::equal(first.begin() + 768 * 60, first.end(), now + 768 * 60));

    scene->Document().isOpen = false;
    Draw();
    EXPECT_EQ(RedPixels(0, 600), 0);
    EXPECT_EQ(Pixel(100, 100), kGrey);
}

TEST_F(SceneRendering, PointerOverlayPreviewsTheBrushAtHalfOpacityOnTheHoveredCell) {
    Open(MapFile(30, 20, nullptr));
    ToolState& tools = scene->Tools();
    tools.lowerPaletteActive = true;
    tools.lowerKind = kKindStone;
    overlay->mousePoint = POINT{30, 150};   // view cell (1, 6), clear of the text lines

    struct Case { int32_t mode; bool preview; };
    const Case cases[] = {{kModeOneCell, true}, {kModeFill, true}, {kModePoint, false}, {kModePlaceObject, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "draw mode " << c.mode);
        tools.drawMode = c.mode;
        Draw(true);
        if (!c.preview) {
            EXPECT_TRUE(Tile(2, 24, 144));
            continue;
        }
        EXPECT_TRUE(Block(24, 144, [](int x, int y) {
            const bool frame = x < 2 || y < 2 || x >= kCell - 2 || y >= kCell - 2;
            return frame ? kCursorYellow : Composite(SheetPixel(2, x, y), SheetPixel(7, x, y), 0x80FFFFFFu);
        }, false));
        EXPECT_TRUE(Tile(2, 48, 144)) << "only the hovered cell";
    }

    // An armed object image: the whole image at half opacity, centred on the
    // hovered cell's top-left corner.
    tools.lowerPaletteActive = false;
    tools.upperPaletteActive = true;
    tools.drawMode = kModePlaceObject;
    tools.objectArmed = true;
    CopyName(tools.pendingObjectImage, "a.dds");
    overlay->mousePoint = POINT{130, 130};   // corner (120, 120): the image covers (0, 0) to (240, 240)
    Draw(true);
    for (int piece : {55, 99}) {
        const int left = piece % 10 * kCell;
        const int top = piece / 10 * kCell;
        EXPECT_TRUE(Block(left, top, [&](int x, int y) {
            return Composite(SheetPixel(2, (left + x) % kCell, (top + y) % kCell), ObjectPixel(false, piece), 0x80FFFFFFu);
        }, false)) << "piece " << piece;
    }
    EXPECT_TRUE(Tile(2, 240, 240));
}

// Tile, piece and marker numbers in a file are not checked by the reader:
// those no texture could hold, and cells at the ends of the integer range,
// draw nothing and disturb nothing.
TEST_F(SceneRendering, OutlandishNumbersFromAFileDrawNothing) {
    // Row 5 carries the edge records, row 6 the object's pieces.
    const std::string none = "0 -1 -1 -1 -1  ";
    std::string sizzle = "*SIZZLE_SHELL\n";
    for (int row = 0; row < 8; ++row) {
        sizzle += row != 5 ? none + none + none + none
                           : "2147483647 -2147483648 2147483647 -2147483648 2147483647  6820 6820 6820 6820 6820  "
                             "-20 -21 -1 -5 -400  " + none;
        sizzle += "\n";
    }
    Open(MapFile(4, 8, nullptr,
                 "*START_POINT 2147483647 -2147483648\n*END_POINT -2147483648 2147483647\n" + sizzle +
                     "*UPPER_SHELL_COUNT 1\n*UPPER_SHELL_URL a.dds\n"
                     "*MATTER 0\n*MATTER_DATA_COUNT 4\n*MATTER_DATA\n0 6 -2147483648\n1 6 2147483647\n2 6 -1\n"
                     "3 6 340000\n*REF 0\n*MATTER_END\n"));
    ASSERT_TRUE(scene->Document().sizzleShells[5][0].present);
    ASSERT_EQ(scene->Document().matters[0].count, 4);
    Draw();
    for (int row : {5, 6}) {
        for (int column = 0; column < 4; ++column) EXPECT_TRUE(Tile(2, column * kCell, row * kCell));
    }
}

// A file may carry 101 columns and rows, the grids' full size: the view
// scrolled past its last cell draws nothing beyond the grids. Column 0 is
// stone so that a read past a row's end (into the next row) would show.
TEST_F(SceneRendering, RenderStopsAtTheGridsEdge) {
    Open(MapFile(101, 101, [](int x, int) { return x == 0 ? 7 : 2; }, "*START_POINT 50 50\n*END_POINT 51 50\n"));
    ASSERT_EQ(scene->GetWidth(), 101);
    ASSERT_EQ(scene->GetHeight(), 101);
    scene->SetViewOffset(-24.0f * 70, -24.0f * 77);   // columns 70 to 101, rows 77 to 101 in view
    Draw();
    EXPECT_TRUE(Tile(2, 30 * kCell, 23 * kCell)) << "cell (100, 100)";
    for (int y = 0; y < 600; y += 7) {
        EXPECT_EQ(Pixel(31 * kCell + 5, y), kGrey) << "column 101, y " << y;
    }
    for (int x = 0; x < 744; x += 7) {
        EXPECT_EQ(Pixel(x, 24 * kCell + 5), kGrey) << "row 101, x " << x;
    }
}

}  // namespace
