#include <gtest/gtest.h>

#include <memory>

#include "mapdocument.h"

TEST(KindForTile, MapsEveryTileOfTheTable) {
    struct Case { int tile; int kind; };
    const Case cases[] = {
        {2, 1}, {20, 2}, {22, 2}, {24, 2}, {7, 3}, {27, 3}, {8, 4}, {9, 5}, {10, 6}, {11, 7},
        {12, 8}, {13, 9}, {33, 9}, {53, 9}, {73, 9}, {14, 10}, {15, 11},
        {0, 0}, {1, 0}, {3, 0}, {4, 0}, {16, 0}, {19, 0}, {25, 0}, {26, 0}, {28, 0}, {-1, 0}, {1000, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(KindForTile(c.tile), c.kind) << "tile " << c.tile;
}

TEST(TileForKind, VariantsStayInTheirRangeAndMapBack) {
    for (int round = 0; round < 200; ++round) {
        for (int kind = 1; kind <= kKindCount; ++kind) {
            EXPECT_EQ(KindForTile(TileForKind(kind)), kind);
        }
    }
    EXPECT_EQ(TileForKind(0), 0);
    EXPECT_EQ(TileForKind(12), 0);
    EXPECT_EQ(TileForKind(-3), 0);
}

TEST(MakeGateColour, IsOpaqueWithSixteenStepChannels) {
    for (int round = 0; round < 500; ++round) {
        const uint32_t colour = MakeGateColour();
        EXPECT_EQ(colour >> 24, 0xFFu);
        EXPECT_EQ(colour & 0x0F0F0Fu, 0u);
    }
}

TEST(MapDocument, ResetKeepsSizesPointsLimitsAndSizzleIntegers) {
    auto doc = std::make_unique<MapDocument>();
    doc->width = 40;
    doc->height = 12;
    doc->isOpen = true;
    doc->isModified = true;
    doc->SetStartPoint(3, 4);
    doc->SetEndPoint(5, 6);
    doc->SetMaxUse(-1, 2, 3, 4, 5, 6, 2000000000);
    doc->SetFileName("a.qrd");
    doc->lowerShells[2][3] = {2, 21};
    doc->sizzleShells[2][3] = {true, 45, 121, -1, -1, 163};
    doc->gates[1][1] = {true, 1, 1, 5, 5, 12, 0xFF102030u};

    doc->ResetDocument();

    EXPECT_FALSE(doc->IsOpen());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetWidth(), 40);
    EXPECT_EQ(doc->GetHeight(), 12);
    EXPECT_EQ(doc->GetStartPoint().x, 3);
    EXPECT_EQ(doc->GetEndPoint().y, 6);
    EXPECT_EQ(doc->maxUse[0], -1);
    EXPECT_EQ(doc->maxUse[6], 2000000000);
    EXPECT_STREQ(doc->GetFileName(), "a.qrd");
    EXPECT_EQ(doc->lowerShells[2][3].kind, 0);
    EXPECT_FALSE(doc->sizzleShells[2][3].present);
    EXPECT_EQ(doc->sizzleShells[2][3].edge, 45);
    EXPECT_EQ(doc->sizzleShells[2][3].lowerLeft, 163);
    EXPECT_FALSE(doc->gates[1][1].present);
}
