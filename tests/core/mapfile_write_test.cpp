#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <csignal>
#include <cstring>
#include <memory>
#include <string>

#include <sys/resource.h>

#include "mapfile.h"
#include "mapfile_testing.h"

using namespace mapfile_testing;

namespace {

// The example map's document as the editor holds it before saving.
std::unique_ptr<MapDocument> ExampleDocument() {
    auto doc = std::make_unique<MapDocument>();
    doc->isOpen = true;
    doc->width = 3;
    doc->height = 2;
    CopyName(doc->lowerShellImage, "map.dds");
    const int tiles[2][3] = {{2, 21, 12}, {12, 2, 2}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) doc->lowerShells[y][x] = {KindForTile(tiles[y][x]), tiles[y][x]};
    }
    doc->sizzleShells[0][1] = {true, 117, -1, 106, -1, 162};
    doc->gates[0][2] = {true, 2, 0, 0, 1, 12, 0xFF102030u};
    doc->gates[1][0] = {true, 0, 1, 2, 0, 12, 0xFF102030u};
    doc->upperShellCount = 1;
    CopyName(doc->upperShellNames[0], "tree.dds");
    doc->matterCount = 1;
    Matter& tree = doc->matters[0];
    tree.used = true;
    tree.ref = 0;
    CopyName(tree.imageName, "tree.dds");
    tree.count = 6;
    const MatterPoint points[] = {{0, 0, 54}, {1, 0, 55}, {2, 0, 56}, {0, 1, 64}, {1, 1, 65}, {2, 1, 66}};
    std::memcpy(tree.points, points, sizeof points);
    doc->startPoint = {0, 0};
    doc->endPoint = {2, 1};
    doc->SetMaxUse(5, 0, 3, 0, 0, 2, 1);
    return doc;
}

std::string Save(const MapDocument& doc, const std::string& name) {
    EXPECT_TRUE(WriteMapFile(doc, name.c_str()));
    return ReadBytes(name);
}

int FilesIn(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

}  // namespace

TEST(MapFileWrite, ExampleDocumentGivesTheExampleFileByteForByte) {
    ScratchDir dir;
    EXPECT_EQ(Save(*ExampleDocument(), dir.File("example.qrd")), Crlf(kExampleMap));
}

TEST(MapFileWrite, EmptyListsStillWriteTheirCountLines) {
    ScratchDir dir;
    auto doc = std::make_unique<MapDocument>();
    doc->width = 1;
    doc->height = 1;
    // A record-less cell is written as the fixed empty group, whatever its integers hold.
    doc->sizzleShells[0][0] = {false, 7, 8, 9, 10, 11};
    const std::string bytes = Save(*doc, dir.File("empty.qrd"));
    for (const char* expected : {"*UPPER_SHELL_COUNT 0\r\n\r\n*LOWER_SHELL_URL\t\r\n",
                                 "*SIZZLE_SHELL\r\n0 -1 -1 -1 -1 \r\n\r\n\r\n*MATTER_COUNT 0\r\n\r\n*GATE\r\n",
                                 "*GATE_COUNT 0\r\n\r\n\r\n*MAXUSE\r\n"}) {
        EXPECT_NE(bytes.find(expected), std::string::npos) << expected;
    }
}

