// qrd render: whole maps drawn by the editor's scene into PNG files, compared
// with the shipped tile sheet and object images.

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "ddsreader.h"
#include "mapfile_testing.h"
#include "qrdrun.h"

using namespace mapfile_testing;
using namespace qrdrun;

namespace {

constexpr int kCell = 24;
constexpr uint32_t kGrey = 0xFF505050u;
constexpr uint32_t kObjectTint = 0x80C8FFC8u;

std::string DataFile(const std::string& name) { return std::string(QUARROW_SOURCE_DIR) + "/Execute/data/" + name; }

quarrow::d3d::DecodedImage Decode(const std::string& fileName) {
    const std::string bytes = ReadBytes(fileName);
    quarrow::d3d::DecodedImage image;
    std::string error;
    EXPECT_TRUE(quarrow::d3d::DecodeDds(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &image, &error))
        << fileName << ": " << error;
    return image;
}

uint32_t At(const quarrow::d3d::DecodedImage& image, int x, int y) {
    return image.pixels[static_cast<size_t>(y) * image.width + x];
}

// Channel-wise src modulated by `colour`, composited over dst by its alpha.
uint32_t Composite(uint32_t dst, uint32_t src, uint32_t colour) {
    const double alpha = ((src >> 24) & 0xFF) / 255.0 * ((colour >> 24) & 0xFF) / 255.0;
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double s = ((src >> shift) & 0xFF) * (((colour >> shift) & 0xFF) / 255.0);
        out |= static_cast<uint32_t>(s * alpha + ((dst >> shift) & 0xFF) * (1.0 - alpha) + 0.5) << shift;
    }
    return out;
}

bool Near(uint32_t a, uint32_t b) {
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2) return false;
    }
    return true;
}

QImage ReadPng(const std::string& fileName) {
    return QImage(QString::fromStdString(fileName), "PNG").convertToFormat(QImage::Format_RGB32);
}

// The cell (column, row) of the picture against `expected` for each of its pixels.
testing::AssertionResult CellIs(const QImage& picture, int column, int row,
                                const std::function<uint32_t(int, int)>& expected) {
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            const uint32_t got = picture.pixel(column * kCell + x, row * kCell + y);
            const uint32_t want = expected(x, y);
            if (!Near(got, want)) {
                return testing::AssertionFailure() << "cell (" << column << ", " << row << ") pixel (" << x << ", " << y
                                                   << ") is " << std::hex << got << ", expected " << want;
            }
        }
    }
    return testing::AssertionSuccess();
}

// 4 × 3 cells of several kinds, a tree piece on (3, 2), markers off the map.
const std::string kSmallMap =
    "*START_POINT 9 9\n*END_POINT 9 9\n*UPPER_SHELL_COUNT 1\n*UPPER_SHELL 0\n*UPPER_SHELL_URL tree.dds\n"
    "*LOWER_SHELL_URL map.dds\n*MAX_SHELL_WIDTH_HEIGHT 4 3\n*LOWER_SHELL\n7 8 10 11\n2 13 14 15\n2 2 2 2\n"
    "*MATTER 0\n*MATTER_DATA_COUNT 1\n*MATTER_DATA\n3 2 55\n*REF 0\n*MATTER_END\n";

constexpr int kSmallTiles[3][4] = {{7, 8, 10, 11}, {2, 13, 14, 15}, {2, 2, 2, 2}};

