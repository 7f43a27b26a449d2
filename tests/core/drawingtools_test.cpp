#include <gtest/gtest.h>

#include "toolsfixture.h"

namespace {

using DrawingToolsTest = ToolsTest;

bool InRange(int value, int first, int last) { return value >= first && value <= last; }

TEST_F(DrawingToolsTest, PixelsMapToCellsAndOutsideClicksChangeNothing) {
    OpenMap(10, 8);
    tools.drawMode = kModeOneCell;
    tools.lowerKind = kKindMud;
    struct Case { int px, py, x, y; };
    const Case painted[] = {{0, 0, 0, 0}, {23, 23, 0, 0}, {24, 0, 1, 0}, {239, 191, 9, 7}};
    for (const Case& c : painted) {
        SetCell(c.x, c.y, kKindEmpty);
        EXPECT_EQ(drawing.ApplyTool(c.px, c.py, drawing.KindAt(c.px, c.py)), ToolOutcome::kApplied);
        EXPECT_EQ(KindOf(c.x, c.y), kKindMud) << c.px << "," << c.py;
    }

    doc->isModified = false;
    const int outside[][2] = {{240, 0}, {0, 192}, {-1, 0}, {0, -5}, {100000, 3}};
    for (const auto& p : outside) {
        EXPECT_EQ(drawing.KindAt(p[0], p[1]), kKindNone);
        EXPECT_EQ(drawing.ApplyTool(p[0], p[1], kKindNone), ToolOutcome::kIgnored);
    }
    EXPECT_FALSE(doc->isModified);
    EXPECT_EQ(KindOf(9, 0), kKindEmpty);
}

TEST_F(DrawingToolsTest, ClosedDocumentIgnoresEveryTool) {
    OpenMap(10, 10);
    doc->isOpen = false;
    for (int mode : {kModeOneCell, kModeFill, kModeCover}) {
        EXPECT_EQ(Click(mode, kKindStone, 2, 2), ToolOutcome::kIgnored);
    }
    EXPECT_EQ(drawing.KindAt(30, 30), kKindNone);
    EXPECT_EQ(KindOf(2, 2), kKindEmpty);
    EXPECT_FALSE(doc->isModified);
    EXPECT_EQ(undo->Count(), 1);
}

TEST_F(DrawingToolsTest, OneCellPaintsOnceAndRecordsEachPaint) {
    OpenMap(10, 10);
    Click(kModeOneCell, kKindStone, 3, 4);
    EXPECT_EQ(KindOf(3, 4), kKindStone);
    EXPECT_TRUE(TileOf(3, 4) == 7 || TileOf(3, 4) == 27);
    EXPECT_TRUE(doc->isModified);
    EXPECT_EQ(undo->Count(), 2);

    // The same kind again changes nothing and records nothing.
    Click(kModeOneCell, kKindStone, 3, 4);
    EXPECT_EQ(undo->Count(), 2);

    // With no kind chosen (an object is selected) no cell changes, gate ends included.
    MakePair(7, 7, 8, 8);
    const int records = undo->Count();
    Click(kModeOneCell, kKindNone, 5, 5);
    Click(kModeOneCell, kKindNone, 7, 7);
    EXPECT_EQ(KindOf(5, 5), kKindEmpty);
    EXPECT_EQ(KindOf(7, 7), kKindGate);
    EXPECT_EQ(KindOf(8, 8), kKindGate);
    EXPECT_TRUE(GateOf(7, 7).present && GateOf(8, 8).present);
    EXPECT_EQ(undo->Count(), records);
}

TEST_F(DrawingToolsTest, HanjiDragPaintsThePressedCellTwiceThenStops) {
    OpenMap(10, 10);
    tools.drawMode = kModeOneCell;
    tools.lowerKind = kKindHanji;
    tools.lastPaintedCell = kNoCell;
    ClickCell(4, 4);  // the press leaves no last cell
    tools.mouseDragging = true;
    ClickCell(4, 4);  // the first move paints again
    ClickCell(4, 4);
    ClickCell(4, 4);
    EXPECT_EQ(undo->Count(), 3);
    EXPECT_EQ(KindOf(4, 4), kKindHanji);
    EXPECT_TRUE(InRange(TileOf(4, 4), 20, 24));
    EXPECT_EQ(tools.lastPaintedCell.x, 4);
    EXPECT_EQ(tools.lastPaintedCell.y, 4);
}

TEST_F(DrawingToolsTest, HanjiEdgeFollowsWhichSidesBorderOtherTerrain) {
    // Masks by the sides open to other terrain: above 1, below 2, left 4, right 8.
    struct MaskCase { int mask; int firstEdge; };
    const MaskCase masks[] = {{1, 40},  {2, 60},   {3, 165},  {4, 80},   {5, 170},  {6, 150},  {7, 135}, {8, 100},
                              {9, 110}, {10, 130}, {11, 155}, {12, 145}, {13, 175}, {14, 115}, {15, 125}};
    for (const MaskCase& c : masks) {
        OpenMap(10, 10);
        // Closed sides get hanji neighbours.
        if (!(c.mask & 1)) SetCell(5, 4, kKindHanji);
        if (!(c.mask & 2)) SetCell(5, 6, kKindHanji);
        if (!(c.mask & 4)) SetCell(4, 5, kKindHanji);
        if (!(c.mask & 8)) SetCell(6, 5, kKindHanji);
        Click(kModeOneCell, kKindHanji, 5, 5);
        EXPECT_TRUE(EdgeOf(5, 5).present);
        EXPECT_TRUE(InRange(EdgeOf(5, 5).edge, c.firstEdge, c.firstEdge + 4)) << "mask " << c.mask;
    }
}

TEST_F(DrawingToolsTest, LoneHanjiGetsAllCornersAndCornerCellOnlyTheInnerOne) {
    OpenMap(10, 10);
    Click(kModeOneCell, kKindHanji, 5, 5);
    const SizzleShell& lone = EdgeOf(5, 5);
    EXPECT_TRUE(InRange(lone.edge, 125, 129));
    EXPECT_TRUE(InRange(lone.upperRight, 120, 124));
    EXPECT_TRUE(InRange(lone.upperLeft, 140, 144));
    EXPECT_TRUE(InRange(lone.lowerLeft, 160, 164));
    EXPECT_TRUE(InRange(lone.lowerRight, 105, 109));

    Click(kModeOneCell, kKindHanji, 0, 0);
    const SizzleShell& corner = EdgeOf(0, 0);
    EXPECT_TRUE(InRange(corner.edge, 130, 134));  // mask 10: below and right
    EXPECT_TRUE(InRange(corner.lowerRight, 105, 109));
    EXPECT_EQ(corner.upperRight, -1);
    EXPECT_EQ(corner.upperLeft, -1);
    EXPECT_EQ(corner.lowerLeft, -1);
}

TEST_F(DrawingToolsTest, CornerDisappearsWhereAllThreeCellsAreHanji) {
    OpenMap(10, 10);
    for (auto [x, y] : {std::pair{3, 3}, {4, 3}, {3, 4}, {4, 4}}) Click(kModeOneCell, kKindHanji, x, y);
    const SizzleShell& topLeft = EdgeOf(3, 3);
    EXPECT_TRUE(InRange(topLeft.edge, 170, 174));  // open above and left: mask 5
    EXPECT_EQ(topLeft.lowerRight, -1);
    EXPECT_NE(topLeft.upperRight, -1);
    EXPECT_NE(topLeft.upperLeft, -1);
    EXPECT_NE(topLeft.lowerLeft, -1);
}

TEST_F(DrawingToolsTest, PaintingBesideHanjiRetilesNeighboursDiagonalsIncluded) {
    OpenMap(10, 10, kKindHanji);
    Click(kModeCover, kKindHanji, 0, 0);  // settle every record: no edges, no corners
    ASSERT_EQ(EdgeOf(5, 5).edge, 0);
    ASSERT_EQ(EdgeOf(5, 5).lowerRight, -1);

    Click(kModeOneCell, kKindStone, 6, 6);
    EXPECT_FALSE(EdgeOf(6, 6).present);
    EXPECT_EQ(EdgeOf(5, 5).edge, 0);                      // its sides are all hanji still
    EXPECT_TRUE(InRange(EdgeOf(5, 5).lowerRight, 105, 109));  // the diagonal neighbour
    EXPECT_TRUE(InRange(EdgeOf(6, 5).edge, 60, 64));          // stone below it: mask 2
}

TEST_F(DrawingToolsTest, CoverWithHanjiLeavesPlainHanjiEverywhere) {
    OpenMap(12, 9, kKindStone);
    SetCell(3, 3, kKindHanji);
    EXPECT_EQ(Click(kModeCover, kKindHanji, 1, 1), ToolOutcome::kApplied);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) {
            const SizzleShell& s = EdgeOf(x, y);
            ASSERT_EQ(KindOf(x, y), kKindHanji);
            ASSERT_TRUE(s.present && s.edge == 0 && s.upperRight == -1 && s.lowerRight == -1 &&
                        s.upperLeft == -1 && s.lowerLeft == -1)
                << x << "," << y;
        }
    EXPECT_EQ(undo->Count(), 1) << "cover records nothing itself";
}