// Saving and opening again gives the same document, except what the file
// does not store: fractions of point coordinates, gate colours, kinds (derived
// from tiles) and record flags (derived from the numbers and the kind).
TEST(MapFileWrite, SaveThenOpenKeepsTheDocument) {
    auto saved = std::make_unique<MapDocument>();
    MapDocument& doc = *saved;
    doc.isOpen = true;
    doc.width = 12;
    doc.height = 9;
    CopyName(doc.lowerShellImage, "terrain.dds");
    const int tiles[] = {2, 20, 24, 7, 27, 8, 9, 10, 11, 12, 13, 33, 53, 73, 14, 15, 99};
    int next = 0;
    for (int y = 0; y < doc.height; ++y) {
        for (int x = 0; x < doc.width; ++x) {
            const int tile = tiles[next++ % std::size(tiles)];
            doc.lowerShells[y][x] = {kKindStone, tile};  // a kind the tile does not give
        }
    }
    doc.sizzleShells[0][1] = {false, 44, 1, 2, 3, 4};     // hanji without a record
    doc.sizzleShells[0][2] = {true, 133, 121, -1, -1, 163};
    doc.sizzleShells[0][3] = {true, 0, -1, -1, -1, -1};    // stone with an empty record
    doc.sizzleShells[1][0] = {true, 47, -1, 107, -1, -1};  // a record on a non-hanji cell
    doc.gates[2][3] = {true, 3, 2, 11, 8, 12, 0xFF000000u};
    doc.gates[8][11] = {true, 11, 8, 3, 2, 12, 0xFF000000u};
    doc.gates[100][100] = {true, 100, 100, 99, 99, 12, 0xFF000000u};  // outside the map, kept
    doc.gates[99][99] = {true, 99, 99, 100, 100, 12, 0xFF000000u};
    doc.upperShellCount = 2;
    CopyName(doc.upperShellNames[0], "rock.dds");
    CopyName(doc.upperShellNames[1], "\xb3\xaa\xb9\xab.dds");  // a CP949 name, kept byte for byte
    doc.matterCount = 3;
    doc.matters[4] = {};
    doc.matters[4].used = true;
    doc.matters[4].ref = 1;
    CopyName(doc.matters[4].imageName, doc.upperShellNames[1]);
    doc.matters[4].count = 3;
    doc.matters[4].points[0] = {2.7f, 1.0f, 12};
    doc.matters[4].points[1] = {-0.5f, 3.0f, 13};
    doc.matters[4].points[2] = {11.0f, 8.0f, 99};
    doc.matters[7] = {};
    doc.matters[7].used = true;  // emptied in the editor: no points, no image
    doc.matters[7].ref = -1;
    doc.matters[9] = {};
    doc.matters[9].used = true;
    doc.matters[9].ref = 0;
    CopyName(doc.matters[9].imageName, "rock.dds");
    doc.matters[9].count = 100;
    for (int i = 0; i < 100; ++i) doc.matters[9].points[i] = {static_cast<float>(i % 10), static_cast<float>(i / 10), i};
    doc.startPoint = {1, 2};
    doc.endPoint = {10, 7};
    doc.SetMaxUse(-1, 2147483647, 0, 4, 5, 6, 7);
    doc.SetFileName("saved.qrd");

    ScratchDir dir;
    const std::string name = dir.File("roundtrip.qrd");
    ASSERT_TRUE(WriteMapFile(doc, name.c_str()));
    auto read = std::make_unique<MapDocument>();
    ASSERT_TRUE(ReadMapFile(*read, name.c_str()));

    EXPECT_EQ(read->width, 12);
    EXPECT_EQ(read->height, 9);
    EXPECT_STREQ(read->lowerShellImage, "terrain.dds");
    for (int y = 0; y < doc.height; ++y) {
        for (int x = 0; x < doc.width; ++x) {
            SCOPED_TRACE(testing::Message() << "cell " << x << "," << y);
            const int tile = doc.lowerShells[y][x].tile;
            EXPECT_EQ(read->lowerShells[y][x].tile, tile);
            EXPECT_EQ(read->lowerShells[y][x].kind, KindForTile(tile));
            const SizzleShell& before = doc.sizzleShells[y][x];
            const SizzleShell& after = read->sizzleShells[y][x];
            const SizzleShell expected = before.present ? before : kEmptySizzleShell;
            EXPECT_EQ((std::array{after.edge, after.upperRight, after.lowerRight, after.upperLeft, after.lowerLeft}),
                      (std::array{expected.edge, expected.upperRight, expected.lowerRight, expected.upperLeft,
                                  expected.lowerLeft}));
            const bool emptyNumbers = expected.edge == 0 && expected.upperRight == -1 && expected.lowerRight == -1 &&
                                      expected.upperLeft == -1 && expected.lowerLeft == -1;
            EXPECT_EQ(after.present, KindForTile(tile) == kKindHanji || !emptyNumbers);
        }
    }
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const Gate& before = doc.gates[y][x];
            const Gate& after = read->gates[y][x];
            ASSERT_EQ(after.present, before.present) << x << "," << y;
            if (!before.present) continue;
            EXPECT_EQ((std::array{after.x, after.y, after.partnerX, after.partnerY, after.tile}),
                      (std::array{before.x, before.y, before.partnerX, before.partnerY, 12}));
            EXPECT_EQ(after.colour, read->gates[after.partnerY][after.partnerX].colour);
        }
    }
    EXPECT_EQ(read->upperShellCount, 2);
    EXPECT_STREQ(read->upperShellNames[1], doc.upperShellNames[1]);
    EXPECT_EQ(read->matterCount, 3);
    for (int slot = 0; slot < kMatterSlots; ++slot) {
        const Matter& before = doc.matters[slot];
        const Matter& after = read->matters[slot];
        ASSERT_EQ(after.used, before.used) << slot;
        if (!before.used) continue;
        EXPECT_EQ(after.ref, before.ref);
        EXPECT_STREQ(after.imageName, before.imageName);
        ASSERT_EQ(after.count, before.count);
        for (int i = 0; i < before.count; ++i) {
            EXPECT_EQ(after.points[i].x, std::trunc(before.points[i].x)) << slot << ":" << i;
            EXPECT_EQ(after.points[i].y, std::trunc(before.points[i].y)) << slot << ":" << i;
            EXPECT_EQ(after.points[i].piece, before.points[i].piece);
        }
    }
    EXPECT_EQ(read->matters[4].points[0].x, 2.0f);
    EXPECT_EQ(read->matters[4].points[1].x, 0.0f);
    EXPECT_EQ(read->startPoint.x, 1);
    EXPECT_EQ(read->endPoint.y, 7);
    for (int i = 0; i < kMaxUseCount; ++i) EXPECT_EQ(read->maxUse[i], doc.maxUse[i]);
}

