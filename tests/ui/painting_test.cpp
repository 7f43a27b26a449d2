// Painting the terrain with the mouse on the view: one cell, drags, fill,
// cover, gate pairs and one-way cells, and the right-button pick.

#include "editorfixture.h"

namespace {

class Painting : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        NewMap(40, 12);
    }
    void Choose(int32_t mode, int32_t kind) {
        Press(ui::kFirstModeButton + mode);
        Press(ui::KindButton(kind));
    }
};

TEST_F(Painting, OneClickPaintsOneCellAndRecordsItForUndo) {
    Choose(kModeOneCell, kKindStone);
    ClickCell(5, 6);
    EXPECT_EQ(Kind(5, 6), kKindStone);
    EXPECT_TRUE(Tile(5, 6) == 7 || Tile(5, 6) == 27) << Tile(5, 6);
    EXPECT_EQ(CountKind(kKindStone), 1);
    EXPECT_EQ(Scene().History().Count(), 2);
    EXPECT_TRUE(CellShowsTile(5 * kCell, 6 * kCell, Tile(5, 6)));
    // The same kind again changes nothing and records nothing.
    ClickCell(5, 6);
    EXPECT_EQ(Scene().History().Count(), 2);
}

TEST_F(Painting, ClicksDoNothingInPointModeOrOutsideTheMap) {
    Press(ui::KindButton(kKindStone));   // mode stays "포인트"
    ClickCell(5, 6);
    EXPECT_EQ(CountKind(kKindStone), 0);
    Press(ui::kFirstModeButton + kModeOneCell);
    ClickCell(40, 3);                    // column 40 is past the map
    ClickCell(3, 12);
    EXPECT_EQ(CountKind(kKindStone), 0);
    EXPECT_EQ(Scene().History().Count(), 1);
}

TEST_F(Painting, ADragPaintsEveryCellItEntersAndEndsOnRelease) {
    Choose(kModeOneCell, kKindMud);
    DragThrough({{2, 2}, {3, 2}, {4, 2}, {4, 3}});
    for (const CellPoint c : {CellPoint{2, 2}, CellPoint{3, 2}, CellPoint{4, 2}, CellPoint{4, 3}}) {
        EXPECT_EQ(Kind(c.x, c.y), kKindMud) << c.x << "," << c.y;
    }
    EXPECT_EQ(CountKind(kKindMud), 4);
    EXPECT_EQ(Scene().History().Count(), 1 + 4);
    MoveTo(8 * kCell + 5, 8 * kCell + 5);   // the button is up: no paint
    EXPECT_EQ(Kind(8, 8), kKindEmpty);
}

TEST_F(Painting, ADragStartedOutsideTheMapPaintsOnceItEntersIt) {
    Choose(kModeOneCell, kKindFood);
    LeftDown(40 * kCell + 5, 5 * kCell);    // right of the map's last column
    EXPECT_TRUE(Tools().mouseDragging);
    MoveTo(39 * kCell + 5, 5 * kCell + 5);
    LeftUp(39 * kCell + 5, 5 * kCell + 5);
    EXPECT_EQ(Kind(39, 5), kKindFood);
}