TEST_F(DrawingToolsTest, CoverWithOtherKindLeavesNoEdgeRecordsAndDissolvesGates) {
    OpenMap(12, 9, kKindHanji);
    MakePair(1, 1, 8, 7);
    MakePair(2, 5, 10, 0);
    Click(kModeCover, kKindFood, 0, 0);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(KindOf(x, y), kKindFood);
            ASSERT_FALSE(EdgeOf(x, y).present);
            ASSERT_FALSE(GateOf(x, y).present);
        }
}

TEST_F(DrawingToolsTest, GateTakesTwoClicksAndLinksBothEnds) {
    OpenMap(10, 10);
    Click(kModeOneCell, kKindGate, 2, 3);
    EXPECT_EQ(KindOf(2, 3), kKindEmpty) << "the first end is only remembered";
    EXPECT_TRUE(tools.gateWaiting);
    Click(kModeOneCell, kKindGate, 2, 3);  // the same cell again
    EXPECT_TRUE(tools.gateWaiting);

    Click(kModeOneCell, kKindGate, 7, 1);
    EXPECT_FALSE(tools.gateWaiting);
    const Gate& a = GateOf(2, 3);
    const Gate& b = GateOf(7, 1);
    EXPECT_TRUE(a.present && b.present);
    EXPECT_EQ(KindOf(2, 3), kKindGate);
    EXPECT_EQ(KindOf(7, 1), kKindGate);
    EXPECT_EQ(TileOf(2, 3), 12);
    EXPECT_EQ(a.tile, 12);
    EXPECT_EQ(a.colour, b.colour);
    EXPECT_EQ(a.colour >> 24, 0xFFu);
    EXPECT_TRUE(a.x == 2 && a.y == 3 && a.partnerX == 7 && a.partnerY == 1);
    EXPECT_TRUE(b.x == 7 && b.y == 1 && b.partnerX == 2 && b.partnerY == 3);
    EXPECT_EQ(undo->Count(), 3);

    // Clicking the second end again starts nothing; the next cell does.
    Click(kModeOneCell, kKindGate, 7, 1);
    EXPECT_FALSE(tools.gateWaiting);
    Click(kModeOneCell, kKindGate, 5, 5);
    EXPECT_TRUE(tools.gateWaiting);
}