TEST(MapFileWrite, FailedSaveLeavesTheOldFileAndNoLeftovers) {
    ScratchDir dir;
    const std::string name = dir.File("kept.qrd");
    WriteBytes(name, "old contents\r\n");
    auto doc = ExampleDocument();

    // The file system refuses to grow a file past 64 bytes (this works for
    // root too, which ignores permissions).
    struct rlimit previous;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool saved = WriteMapFile(*doc, name.c_str());
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(name), "old contents\r\n");
    EXPECT_EQ(FilesIn(dir.Path()), 1);

    // A folder in the way, and a folder that does not exist.
    std::filesystem::create_directory(dir.File("folder.qrd"));
    EXPECT_FALSE(WriteMapFile(*doc, dir.File("folder.qrd").c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.qrd")));
    EXPECT_FALSE(WriteMapFile(*doc, dir.File("missing/map.qrd").c_str()));
    EXPECT_EQ(FilesIn(dir.Path()), 2);

    // Saving over the old file works and keeps its permissions.
    std::filesystem::permissions(name, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    ASSERT_TRUE(WriteMapFile(*doc, name.c_str()));
    EXPECT_EQ(ReadBytes(name), Crlf(kExampleMap));
    EXPECT_EQ(std::filesystem::status(name).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(FilesIn(dir.Path()), 2);
}

TEST(MapFileWrite, SavingThroughALinkUpdatesTheLinkedFile) {
    ScratchDir dir;
    WriteBytes(dir.File("real.qrd"), "old");
    std::filesystem::create_symlink(dir.File("real.qrd"), dir.File("link.qrd"));
    ASSERT_TRUE(WriteMapFile(*ExampleDocument(), dir.File("link.qrd").c_str()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.qrd")));
    EXPECT_EQ(ReadBytes(dir.File("real.qrd")), Crlf(kExampleMap));
}
