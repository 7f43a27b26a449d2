// Hostile input costs one pass and bounded memory: huge map files, a huge
// line, DDS headers claiming huge images, thousands of distinct image names.
// The costs are counted (bytes read, peak memory growth), never timed.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "apptestharness.h"
#include "ddswriter.h"
#include "dialogids.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "mapfile.h"
#include "processcost.h"
#include "texturemanager.h"
#include "toolstate.h"
#include "upperobjects.h"

namespace {

constexpr uint64_t kMiB = 1024 * 1024;
// Room for the reader's buffers and the sanitizers' bookkeeping; far below
// what holding any of these files in memory would cost.
constexpr uint64_t kMemoryBoundKiB = 16 * 1024;

// Writes head, then `fillBytes` bytes of `fill` repeated, then tail, without
// ever holding the whole file in memory.
void WriteLargeFile(const std::string& path, const std::string& head, const std::string& fill, uint64_t fillBytes,
                    const std::string& tail) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(head.data(), 1, head.size(), file);
    std::string block;
    while (block.size() < kMiB) block += fill;
    block.resize(kMiB - kMiB % fill.size());
    for (uint64_t written = 0; written < fillBytes;) {
        const uint64_t part = std::min<uint64_t>(block.size(), fillBytes - written);
        std::fwrite(block.data(), 1, part, file);
        written += part;
    }
    std::fwrite(tail.data(), 1, tail.size(), file);
    ASSERT_EQ(std::fclose(file), 0);
}

uint64_t FileSize(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    return static_cast<uint64_t>(size);
}

struct HugeMapCase {
    const char* name;
    std::string head;
    std::string fill;
    uint64_t fillBytes;
    void (*check)(const MapDocument&);
};

void StartPointReadAfterwards(const MapDocument& doc) {
    EXPECT_EQ(doc.startPoint.x, 3);
    EXPECT_EQ(doc.startPoint.y, 4);
}

TEST(BoundedCost, HugeMapFilesAreReadInOnePassWithinBoundedMemory) {
    const std::string tail = "\r\n*START_POINT 3 4\r\n";
    const HugeMapCase cases[] = {
        {"100 MB of digits", "", "7", 100 * kMiB, StartPointReadAfterwards},
        {"100 MB of numbers under a grid size of 2147483647 x 2147483647",
         "*MAX_SHELL_WIDTH_HEIGHT 2147483647 2147483647\r\n*LOWER_SHELL\r\n", "12 ", 100 * kMiB,
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.width, kGridSize);
             // Every number lies in the first of the stated rows.
             EXPECT_EQ(doc.lowerShells[0][100].tile, 12);
             EXPECT_EQ(doc.lowerShells[1][0].tile, 0);
             StartPointReadAfterwards(doc);
         }},
        {"one number of 100 MB digits in a grid", "*MAX_SHELL_WIDTH_HEIGHT 2 1\r\n*LOWER_SHELL\r\n", "9", 100 * kMiB,
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.lowerShells[0][0].tile, 2147483647);
             StartPointReadAfterwards(doc);
         }},
        {"a line of 10 MB", "*LOWER_SHELL_URL ", "a", 10 * kMiB,
         [](const MapDocument& doc) {
             EXPECT_EQ(std::string(doc.lowerShellImage), std::string(255 - 17, 'a'));
             StartPointReadAfterwards(doc);
         }},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto doc = std::make_unique<MapDocument>();
    for (const HugeMapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.filePath("huge.qrd").toStdString();
        WriteLargeFile(path, c.head, c.fill, c.fillBytes, tail);
        const uint64_t size = FileSize(path);

        const CostMeter meter;
        ASSERT_TRUE(ReadMapFile(*doc, path.c_str()));
        EXPECT_LE(meter.BytesRead(), size + kMiB);
        EXPECT_LT(meter.PeakGrowthKiB(), kMemoryBoundKiB);
        c.check(*doc);
        std::remove(path.c_str());
    }
}

// A graphics device without a window and a texture cache, working in a
// temporary folder.
class TextureCost : public testing::Test {
protected:
    void SetUp() override {
        EnsureWindowSystem();
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        graphics = std::make_unique<GraphicsDevice>();
        ASSERT_TRUE(graphics->Init(nullptr, 768, 600));
        textures = std::make_unique<TextureManager>();
    }
    void TearDown() override {
        textures->Release();
        graphics->Release();
        QDir::setCurrent(previous);
    }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<GraphicsDevice> graphics;
    std::unique_ptr<TextureManager> textures;
};

struct ClaimCase {
    const char* name;
    uint32_t side;
    ddswriter::PixelFormat format;
    uint64_t dataBytes;
};

TEST_F(TextureCost, HeadersClaimingHugeImagesFailAfterReadingTheHeaderOnly) {
    const ddswriter::PixelFormat argb = ddswriter::Rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    const ClaimCase cases[] = {
        {"65535 x 65535 ARGB, header only", 65535, argb, 0},
        {"65535 x 65535 ARGB with 64 MB of pixels", 65535, argb, 64 * kMiB},
        {"65535 x 65535 DXT5 with 64 MB of blocks", 65535, ddswriter::Compressed("DXT5"), 64 * kMiB},
        {"8192 x 8192 ARGB (the largest side) with 4 MB of its 256 MB", 8192, argb, 4 * kMiB},
    };
    for (const ClaimCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> header = ddswriter::Write(c.side, c.side, c.format, {});
        WriteLargeFile("claim.dds", std::string(header.begin(), header.end()), std::string(1, '\x5a'), c.dataBytes,
                       "");
        const uint64_t allowedRead = c.side > 8192 ? 64 * 1024 : c.dataBytes + kMiB;

        const CostMeter meter;
        EXPECT_EQ(textures->Load("claim.dds"), -1);
        EXPECT_LE(meter.BytesRead(), allowedRead);
        EXPECT_LT(meter.PeakGrowthKiB(), c.dataBytes / 1024 + kMemoryBoundKiB);
        EXPECT_EQ(textures->Count(), 0);
    }
}

