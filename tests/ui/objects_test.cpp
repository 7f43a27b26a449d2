// Upper-layer objects through the palette and the view: placed, moved,
// erased piece by piece, cleared, emptied and cancelled with the right button.

#include "editorfixture.h"

namespace {

class Objects : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        NewMap(30, 30);
    }
    // Selects a slot and loads the object image for it.
    void LoadInto(int slot) {
        Press(ui::kFirstObjectButton + slot);
        Modal().ChooseFile(DataFile(kObjectImage));
        Press(ui::kLoadButton);
    }
    const Matter& Slot(int slot) const { return Doc().matters[slot]; }
    bool HasPointAt(int slot, int column, int row) const {
        const Matter& m = Slot(slot);
        for (int i = 0; i < m.count; ++i) {
            if (m.points[i].x == static_cast<float>(column) && m.points[i].y == static_cast<float>(row)) return true;
        }
        return false;
    }
};

TEST_F(Objects, AClickAfterLoadPlacesTenByTenPiecesAroundTheCell) {
    LoadInto(2);
    ClickCell(10, 10);
    const Matter& m = Slot(2);
    EXPECT_TRUE(m.used);
    ASSERT_EQ(m.count, 100);
    EXPECT_EQ(m.points[0].x, 5.0f);
    EXPECT_EQ(m.points[0].y, 5.0f);
    EXPECT_EQ(m.points[0].piece, 0);
    EXPECT_EQ(m.points[55].x, 10.0f);
    EXPECT_EQ(m.points[55].y, 10.0f);
    EXPECT_EQ(m.points[55].piece, 55);
    EXPECT_STREQ(m.imageName, kObjectImage);
    EXPECT_EQ(Doc().matterCount, 1);
    EXPECT_EQ(Doc().upperShellCount, 1);
    EXPECT_FALSE(Tools().objectArmed);
    EXPECT_TRUE(Doc().IsModified());
    // The next click places nothing until the next "Load".
    ClickCell(20, 20);
    EXPECT_FALSE(HasPointAt(2, 20, 20));
}

TEST_F(Objects, PlacedInTheCornerOnlyTheCellsInsideTheMapArePieces) {
    LoadInto(0);
    ClickCell(0, 0);
    const Matter& m = Slot(0);
    ASSERT_EQ(m.count, 25);
    EXPECT_EQ(m.points[0].piece, 55);
    EXPECT_EQ(m.points[4].piece, 59);
    EXPECT_EQ(m.points[5].piece, 65);
    EXPECT_EQ(m.points[24].piece, 99);
}

TEST_F(Objects, PlacingAgainMovesTheObjectAndSharedImagesShareOneName) {
    LoadInto(4);
    ClickCell(10, 10);
    LoadInto(4);
    ClickCell(20, 20);
    EXPECT_EQ(Doc().matterCount, 1);
    EXPECT_TRUE(HasPointAt(4, 20, 20));
    EXPECT_FALSE(HasPointAt(4, 10, 10));
    LoadInto(9);
    ClickCell(5, 25);
    EXPECT_EQ(Doc().matterCount, 2);
    EXPECT_EQ(Doc().upperShellCount, 1);
    EXPECT_EQ(Slot(9).ref, Slot(4).ref);
}

TEST_F(Objects, TheEraserRemovesOnePieceAndKeepsTheSlotUsed) {
    LoadInto(1);
    ClickCell(10, 10);
    Press(ui::kEraserButton);
    ASSERT_EQ(Tools().drawMode, kModeEraseObject);
    ClickCell(10, 10);
    EXPECT_EQ(Slot(1).count, 99);
    EXPECT_FALSE(HasPointAt(1, 10, 10));
    ClickCell(25, 25);   // outside the object
    EXPECT_EQ(Slot(1).count, 99);
    // A drag erases every cell it enters.
    DragThrough({{6, 6}, {7, 6}, {8, 6}});
    EXPECT_EQ(Slot(1).count, 96);
    EXPECT_TRUE(Slot(1).used);
    EXPECT_EQ(Doc().matterCount, 1);
}

TEST_F(Objects, ClearKeepsTheSlotUsedWithoutPiecesAndDisarms) {
    LoadInto(3);
    ClickCell(10, 10);
    LoadInto(3);               // armed again, then cleared
    Press(ui::kClearButton);
    EXPECT_TRUE(Slot(3).used);
    EXPECT_EQ(Slot(3).count, 0);
    EXPECT_EQ(Slot(3).ref, -1);
    EXPECT_EQ(ObjectButtonText(3), "o");
    EXPECT_FALSE(Tools().objectArmed);
    ClickCell(20, 20);
    EXPECT_EQ(Slot(3).count, 0) << "nothing is placed until the next Load";
    // On a slot that never held an object only the button text changes.
    Press(ui::kFirstObjectButton + 8);
    Press(ui::kClearButton);
    EXPECT_FALSE(Slot(8).used);
    EXPECT_EQ(ObjectButtonText(8), "o");
    EXPECT_EQ(Doc().matterCount, 1);
}