TEST_F(DrawingToolsTest, HalfMadeGateIsCancelledByOtherToolsButNotByOneWay) {
    OpenMap(10, 10);
    Click(kModeOneCell, kKindGate, 1, 1);
    Click(kModeOneCell, kKindOneWay, 4, 4);
    EXPECT_TRUE(tools.gateWaiting);
    Click(kModeOneCell, kKindStone, 4, 5);
    EXPECT_FALSE(tools.gateWaiting);
    EXPECT_EQ(tools.pendingGate.x, -1);

    Click(kModeOneCell, kKindGate, 1, 1);
    Click(kModeFill, kKindEmpty, 0, 0);  // refused, but still cancels
    EXPECT_FALSE(tools.gateWaiting);
    Click(kModeOneCell, kKindGate, 6, 6);
    EXPECT_FALSE(GateOf(1, 1).present) << "a cancelled first end never pairs";
    EXPECT_EQ(KindOf(6, 6), kKindEmpty);
}

TEST_F(DrawingToolsTest, PaintingOverAGateEndDissolvesThePair) {
    struct Case { const char* name; int mode; int kind; int endKind; };
    const Case cases[] = {
        {"one cell", kModeOneCell, kKindStone, kKindStone},
        {"fill dissolves and fills nothing", kModeFill, kKindMud, kKindMud},
        {"one-way", kModeOneCell, kKindOneWay, kKindOneWay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenMap(10, 10);
        MakePair(2, 2, 6, 6);
        Click(c.mode, c.kind, 2, 2);
        EXPECT_EQ(KindOf(2, 2), c.endKind);
        EXPECT_EQ(KindOf(6, 6), kKindEmpty);
        EXPECT_FALSE(GateOf(2, 2).present);
        EXPECT_FALSE(GateOf(6, 6).present);
        EXPECT_EQ(KindOf(3, 3), kKindEmpty) << "the fill spread past the gate";
    }
    EXPECT_EQ(TileOf(2, 2), 13);
}

TEST_F(DrawingToolsTest, NewGateEndOnAnOldOneDissolvesTheOldPair) {
    OpenMap(10, 10);
    auto linked = [&](int ax, int ay, int bx, int by) {
        const Gate& a = GateOf(ax, ay);
        const Gate& b = GateOf(bx, by);
        return a.present && b.present && a.partnerX == bx && a.partnerY == by && b.partnerX == ax &&
               b.partnerY == ay && KindOf(ax, ay) == kKindGate && KindOf(bx, by) == kKindGate;
    };
    MakePair(1, 1, 8, 8);
    // The second end lands on an old end: its old partner becomes empty space.
    MakePair(4, 0, 8, 8);
    EXPECT_TRUE(linked(4, 0, 8, 8));
    EXPECT_EQ(KindOf(1, 1), kKindEmpty);
    EXPECT_FALSE(GateOf(1, 1).present);

    // The first end lands on an old end.
    MakePair(4, 0, 2, 2);
    EXPECT_TRUE(linked(4, 0, 2, 2));
    EXPECT_EQ(KindOf(8, 8), kKindEmpty);
    EXPECT_FALSE(GateOf(8, 8).present);

    // Pairing the same two cells again keeps them a pair.
    MakePair(4, 0, 2, 2);
    EXPECT_TRUE(linked(4, 0, 2, 2));
}

TEST_F(DrawingToolsTest, GateCellWithoutItsRecordNeverReachesForAPartner) {
    OpenMap(10, 10);
    MakePair(1, 1, 8, 8);
    // A stale end: kind 8, record gone, partner fields pointing anywhere.
    SetCell(3, 3, kKindGate);
    doc->gates[3][3] = {false, 3, 3, 8, 8, 12, 0xFF000000u};
    Click(kModeOneCell, kKindStone, 3, 3);
    EXPECT_EQ(KindOf(3, 3), kKindStone);
    EXPECT_TRUE(GateOf(8, 8).present && GateOf(1, 1).present) << "another pair was touched";
    EXPECT_EQ(KindOf(8, 8), kKindGate);

    // A record whose partner lies outside the grid, or does not name it back.
    const int partners[][2] = {{500, -7}, {1, 1}};
    for (const auto& p : partners) {
        SetCell(5, 5, kKindGate);
        doc->gates[5][5] = {true, 5, 5, p[0], p[1], 12, 0xFF000000u};
        Click(kModeOneCell, kKindMud, 5, 5);
        EXPECT_EQ(KindOf(5, 5), kKindMud);
        EXPECT_FALSE(GateOf(5, 5).present);
        EXPECT_TRUE(GateOf(1, 1).present);
        EXPECT_EQ(KindOf(1, 1), kKindGate);
    }
}

TEST_F(DrawingToolsTest, OneWayCellTurnsThroughFourTilesWithoutRecords) {
    OpenMap(10, 10);
    Click(kModeOneCell, kKindOneWay, 4, 4);
    EXPECT_EQ(TileOf(4, 4), 13);
    const int turns[] = {33, 53, 73, 13, 33};
    tools.mouseDragging = true;
    for (int tile : turns) {
        ClickCell(4, 4);
        EXPECT_EQ(TileOf(4, 4), tile);
        EXPECT_EQ(KindOf(4, 4), kKindOneWay);
    }
    EXPECT_EQ(undo->Count(), 2);
}

TEST_F(DrawingToolsTest, FillOnCheckerboardPaintsOnlyTheClickedCell) {
    OpenMap(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if ((x + y) % 2) SetCell(x, y, kKindStone);
    Click(kModeFill, kKindMud, 4, 6);
    int mud = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) mud += KindOf(x, y) == kKindMud;
    EXPECT_EQ(mud, 1);
    EXPECT_EQ(KindOf(4, 6), kKindMud);
}

TEST_F(DrawingToolsTest, FillOfAWholeMapPaintsEveryCellAndRecordsNothing) {
    OpenMap(100, 100);
    EXPECT_EQ(Click(kModeFill, kKindStone, 37, 81), ToolOutcome::kApplied);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(KindOf(x, y), kKindStone);
    EXPECT_EQ(KindOf(100, 0), kKindNone) << "the grid's spare column stays outside";
    EXPECT_EQ(undo->Count(), 1);
    EXPECT_EQ(fill->count, 0);
    EXPECT_EQ(fill->entries[0].x, -1);
    EXPECT_TRUE(doc->isModified);
}

TEST_F(DrawingToolsTest, FillWithHanjiLeavesEdgesOnlyAtTheAreaBorder) {
    OpenMap(10, 10);
    for (int y = 0; y < 10; ++y) SetCell(6, y, kKindStone);
    Click(kModeFill, kKindHanji, 0, 0);
    EXPECT_EQ(KindOf(5, 9), kKindHanji);
    EXPECT_EQ(KindOf(7, 0), kKindEmpty);
    EXPECT_TRUE(EdgeOf(2, 2).present);
    EXPECT_EQ(EdgeOf(2, 2).edge, 0);
    EXPECT_TRUE(InRange(EdgeOf(5, 3).edge, 100, 104));  // stone to the right: mask 8
    EXPECT_FALSE(EdgeOf(7, 3).present);
}

TEST_F(DrawingToolsTest, FillAndCoverRefusalsLeaveTheMapUnmodified) {
    struct Case { const char* name; int mode; int kind; };
    const Case cases[] = {
        {"fill with the clicked cell's kind", kModeFill, kKindEmpty},
        {"fill with the gate kind", kModeFill, kKindGate},
        {"fill with no kind", kModeFill, kKindNone},
        {"cover with the gate kind", kModeCover, kKindGate},
        {"cover with no kind", kModeCover, kKindNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenMap(10, 10);
        EXPECT_EQ(Click(c.mode, c.kind, 3, 3), ToolOutcome::kIgnored);
        EXPECT_FALSE(doc->isModified);
        EXPECT_EQ(KindOf(3, 3), kKindEmpty);
        EXPECT_EQ(KindOf(9, 9), kKindEmpty);
    }
}

}  // namespace
