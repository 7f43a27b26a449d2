#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <functional>
#include <memory>

#include "mapfile.h"
#include "mapfile_testing.h"

using namespace mapfile_testing;

namespace {

std::unique_ptr<MapDocument> ReadText(const ScratchDir& dir, const std::string& bytes) {
    const std::string name = dir.File("map.qrd");
    WriteBytes(name, bytes);
    auto doc = std::make_unique<MapDocument>();
    EXPECT_TRUE(ReadMapFile(*doc, name.c_str()));
    return doc;
}

}  // namespace

TEST(MapFileRead, ExampleMapGivesItsDocument) {
    ScratchDir dir;
    WriteBytes(dir.File("example.qrd"), Crlf(kExampleMap));
    auto doc = std::make_unique<MapDocument>();
    RecordingDialog dialog;
    doc->dialog = &dialog;
    ASSERT_TRUE(ReadMapFile(*doc, dir.File("example.qrd").c_str()));

    EXPECT_TRUE(doc->isOpen);
    EXPECT_FALSE(doc->isModified);
    EXPECT_EQ(doc->width, 3);
    EXPECT_EQ(doc->height, 2);
    EXPECT_STREQ(doc->lowerShellImage, "map.dds");
    const int tiles[2][3] = {{2, 21, 12}, {12, 2, 2}};
    const int kinds[2][3] = {{1, 2, 8}, {8, 1, 1}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(doc->lowerShells[y][x].tile, tiles[y][x]) << x << "," << y;
            EXPECT_EQ(doc->lowerShells[y][x].kind, kinds[y][x]) << x << "," << y;
            EXPECT_EQ(doc->sizzleShells[y][x].present, x == 1 && y == 0) << x << "," << y;
        }
    }
    const SizzleShell& hanji = doc->sizzleShells[0][1];
    EXPECT_EQ(hanji.edge, 117);
    EXPECT_EQ(hanji.upperRight, -1);
    EXPECT_EQ(hanji.lowerRight, 106);
    EXPECT_EQ(hanji.upperLeft, -1);
    EXPECT_EQ(hanji.lowerLeft, 162);

    EXPECT_EQ(doc->upperShellCount, 1);
    EXPECT_STREQ(doc->upperShellNames[0], "tree.dds");
    EXPECT_EQ(doc->matterCount, 1);
    const Matter& tree = doc->matters[0];
    EXPECT_TRUE(tree.used);
    EXPECT_EQ(tree.count, 6);
    EXPECT_EQ(tree.ref, 0);
    EXPECT_STREQ(tree.imageName, "tree.dds");
    EXPECT_FLOAT_EQ(tree.points[5].x, 2.0f);
    EXPECT_FLOAT_EQ(tree.points[5].y, 1.0f);
    EXPECT_EQ(tree.points[5].piece, 66);
    for (int slot = 1; slot < kMatterSlots; ++slot) EXPECT_FALSE(doc->matters[slot].used);

    const Gate& first = doc->gates[0][2];
    const Gate& second = doc->gates[1][0];
    ASSERT_TRUE(first.present && second.present);
    EXPECT_EQ((std::array{first.x, first.y, first.partnerX, first.partnerY}), (std::array{2, 0, 0, 1}));
    EXPECT_EQ((std::array{second.x, second.y, second.partnerX, second.partnerY}), (std::array{0, 1, 2, 0}));
    EXPECT_EQ(first.tile, 12);
    EXPECT_EQ(first.colour, second.colour);

    EXPECT_EQ(doc->startPoint.x, 0);
    EXPECT_EQ(doc->startPoint.y, 0);
    EXPECT_EQ(doc->endPoint.x, 2);
    EXPECT_EQ(doc->endPoint.y, 1);
    const int32_t limits[kMaxUseCount] = {5, 0, 3, 0, 0, 2, 1};
    for (int i = 0; i < kMaxUseCount; ++i) EXPECT_EQ(doc->maxUse[i], limits[i]);

    // What the main dialog was told.
    const std::map<int, unsigned> fields = {{1049, 0}, {1050, 0}, {1051, 2}, {1052, 1}, {1053, 5}, {1054, 0},
                                            {1055, 3}, {1056, 0}, {1057, 0}, {1058, 2}, {1059, 1}};
    EXPECT_EQ(dialog.fields, fields);
    EXPECT_EQ(dialog.buttons.size(), static_cast<size_t>(kMatterSlots));
    EXPECT_EQ(dialog.buttons[0], "o");
    EXPECT_EQ(dialog.buttons[1], "x");
}

