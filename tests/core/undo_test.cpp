#include <gtest/gtest.h>

#include <cstring>

#include "toolsfixture.h"

namespace {

class UndoTest : public ToolsTest {
protected:
    // A request late enough not to be dropped.
    bool UndoLater() {
        undo->AdvanceTimer(0.2f);
        return undo->Undo(*doc);
    }

    bool GridsEqual(const UndoSnapshot& s) const {
        return std::memcmp(s.lowerShells, doc->lowerShells, sizeof s.lowerShells) == 0 &&
               std::memcmp(s.sizzleShells, doc->sizzleShells, sizeof s.sizzleShells) == 0;
    }

    std::unique_ptr<UndoSnapshot> Snap() const {
        auto s = std::make_unique<UndoSnapshot>();
        std::memcpy(s->lowerShells, doc->lowerShells, sizeof s->lowerShells);
        std::memcpy(s->sizzleShells, doc->sizzleShells, sizeof s->sizzleShells);
        return s;
    }
};

TEST_F(UndoTest, RestartHoldsTheStartingMapWhichOneUndoRestores) {
    OpenMap(12, 12, kKindHanji);
    const auto start = Snap();
    EXPECT_EQ(undo->Count(), 1);
    doc->lowerShells[3][3] = {kKindStone, 7};  // an unrecorded change
    EXPECT_TRUE(UndoLater());
    EXPECT_TRUE(GridsEqual(*start));
    EXPECT_EQ(undo->Count(), 0);
    EXPECT_FALSE(UndoLater());
    EXPECT_TRUE(GridsEqual(*start));
}

TEST_F(UndoTest, FirstUndoAfterAPaintKeepsItTheSecondRemovesIt) {
    OpenMap(10, 10);
    const auto before = Snap();
    Click(kModeOneCell, kKindStone, 2, 2);
    const auto after = Snap();
    ASSERT_EQ(undo->Count(), 2);
    UndoLater();
    EXPECT_TRUE(GridsEqual(*after));
    EXPECT_EQ(undo->Count(), 1);
    UndoLater();
    EXPECT_TRUE(GridsEqual(*before));
}

TEST_F(UndoTest, UnrecordedFillIsTakenBackByTheNextUndo) {
    OpenMap(10, 10);
    Click(kModeOneCell, kKindStone, 0, 0);
    Click(kModeFill, kKindMud, 5, 5);
    ASSERT_EQ(KindOf(9, 9), kKindMud);
    UndoLater();
    EXPECT_EQ(KindOf(9, 9), kKindEmpty);
    EXPECT_EQ(KindOf(0, 0), kKindStone);
    UndoLater();
    EXPECT_EQ(KindOf(0, 0), kKindEmpty);
}

TEST_F(UndoTest, RequestsCloserThanAFractionOfASecondAreDropped) {
    OpenMap(10, 10);
    for (int i = 0; i < 4; ++i) Click(kModeOneCell, i % 2 ? kKindMud : kKindStone, i, 0);
    ASSERT_EQ(undo->Count(), 5);
    EXPECT_TRUE(UndoLater());
    undo->AdvanceTimer(0.1f);
    EXPECT_FALSE(undo->Undo(*doc)) << "0.1 s after the last one";
    EXPECT_EQ(undo->Count(), 4);
    undo->AdvanceTimer(0.1f);  // the dropped request did not restart the timer
    EXPECT_TRUE(undo->Undo(*doc));
    EXPECT_EQ(undo->Count(), 3);
    EXPECT_FLOAT_EQ(undo->Timer(), 0.0f);

    undo->AdvanceTimer(25.0f);
    EXPECT_FLOAT_EQ(undo->Timer(), kUndoTimerCap);
    // An empty history still restarts the timer.
    while (undo->Count() > 0) UndoLater();
    undo->AdvanceTimer(1.0f);
    EXPECT_FALSE(undo->Undo(*doc));
    EXPECT_FLOAT_EQ(undo->Timer(), 0.0f);
}

TEST_F(UndoTest, FullHistoryDropsTheOldestAndUndoesNewestFirst) {
    OpenMap(100, 100);
    // 210 paints on distinct cells: 211 snapshots asked for, the last 200 kept.
    const int paints = 210;
    for (int i = 0; i < paints; ++i) Click(kModeOneCell, kKindStone, i % 100, i / 100);
    EXPECT_EQ(undo->Count(), kUndoSnapshots);
    for (int i = paints - 1; i >= paints - kUndoSnapshots; --i) {
        ASSERT_TRUE(UndoLater());
        // Snapshot i holds paints 0..i: cell i painted, cell i + 1 not.
        ASSERT_EQ(KindOf(i % 100, i / 100), kKindStone) << i;
        ASSERT_EQ(KindOf((i + 1) % 100, (i + 1) / 100), kKindEmpty) << i;
    }
    EXPECT_EQ(undo->Count(), 0);
    EXPECT_FALSE(UndoLater());
    EXPECT_EQ(KindOf(9, 0), kKindStone) << "the oldest kept snapshot stays in the grids";
}

TEST_F(UndoTest, RestoresTerrainOnlyNotGatesObjectsOrFlags) {
    OpenMap(10, 10);
    MakePair(1, 1, 5, 5);
    doc->maxUse[2] = 9;
    doc->startPoint = {3, 4};
    doc->matters[0].used = true;
    for (int i = 0; i < 3; ++i) UndoLater();  // the pair's two records, then the map's start
    EXPECT_EQ(KindOf(1, 1), kKindEmpty);
    EXPECT_EQ(KindOf(5, 5), kKindEmpty);
    EXPECT_TRUE(GateOf(1, 1).present && GateOf(5, 5).present);
    EXPECT_TRUE(doc->isModified);
    EXPECT_EQ(doc->maxUse[2], 9);
    EXPECT_EQ(doc->startPoint.x, 3);
    EXPECT_TRUE(doc->matters[0].used);

    // Undoing a dissolution brings back gate cells without records, which a
    // later paint over them handles safely.
    OpenMap(10, 10);
    MakePair(1, 1, 5, 5);
    Click(kModeOneCell, kKindStone, 1, 1);
    for (int i = 0; i < 3; ++i) UndoLater();  // back to the state right after the pair was made
    EXPECT_EQ(KindOf(1, 1), kKindGate);
    EXPECT_FALSE(GateOf(1, 1).present);
    Click(kModeOneCell, kKindMud, 1, 1);
    EXPECT_EQ(KindOf(1, 1), kKindMud);
    EXPECT_EQ(KindOf(5, 5), kKindGate);
}

}  // namespace