TEST_F(Painting, MovingOntoTheDialogsBackgroundEndsTheDrag) {
    Choose(kModeOneCell, kKindFilth);
    LeftDown(kCell / 2, 5 * kCell + 2);
    PostMessageA(harness.Dialog(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(820, 500));
    harness.DeliverMessages();
    EXPECT_FALSE(Tools().mouseDragging);
    MoveTo(3 * kCell + 2, 5 * kCell + 2);   // back over the view, button still held
    EXPECT_EQ(Kind(0, 5), kKindFilth);
    EXPECT_EQ(Kind(3, 5), kKindEmpty);
}

TEST_F(Painting, HanjiPressedAndMovedInTheSameCellPaintsItTwice) {
    Choose(kModeOneCell, kKindHanji);
    LeftDown(6 * kCell + 2, 6 * kCell + 2);
    MoveTo(6 * kCell + 9, 6 * kCell + 9);
    MoveTo(6 * kCell + 15, 6 * kCell + 15);
    LeftUp(6 * kCell + 15, 6 * kCell + 15);
    EXPECT_EQ(Kind(6, 6), kKindHanji);
    EXPECT_EQ(Scene().History().Count(), 1 + 2);
    // Alone among other terrain it gets an edge on every side.
    const SizzleShell& edges = Doc().sizzleShells[6][6];
    EXPECT_TRUE(edges.present);
    EXPECT_GE(edges.edge, 125);
    EXPECT_LE(edges.edge, 129);
}

TEST_F(Painting, FillPaintsTheConnectedAreaOnlyAndTakesNoUndoRecord) {
    // A stone wall down column 10 splits the map.
    Choose(kModeOneCell, kKindStone);
    std::vector<CellPoint> wall;
    for (int row = 0; row < 12; ++row) wall.push_back({10, row});
    DragThrough(wall);
    const int32_t recorded = Scene().History().Count();
    Choose(kModeFill, kKindTrap);
    ClickCell(3, 7);
    EXPECT_EQ(CountKind(kKindTrap), 10 * 12);
    EXPECT_EQ(Kind(11, 0), kKindEmpty);
    EXPECT_EQ(CountKind(kKindStone), 12);
    EXPECT_EQ(Scene().History().Count(), recorded);
}

TEST_F(Painting, FillRefusesTheGateAndTheKindAlreadyThere) {
    Scene().SetModified(false);   // as after a save: only a real edit marks it again
    for (const int32_t kind : {kKindGate, kKindEmpty}) {
        Choose(kModeFill, kind);
        ClickCell(3, 7);
        EXPECT_EQ(CountKind(kKindEmpty), 40 * 12) << kind;
        EXPECT_FALSE(Doc().IsModified()) << kind;
    }
}

TEST_F(Painting, CoverWithHanjiMakesEveryCellHanjiWithoutEdges) {
    Choose(kModeCover, kKindHanji);
    ClickCell(0, 5);
    EXPECT_EQ(CountKind(kKindHanji), 40 * 12);
    for (const CellPoint c : {CellPoint{0, 0}, CellPoint{39, 11}, CellPoint{20, 6}}) {
        const SizzleShell& edges = Doc().sizzleShells[c.y][c.x];
        EXPECT_TRUE(edges.present);
        EXPECT_EQ(edges.edge, 0);
        EXPECT_EQ(edges.upperRight, -1);
        EXPECT_EQ(edges.lowerLeft, -1);
    }
}

// A first gate end still waiting for its partner belongs to the map it was
// clicked on: New, Open and Close forget it, so it never pairs across maps.
TEST_F(Painting, AWaitingGateEndIsForgottenWithItsMap) {
    ASSERT_TRUE(Scene().WriteMapFile(DataFile("other.qrd").c_str()));
    for (const char* leave : {"New", "Open", "Close"}) {
        SCOPED_TRACE(leave);
        if (!Scene().IsOpen()) NewMap(40, 12);
        Choose(kModeOneCell, kKindGate);
        ClickCell(4, 4);
        ASSERT_TRUE(Tools().gateWaiting);
        Modal().AnswerButton(IDNO);   // the map was changed: leave it unsaved
        if (leave == std::string("New")) {
            NewMap(40, 12);
        } else if (leave == std::string("Open")) {
            Modal().ChooseFile(DataFile("other.qrd"));
            Menu(ui::kMenuOpen);
        } else {
            Menu(ui::kMenuClose);
        }
        EXPECT_FALSE(Tools().gateWaiting);
        EXPECT_FALSE(Tools().pendingGate.present);
        EXPECT_EQ(Modal().Unused(), 0u);
    }
}

TEST_F(Painting, TwoClicksMakeALinkedGatePairAndAnotherKindDissolvesIt) {
    Choose(kModeOneCell, kKindGate);
    ClickCell(4, 4);
    EXPECT_EQ(Kind(4, 4), kKindEmpty) << "the first end waits unpainted";
    EXPECT_TRUE(Tools().gateWaiting);
    ClickCell(20, 8);
    ASSERT_EQ(Kind(4, 4), kKindGate);
    ASSERT_EQ(Kind(20, 8), kKindGate);
    const Gate& a = Doc().gates[4][4];
    const Gate& b = Doc().gates[8][20];
    EXPECT_TRUE(a.present && b.present);
    EXPECT_EQ(a.partnerX, 20);
    EXPECT_EQ(a.partnerY, 8);
    EXPECT_EQ(b.partnerX, 4);
    EXPECT_EQ(b.partnerY, 4);
    EXPECT_EQ(a.colour, b.colour);
    EXPECT_EQ(Tile(4, 4), 12);
    EXPECT_EQ(Scene().History().Count(), 1 + 2);
    // Drawn as tile 12 in the pair's tint: each channel of an opaque texel
    // scaled by the tint's.
    harness.RunFrames(1);
    int dx = 0, dy = 0;
    while (dy < kCell && (SheetTexel(12, dx, dy) >> 24) != 0xFF) {
        if (++dx == kCell) dx = 0, ++dy;
    }
    ASSERT_LT(dy, kCell) << "the gate tile has an opaque texel";
    const uint32_t texel = SheetTexel(12, dx, dy);
    const uint32_t shown = FramePixel(4 * kCell + dx, 4 * kCell + dy);
    for (const int shift : {0, 8, 16}) {
        const int expected = static_cast<int>(((texel >> shift) & 0xFF) * ((a.colour >> shift) & 0xFF) / 255);
        EXPECT_NEAR(static_cast<int>((shown >> shift) & 0xFF), expected, 1) << "channel at bit " << shift;
    }

    Press(ui::KindButton(kKindMine));
    ClickCell(20, 8);
    EXPECT_EQ(Kind(20, 8), kKindMine);
    EXPECT_EQ(Kind(4, 4), kKindEmpty);
    EXPECT_FALSE(Doc().gates[4][4].present);
    EXPECT_FALSE(Doc().gates[8][20].present);
}

TEST_F(Painting, OneWayCellsTurnThroughFourTilesOnEachClick) {
    Choose(kModeOneCell, kKindOneWay);
    const int32_t expected[] = {13, 33, 53, 73, 13};
    for (const int32_t tile : expected) {
        ClickCell(7, 7);
        EXPECT_EQ(Kind(7, 7), kKindOneWay);
        EXPECT_EQ(Tile(7, 7), tile);
    }
    EXPECT_EQ(Scene().History().Count(), 2) << "only the first click paints; turning records nothing";
}

struct PickCase {
    int32_t kind;   // painted at (8, 8) and then picked
    int button;
};

TEST_F(Painting, TheRightButtonPicksTheKindUnderThePointerAndChecksItsButton) {
    const PickCase cases[] = {
        {kKindGate, 1026}, {kKindTrap, 370}, {kKindWormHole, 364}, {kKindHanji, 361}, {kKindOneWay, 368},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.kind);
        Choose(kModeOneCell, c.kind);
        ClickCell(8, 8);
        if (c.kind == kKindGate) ClickCell(9, 9);
        Press(ui::KindButton(kKindEmpty));
        RightDown(8 * kCell + 3, 8 * kCell + 3);
        EXPECT_EQ(Tools().lowerKind, c.kind);
        EXPECT_TRUE(Checked(c.button));
        EXPECT_FALSE(Checked(ui::KindButton(kKindEmpty)));
        EXPECT_EQ(Tools().drawMode, kModeOneCell) << "the pick changes neither the mode";
        EXPECT_TRUE(Tools().lowerPaletteActive) << "nor the palette";
    }
}

TEST_F(Painting, APickOutsideTheMapKeepsTheKindInForce) {
    Choose(kModeOneCell, kKindFood);
    RightDown(41 * kCell, 3 * kCell);
    EXPECT_EQ(Tools().lowerKind, kKindFood);
    EXPECT_TRUE(Checked(ui::KindButton(kKindFood)));
}

}  // namespace