TEST_F(Objects, EmptyFreesThePlacedSlotButAnImageLoadedBeforeCanStillBePlaced) {
    LoadInto(5);
    ClickCell(10, 10);
    ASSERT_EQ(Doc().matterCount, 1);
    LoadInto(5);
    Press(ui::kEmptyButton);
    EXPECT_FALSE(Slot(5).used);
    EXPECT_EQ(Slot(5).count, 0);
    EXPECT_EQ(Slot(5).ref, -1);
    EXPECT_EQ(Doc().matterCount, 0);
    EXPECT_EQ(ObjectButtonText(5), "x");
    EXPECT_TRUE(Tools().objectArmed);
    ClickCell(15, 15);
    EXPECT_TRUE(Slot(5).used);
    EXPECT_EQ(Doc().matterCount, 1);
    // "Empty" on a slot never placed leaves the count alone.
    Press(ui::kFirstObjectButton + 6);
    Press(ui::kEmptyButton);
    EXPECT_EQ(Doc().matterCount, 1);
}

TEST_F(Objects, TheRightButtonCancelsThePlacedObjectAndPicksNoKind) {
    LoadInto(7);
    ClickCell(10, 10);
    RightDown(10 * kCell + 3, 10 * kCell + 3);
    EXPECT_FALSE(Slot(7).used);
    EXPECT_EQ(Slot(7).count, 100) << "the points stay, unused";
    EXPECT_EQ(Doc().matterCount, 0);
    EXPECT_EQ(ObjectButtonText(7), "x");
    EXPECT_EQ(Tools().lowerKind, kKindNone);
    for (const int button : ui::kKindButtons) EXPECT_FALSE(Checked(button)) << button;
}

TEST_F(Objects, TheRightButtonDisarmsALoadedImage) {
    LoadInto(7);
    RightDown(10 * kCell, 10 * kCell);
    EXPECT_FALSE(Tools().objectArmed);
    ClickCell(10, 10);
    EXPECT_FALSE(Slot(7).used);
}

TEST_F(Objects, ACancelledImageDialogChangesNothing) {
    Press(ui::kFirstObjectButton + 2);
    Modal().CancelFile();
    Press(ui::kLoadButton);
    EXPECT_EQ(FileDialogs().size(), 1u);
    EXPECT_FALSE(Tools().objectArmed);
    EXPECT_EQ(ObjectButtonText(2), "x");
    ClickCell(10, 10);
    EXPECT_FALSE(Slot(2).used);
}

TEST_F(Objects, AfterAnObjectAKindOrModeButtonPaintsNoTerrainUntilAKindIsChosen) {
    Press(ui::kFirstObjectButton + 2);
    Press(ui::kFirstModeButton + kModeOneCell);
    ClickCell(4, 4);
    EXPECT_EQ(CountKind(kKindEmpty), 30 * 30);
    Press(ui::KindButton(kKindStone));
    ClickCell(4, 4);
    EXPECT_EQ(Kind(4, 4), kKindStone);
}

TEST_F(Objects, AFiftyFirstImageNameIsRefusedWithAMessageAndNothingMoves) {
    // Each new image loaded into the slot adds its name; names are never removed.
    Press(ui::kFirstObjectButton + 0);
    for (int image = 0; image <= kUpperShellNames; ++image) {
        const std::string name = "image" + std::to_string(image) + ".dds";
        Modal().ChooseFile(DataFile(name.c_str()));
        if (image == kUpperShellNames) Modal().AnswerButton(IDOK);
        Press(ui::kLoadButton);
        ClickCell(10 + image % 10, 10);
    }
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].caption, texts::kObjectCaption);
    EXPECT_EQ(Doc().upperShellCount, kUpperShellNames);
    EXPECT_STREQ(Slot(0).imageName, "image49.dds") << "the object stays where the last accepted image put it";
    EXPECT_TRUE(HasPointAt(0, 19, 10));
    EXPECT_FALSE(Tools().objectArmed) << "a drag does not repeat the refusal";
}

TEST_F(Objects, TheSelectedObjectIsDrawnOpaqueAndTheOthersTinted) {
    LoadInto(1);
    ClickCell(10, 10);
    LoadInto(2);
    ClickCell(20, 20);
    // With slot 2 selected, slot 1 is tinted and slot 2 drawn as it is.
    harness.RunFrames(1);
    const uint32_t selected = FramePixel(20 * kCell + 12, 20 * kCell + 12);
    const uint32_t tinted = FramePixel(10 * kCell + 12, 10 * kCell + 12);
    EXPECT_NE(selected, tinted);
    Press(ui::kFirstObjectButton + 1);
    harness.RunFrames(1);
    EXPECT_EQ(FramePixel(10 * kCell + 12, 10 * kCell + 12), selected) << "the same piece, now selected";
    EXPECT_EQ(FramePixel(20 * kCell + 12, 20 * kCell + 12), tinted);
}

}  // namespace