TEST(MapFileRead, FieldsShowNegativeValuesAsUnsigned) {
    ScratchDir dir;
    const std::string name = dir.File("negative.qrd");
    WriteBytes(name, "*START_POINT -1 3\n*MAXUSE_DIG -2\n*MAXUSE_END\n");
    auto doc = std::make_unique<MapDocument>();
    RecordingDialog dialog;
    doc->dialog = &dialog;
    ASSERT_TRUE(ReadMapFile(*doc, name.c_str()));
    EXPECT_EQ(dialog.fields[1049], 4294967295u);
    EXPECT_EQ(dialog.fields[1053], 4294967294u);
}

// A sizzle group is a record when its numbers say so, or when the cell is hanji.
TEST(MapFileRead, SizzlePresenceFollowsGroupAndKind) {
    struct Case { const char* tile; const char* group; bool present; };
    const Case cases[] = {
        {"21", "0 -1 -1 -1 -1", true},
        {"2", "0 -1 -1 -1 -1", false},
        {"12", "0 -1 -1 -1 -1", false},
        {"2", "0 -1 -1 -1 160", true},
        {"2", "125 -1 -1 -1 -1", true},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        const auto doc = ReadText(dir, std::string("*MAX_SHELL_WIDTH_HEIGHT 1 1\n*LOWER_SHELL\n") + c.tile +
                                           " \n*SIZZLE_SHELL\n" + c.group + " \n");
        EXPECT_EQ(doc->sizzleShells[0][0].present, c.present) << c.tile << " / " << c.group;
    }
}

// Layout variations the reader accepts by design.
TEST(MapFileRead, AcceptsLooseLayout) {
    ScratchDir dir;
    struct Case {
        const char* what;
        std::string bytes;
        std::function<void(const MapDocument&)> expect;
    };
    const Case cases[] = {
        {"LF line ends read like CR LF", kExampleMap,
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.lowerShells[1][0].tile, 12);
             EXPECT_STREQ(doc.matters[0].imageName, "tree.dds");
             EXPECT_TRUE(doc.gates[1][0].present);
             EXPECT_EQ(doc.maxUse[6], 1);
         }},
        {"indented keywords, blank and unknown lines",
         "\n   \t*START_POINT 4 5\r\n\r\nhello world\r\n\t\t*END_POINT 6 7\r\n*start_point 1 1\r\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.startPoint.x, 4);
             EXPECT_EQ(doc.startPoint.y, 5);
             EXPECT_EQ(doc.endPoint.x, 6);
             EXPECT_EQ(doc.endPoint.y, 7);
         }},
        {"names are numbered by their own lines", "*UPPER_SHELL 7\n*UPPER_SHELL_URL a.dds\n*UPPER_SHELL_COUNT 1\n",
         [](const MapDocument& doc) { EXPECT_STREQ(doc.upperShellNames[0], "a.dds"); }},
        {"a name ends at a space", "*LOWER_SHELL_URL my map.dds\n",
         [](const MapDocument& doc) { EXPECT_STREQ(doc.lowerShellImage, "my"); }},
        {"a value that does not convert leaves its target", "*START_POINT 8 nine\n*END_POINT x 3\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.startPoint.x, 8);
             EXPECT_EQ(doc.startPoint.y, 0);
             EXPECT_EQ(doc.endPoint.x, 1);
             EXPECT_EQ(doc.endPoint.y, 1);
         }},
        {"fractional point coordinates are kept",
         "*MATTER 3\n*MATTER_DATA_COUNT 1\n*MATTER_DATA\n2.5 -0.25e1 7\n*MATTER_END\n",
         [](const MapDocument& doc) {
             EXPECT_FLOAT_EQ(doc.matters[3].points[0].x, 2.5f);
             EXPECT_FLOAT_EQ(doc.matters[3].points[0].y, -2.5f);
             EXPECT_EQ(doc.matters[3].points[0].piece, 7);
         }},
        {"a short grid leaves the rest reset and the next section is read",
         "*MAX_SHELL_WIDTH_HEIGHT 3 2\n*LOWER_SHELL\n2 21 12\n*START_POINT 2 1\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.lowerShells[0][2].tile, 12);
             EXPECT_EQ(doc.lowerShells[1][0].tile, 0);
             EXPECT_EQ(doc.startPoint.x, 2);
         }},
        {"numbers that overflow saturate", "*START_POINT 99999999999 -99999999999\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.startPoint.x, INT_MAX);
             EXPECT_EQ(doc.startPoint.y, INT_MIN);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.expect(*ReadText(dir, c.bytes));
    }
}