class QrdRender : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.Path() / "maps");
        mapFile = Fixture(dir, "maps/small.qrd", Crlf(kSmallMap));
    }
    void PutImagesIn(const std::string& folder) {
        for (const char* name : {"map.dds", "tree.dds"}) {
            std::filesystem::copy_file(DataFile(name), dir.Path() / folder / name,
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    std::function<uint32_t(int, int)> SheetTile(int tile) const {
        return [this, tile](int x, int y) {
            return Composite(kGrey, At(sheet, tile % 20 * kCell + x, tile / 20 * kCell + y), 0xFFFFFFFFu);
        };
    }

    ScratchDir dir;
    std::string mapFile;
    const quarrow::d3d::DecodedImage sheet = Decode(DataFile("map.dds"));
    const quarrow::d3d::DecodedImage tree = Decode(DataFile("tree.dds"));
};

TEST_F(QrdRender, EveryCellShowsItsTileFromTheSheetBesideTheMap) {
    PutImagesIn("maps");
    const RunResult result = RunQrd(dir, "render " + mapFile + " " + Quote(dir.File("small.png")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const QImage picture = ReadPng(dir.File("small.png"));
    ASSERT_EQ(picture.width(), 4 * kCell);
    ASSERT_EQ(picture.height(), 3 * kCell);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            if (column == 3 && row == 2) continue;   // under the object
            EXPECT_TRUE(CellIs(picture, column, row, SheetTile(kSmallTiles[row][column])));
        }
    }
    // The object piece as the editor draws an unselected object: tinted.
    EXPECT_TRUE(CellIs(picture, 3, 2, [&](int x, int y) {
        return Composite(SheetTile(2)(x, y), At(tree, 5 * kCell + x, 5 * kCell + y), kObjectTint);
    }));
}

TEST_F(QrdRender, NoObjectsLeavesThemOut) {
    PutImagesIn("maps");
    for (const char* order : {"render --no-objects %m %o", "render %m %o --no-objects"}) {
        std::string arguments = order;
        arguments.replace(arguments.find("%m"), 2, mapFile);
        arguments.replace(arguments.find("%o"), 2, Quote(dir.File("bare.png")));
        const RunResult result = RunQrd(dir, arguments);
        ASSERT_EQ(result.exitCode, 0) << order << result.err;
        EXPECT_TRUE(CellIs(ReadPng(dir.File("bare.png")), 3, 2, SheetTile(2))) << order;
    }
}

TEST_F(QrdRender, ImagesAreFoundInTheWorkingFolderWhenNotBesideTheMap) {
    PutImagesIn(".");
    const RunResult result = RunQrd(dir, "render maps/small.qrd out.png", dir.Path().string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(CellIs(ReadPng(dir.File("out.png")), 0, 0, SheetTile(7)));
}

// What is missing is not drawn, and the warning names it; the rest still renders.
TEST_F(QrdRender, MissingImagesAreNamedAndLeftOut) {
    std::filesystem::copy_file(DataFile("map.dds"), dir.Path() / "maps" / "map.dds");
    RunResult result = RunQrd(dir, "render " + mapFile + " " + Quote(dir.File("no-tree.png")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("warning: image 'tree.dds'"), std::string::npos) << result.err;
    QImage picture = ReadPng(dir.File("no-tree.png"));
    EXPECT_TRUE(CellIs(picture, 3, 2, SheetTile(2)));
    EXPECT_TRUE(CellIs(picture, 0, 0, SheetTile(7)));

    // A damaged tile sheet: the map is all background.
    WriteBytes((dir.Path() / "maps" / "map.dds").string(), "DDS not really");
    result = RunQrd(dir, "render --no-objects " + mapFile + " " + Quote(dir.File("grey.png")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.err.find("warning: image 'map.dds' cannot be loaded"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("tree.dds"), std::string::npos) << "objects were left out";
    picture = ReadPng(dir.File("grey.png"));
    EXPECT_EQ(picture.pixel(0, 0), kGrey);
    EXPECT_EQ(picture.pixel(4 * kCell - 1, 3 * kCell - 1), kGrey);
}

TEST_F(QrdRender, FailuresExitWithTwoAndWriteNothing) {
    PutImagesIn("maps");
    struct Case { std::string arguments; const char* message; };
    const Case cases[] = {
        {"render " + Quote(dir.File("absent.qrd")) + " " + Quote(dir.File("out.png")), "cannot read map file"},
        {"render " + Quote(dir.Path().string()) + " " + Quote(dir.File("out.png")), "cannot read map file"},
        {"render " + Fixture(dir, "empty.qrd", "") + " " + Quote(dir.File("out.png")), "no cells to draw"},
        {"render " + mapFile + " " + Quote(dir.File("missing/out.png")), "cannot write image"},
        {"render " + mapFile, "usage: qrd"},
        {"render " + mapFile + " a.png b.png", "usage: qrd"},
        {"render " + mapFile + " a.png --objects", "usage: qrd"},
    };
    for (const Case& c : cases) {
        const RunResult result = RunQrd(dir, c.arguments);
        EXPECT_EQ(result.exitCode, 2) << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << "\n" << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.png")));
}

// The whole map, not only the view's 32 × 25 cells, up to the grids' full 101.
TEST_F(QrdRender, PictureCoversTheWholeMap) {
    PutImagesIn("maps");
    std::string text = "*LOWER_SHELL_URL map.dds\n*START_POINT 0 0\n*END_POINT 100 100\n*MAX_SHELL_WIDTH_HEIGHT 101 101\n*LOWER_SHELL\n";
    for (int row = 0; row < 101; ++row) {
        for (int column = 0; column < 101; ++column) text += column == 100 && row == 50 ? "8 " : "7 ";
        text += "\n";
    }
    const std::string big = Fixture(dir, "maps/big.qrd", text);
    const RunResult result = RunQrd(dir, "render " + big + " " + Quote(dir.File("big.png")));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QImage picture = ReadPng(dir.File("big.png"));
    ASSERT_EQ(picture.width(), 101 * kCell);
    ASSERT_EQ(picture.height(), 101 * kCell);
    EXPECT_TRUE(CellIs(picture, 100, 50, SheetTile(8)));
    // The markers, over the stone.
    for (const auto& [column, markerTile] : {std::pair{100, 4}, std::pair{0, 3}}) {
        const int tile = markerTile;   // a structured binding cannot be captured everywhere yet
        EXPECT_TRUE(CellIs(picture, column, column, [&](int x, int y) {
            return Composite(SheetTile(7)(x, y), At(sheet, tile % 20 * kCell + x, tile / 20 * kCell + y), 0xFFFFFFFFu);
        })) << "marker tile " << tile;
    }
}

// Each sample renders with every image it names, and the picture in docs/ is that render.
TEST(QrdRenderSamples, EverySampleRendersWithAllItsImagesAsDocsShowIt) {
    ScratchDir dir;
    for (const std::string name : {"sample", "showcase"}) {
        const RunResult result = RunQrd(dir, "render " + Quote(DataFile(name + ".qrd")) + " " + Quote(dir.File("out.png")));
        EXPECT_EQ(result.exitCode, 0) << name;
        EXPECT_EQ(result.err, "") << name;
        EXPECT_TRUE(ReadPng(dir.File("out.png")) == ReadPng(std::string(QUARROW_SOURCE_DIR) + "/docs/" + name + "-map.png"))
            << "docs/" << name << "-map.png is out of date: qrd render Execute/data/" << name << ".qrd docs/" << name
            << "-map.png";
    }
}

}  // namespace