TEST_F(TextureCost, TenThousandDistinctNamesFillFiftySlotsAndTouchNoFileAfterwards) {
    const std::vector<uint8_t> image = ddswriter::WriteArgb(4, 4, std::vector<uint32_t>(16, 0xFF336699u));
    constexpr int kNames = 10000;
    for (int i = 0; i < kNames; ++i) {
        ASSERT_TRUE(ddswriter::SaveFile("image" + std::to_string(i) + ".dds", image));
    }
    for (int i = 0; i < MAX_TEXTURES; ++i) ASSERT_EQ(textures->Load(("image" + std::to_string(i) + ".dds").c_str()), i);

    const CostMeter meter;
    for (int i = MAX_TEXTURES; i < kNames; ++i) {
        EXPECT_EQ(textures->Load(("image" + std::to_string(i) + ".dds").c_str()), -1);
    }
    // Refused without opening the file; only the measuring itself reads.
    EXPECT_LT(meter.BytesRead(), 16 * 1024u);
    EXPECT_LT(meter.PeakGrowthKiB(), kMemoryBoundKiB);
    EXPECT_EQ(textures->Count(), MAX_TEXTURES);
    EXPECT_EQ(textures->Load("IMAGE7.DDS"), 7);
}

TEST(BoundedCost, TenThousandDistinctObjectImagesKeepFiftyNames) {
    auto doc = std::make_unique<MapDocument>();
    doc->ClearAll();
    doc->isOpen = true;
    doc->width = doc->height = 20;
    ToolState tools{};
    UpperObjects objects(*doc, tools);
    tools.selectedMatter = 0;

    const CostMeter meter;
    int refused = 0;
    for (int i = 0; i < 10000; ++i) {
        ASSERT_TRUE(objects.ArmObject(("object" + std::to_string(i) + ".dds").c_str()));
        refused += objects.PlaceObject(5, 5) == PlaceResult::kNameListFull;
    }
    EXPECT_EQ(doc->upperShellCount, kUpperShellNames);
    EXPECT_EQ(refused, 10000 - kUpperShellNames);
    EXPECT_STREQ(doc->upperShellNames[49], "object49.dds");
    EXPECT_LT(meter.PeakGrowthKiB(), kMemoryBoundKiB);
}

// A map naming 10,000 images for 10,000 objects opens with fifty names, and
// its frames load at most the fifty textures the cache holds.
TEST(BoundedCost, AMapNamingTenThousandImagesOpensAndDrawsWithinTheCache) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::vector<uint8_t> image = ddswriter::WriteArgb(4, 4, std::vector<uint32_t>(16, 0xFF808080u));
    auto imagePath = [&](int i) { return folder.filePath(QString("n%1.dds").arg(i)).toStdString(); };
    std::string text = "*UPPER_SHELL_COUNT 10000\r\n";
    for (int i = 0; i < 10000; ++i) {
        text += "*UPPER_SHELL " + std::to_string(i) + "\r\n\t*UPPER_SHELL_URL n" + std::to_string(i) + ".dds\r\n";
    }
    // The tile sheet is a fifty-first image: the cache is full by then.
    for (int i = 0; i < kUpperShellNames; ++i) ASSERT_TRUE(ddswriter::SaveFile(imagePath(i), image));
    ASSERT_TRUE(ddswriter::SaveFile(imagePath(9999), image));
    text += "*LOWER_SHELL_URL\tn9999.dds\r\n*MAX_SHELL_WIDTH_HEIGHT 20 20\r\n*MATTER_COUNT 10000\r\n";
    for (int i = 0; i < 10000; ++i) {
        text += "*MATTER " + std::to_string(i % kMatterSlots) + "\r\n\t*MATTER_DATA_COUNT 1\r\n\t*MATTER_DATA\r\n\t" +
                "1 1 0\r\n\t*REF " + std::to_string(i % kUpperShellNames) + "\r\n*MATTER_END\r\n";
    }
    const std::string mapPath = folder.filePath("names.qrd").toStdString();
    std::FILE* file = std::fopen(mapPath.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);

    AppHarness harness;
    harness.Start();
    harness.modal().ChooseFile(mapPath);
    SendMessageA(harness.Dialog(), WM_COMMAND, MAKEWPARAM(ui::kMenuOpen, 0), 0);
    EditorScene* scene = GetEditorScene();
    ASSERT_NE(scene, nullptr);
    ASSERT_TRUE(scene->IsOpen());
    EXPECT_EQ(scene->Document().upperShellCount, kUpperShellNames);

    harness.RunFrames(1);
    EXPECT_EQ(GetTextureManager()->Count(), MAX_TEXTURES);
    const CostMeter meter;
    harness.RunFrames(5);
    EXPECT_EQ(GetTextureManager()->Count(), MAX_TEXTURES);
    // Later frames find every name in the cache or refuse it unread.
    EXPECT_LT(meter.BytesRead(), 64 * 1024u);
    EXPECT_LT(meter.PeakGrowthKiB(), kMemoryBoundKiB);
}

}  // namespace