TEST(MapFileRead, LongLinesAreSplitAt255Characters) {
    ScratchDir dir;
    // The start line's tail is read as a line of its own and skipped; a
    // keyword that begins exactly at character 256 is still taken.
    const std::string start = "*START_POINT 3 4";
    const std::string longStart = start + std::string(255 - start.size(), ' ') + "*END_POINT 5 6 and more\n";
    const std::string filler = "# comment " + std::string(400, 'x') + "\n";
    const auto doc = ReadText(dir, longStart + filler + "*MAXUSE_MINE 9\n");
    EXPECT_EQ(doc->startPoint.x, 3);
    EXPECT_EQ(doc->startPoint.y, 4);
    EXPECT_EQ(doc->endPoint.x, 5);
    EXPECT_EQ(doc->endPoint.y, 6);
    EXPECT_EQ(doc->maxUse[6], 9);
}

TEST(MapFileRead, EmptyFileGivesOpenResetDocument) {
    ScratchDir dir;
    WriteBytes(dir.File("empty.qrd"), "");
    auto doc = std::make_unique<MapDocument>();
    WriteBytes(dir.File("example.qrd"), kExampleMap);
    ASSERT_TRUE(ReadMapFile(*doc, dir.File("example.qrd").c_str()));
    doc->isModified = true;

    ASSERT_TRUE(ReadMapFile(*doc, dir.File("empty.qrd").c_str()));
    EXPECT_TRUE(doc->isOpen);
    EXPECT_FALSE(doc->isModified);
    EXPECT_EQ(doc->matterCount, 0);
    EXPECT_EQ(doc->lowerShells[0][0].tile, 0);
    EXPECT_FALSE(doc->sizzleShells[0][1].present);
    EXPECT_FALSE(doc->gates[0][2].present);
    EXPECT_FALSE(doc->matters[0].used);
    // Members the reset keeps.
    EXPECT_EQ(doc->width, 3);
    EXPECT_EQ(doc->endPoint.x, 2);
    EXPECT_EQ(doc->maxUse[0], 5);
    EXPECT_STREQ(doc->upperShellNames[0], "tree.dds");
}

TEST(MapFileRead, OnlyExistingRegularFilesAreRead) {
    ScratchDir dir;
    auto doc = std::make_unique<MapDocument>();
    EXPECT_FALSE(ReadMapFile(*doc, dir.File("absent.qrd").c_str()));
    EXPECT_FALSE(ReadMapFile(*doc, dir.Path().c_str()));
    EXPECT_FALSE(ReadMapFile(*doc, "/dev/zero"));  // endless input
    EXPECT_FALSE(ReadMapFile(*doc, nullptr));
}
