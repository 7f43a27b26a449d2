#include <sstream>

#include "graphicsfixture.h"

namespace {

using Textures = GraphicsFixture;

// Counts the lines written to standard error while `action` runs.
template <typename Action>
int TraceLines(Action action) {
    testing::internal::CaptureStderr();
    action();
    const std::string output = testing::internal::GetCapturedStderr();
    return static_cast<int>(std::count(output.begin(), output.end(), '\n'));
}

TEST_F(Textures, SameNameInAnyLetterCaseGivesTheSameIndex) {
    WriteImage("cur.dds", 24, 24, 0xFFFFFFFFu);
    WriteImage("map.dds", 480, 240, 0xFF808080u);
    EXPECT_EQ(GetTextureManager(), textures);
    EXPECT_EQ(textures->Load("cur.dds"), 0);
    EXPECT_EQ(textures->Load("map.dds"), 1);
    EXPECT_EQ(textures->Load("cur.dds"), 0);
    EXPECT_EQ(textures->Load("CUR.DDS"), 0);
    EXPECT_EQ(textures->Load("Map.Dds"), 1);
    EXPECT_EQ(textures->Count(), 2);
    EXPECT_NE(textures->GetTexture(0), textures->GetTexture(1));
    EXPECT_EQ(textures->GetTexture(1)->Width(), 512u);
    EXPECT_EQ(textures->GetTexture(1)->Height(), 256u);
}

TEST_F(Textures, FailedLoadUsesNoIndexAndTracesOnce) {
    WriteImage("a.dds", 4, 4, 0xFFFFFFFFu);
    WriteImage("b.dds", 4, 4, 0xFFFFFFFFu);
    EXPECT_EQ(textures->Load("a.dds"), 0);
    int result = 0;
    EXPECT_EQ(TraceLines([&] { result = textures->Load("missing.dds"); }), 1);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(TraceLines([&] { result = textures->Load("missing.dds"); }), 1);   // tried again, reported again
    EXPECT_EQ(textures->Load("b.dds"), 1);
    EXPECT_EQ(textures->GetTexture(2), nullptr);
}

TEST_F(Textures, GetTextureOutsideTheFilledSlotsIsNull) {
    WriteImage("a.dds", 4, 4, 0xFFFFFFFFu);
    ASSERT_EQ(textures->Load("a.dds"), 0);
    for (int index : {-1, 1, 49, 50, -2147483647 - 1, 2147483647}) EXPECT_EQ(textures->GetTexture(index), nullptr) << index;
    EXPECT_NE(textures->GetTexture(0), nullptr);
}

TEST_F(Textures, FiftyFirstNameIsRefusedWithOneTraceLine) {
    WriteImage("tile.dds", 4, 4, 0xFFFFFFFFu);
    for (int i = 0; i < 50; ++i) {
        const std::string name = "tile" + std::to_string(i) + ".dds";
        QFile::copy("tile.dds", QString::fromStdString(name));
        ASSERT_EQ(textures->Load(name.c_str()), i);
    }
    int result = 0;
    EXPECT_EQ(TraceLines([&] { result = textures->Load("tile.dds"); }), 1);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(textures->Load("TILE49.DDS"), 49);   // names already held still resolve
    EXPECT_EQ(textures->Count(), 50);
}

TEST_F(Textures, NamesMustFitAnEntry) {
    // 259 bytes in all; folders keep each part within the file system's limit.
    const std::string folders = std::string(120, 'a') + "/" + std::string(120, 'b') + "/";
    const std::string fits = folders + std::string(259 - 4 - folders.size(), 'n');
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folders)));
    WriteImage(fits + ".dds", 4, 4, 0xFFFFFFFFu);
    EXPECT_EQ(textures->Load((fits + ".dds").c_str()), 0);
    const std::string tooLong = std::string(260, 'n');
    int result = 0;
    EXPECT_EQ(TraceLines([&] { result = textures->Load(tooLong.c_str()); }), 1);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(textures->Load(nullptr), -1);
    EXPECT_EQ(textures->Count(), 1);
}

TEST_F(Textures, ReleaseEmptiesTheSlots) {
    WriteImage("a.dds", 4, 4, 0xFFFFFFFFu);
    ASSERT_EQ(textures->Load("a.dds"), 0);
    textures->Release();
    EXPECT_EQ(textures->GetTexture(0), nullptr);
    EXPECT_EQ(textures->Count(), 0);
    EXPECT_EQ(textures->Load("a.dds"), 0);
}

}  // namespace
