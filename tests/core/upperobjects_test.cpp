#include <gtest/gtest.h>

#include <string>

#include "toolsfixture.h"

namespace {

class UpperObjectsTest : public ToolsTest {
protected:
    void SetUp() override {
        ToolsTest::SetUp();
        OpenMap(20, 20);
    }

    // "Load" with a chosen file, then a click in the view, as the editor does them.
    void LoadAndPlace(int slot, const char* image, int x, int y) {
        tools.selectedMatter = slot;
        ASSERT_EQ(objects.CheckObjectCommand(), ObjectCommandResult::kDone);
        ASSERT_TRUE(objects.ArmObject(image));
        Click(kModePlaceObject, kKindNone, x, y);
    }

    const Matter& Slot(int slot) const { return doc->matters[slot]; }
};

TEST_F(UpperObjectsTest, PlacedBlockIsClippedToTheMapWithPiecesByOffset) {
    LoadAndPlace(0, "tree.dds", 0, 0);
    const Matter& corner = Slot(0);
    ASSERT_EQ(corner.count, 25);
    int i = 0;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 5; ++column, ++i) {
            EXPECT_EQ(corner.points[i].x, column);
            EXPECT_EQ(corner.points[i].y, row);
            EXPECT_EQ(corner.points[i].piece, 55 + 10 * row + column);
        }

    LoadAndPlace(1, "tree.dds", 10, 10);
    const Matter& whole = Slot(1);
    ASSERT_EQ(whole.count, 100);
    EXPECT_TRUE(whole.points[0].x == 5 && whole.points[0].y == 5 && whole.points[0].piece == 0);
    EXPECT_TRUE(whole.points[55].x == 10 && whole.points[55].y == 10 && whole.points[55].piece == 55);
    EXPECT_TRUE(whole.points[99].x == 14 && whole.points[99].y == 14);

    EXPECT_TRUE(whole.used);
    EXPECT_STREQ(whole.imageName, "tree.dds");
    EXPECT_EQ(whole.ref, corner.ref) << "one name shared by both slots";
    EXPECT_EQ(doc->upperShellCount, 1);
    EXPECT_EQ(doc->matterCount, 2);
    EXPECT_EQ(dialog.buttons[1], "o");
    EXPECT_FALSE(tools.objectArmed);
    EXPECT_TRUE(doc->isModified);
}

TEST_F(UpperObjectsTest, PlacingAgainMovesTheObjectAndCountsItOnce) {
    LoadAndPlace(3, "rock.dds", 10, 10);
    LoadAndPlace(3, "hut.dds", 19, 19);
    EXPECT_EQ(doc->matterCount, 1);
    EXPECT_EQ(Slot(3).count, 36);  // cells 14..19 both ways
    EXPECT_EQ(Slot(3).points[0].x, 14);
    EXPECT_STREQ(Slot(3).imageName, "hut.dds");
    EXPECT_EQ(Slot(3).ref, 1);
    EXPECT_STREQ(doc->upperShellNames[0], "rock.dds") << "names are never removed";
}

TEST_F(UpperObjectsTest, EraserRemovesOnlyPiecesOnTheCell) {
    LoadAndPlace(2, "tree.dds", 10, 10);
    tools.drawMode = kModeEraseObject;
    ClickCell(10, 10);
    ASSERT_EQ(Slot(2).count, 99);
    EXPECT_EQ(Slot(2).points[55].piece, 56) << "later points move down in order";
    ClickCell(0, 0);
    EXPECT_EQ(Slot(2).count, 99);
    EXPECT_TRUE(Slot(2).used);
    EXPECT_EQ(doc->matterCount, 1);

    tools.selectedMatter = -1;
    ClickCell(11, 11);
    EXPECT_EQ(Slot(2).count, 99);
}

TEST_F(UpperObjectsTest, SlotCommandsMoveBetweenEmptyPlacedAndCleared) {
    // Empty on a slot never placed.
    tools.selectedMatter = 4;
    EXPECT_EQ(objects.EmptyObjectSlot(), ObjectCommandResult::kDone);
    EXPECT_EQ(doc->matterCount, 0);
    EXPECT_EQ(dialog.buttons[4], "x");

    // Clear on an empty slot changes only the button.
    EXPECT_EQ(objects.ClearObjectSlot(), ObjectCommandResult::kDone);
    EXPECT_EQ(dialog.buttons[4], "o");
    EXPECT_FALSE(Slot(4).used);

    // Clear on a placed slot: used, no points, no image, disarmed.
    LoadAndPlace(4, "tree.dds", 5, 5);
    ASSERT_TRUE(objects.ArmObject("tree.dds"));
    objects.ClearObjectSlot();
    EXPECT_TRUE(Slot(4).used);
    EXPECT_EQ(Slot(4).count, 0);
    EXPECT_EQ(Slot(4).ref, -1);
    EXPECT_FALSE(tools.objectArmed);
    EXPECT_EQ(doc->matterCount, 1);

    // Empty on it frees it; an armed image stays armed.
    ASSERT_TRUE(objects.ArmObject("rock.dds"));
    objects.EmptyObjectSlot();
    EXPECT_FALSE(Slot(4).used);
    EXPECT_EQ(doc->matterCount, 0);
    EXPECT_EQ(dialog.buttons[4], "x");
    EXPECT_TRUE(tools.objectArmed);
    EXPECT_STREQ(tools.pendingObjectImage, "rock.dds");
}

TEST_F(UpperObjectsTest, RightClickUnplacesButKeepsThePoints) {
    LoadAndPlace(7, "tree.dds", 10, 10);
    objects.CancelObject();
    EXPECT_FALSE(Slot(7).used);
    EXPECT_EQ(Slot(7).count, 100);
    EXPECT_EQ(doc->matterCount, 0);
    EXPECT_EQ(dialog.buttons[7], "x");
    objects.CancelObject();
    EXPECT_EQ(doc->matterCount, 0) << "a slot not in use is not counted twice";

    // With no slot selected it only disarms.
    ASSERT_TRUE(objects.ArmObject("tree.dds"));
    tools.selectedMatter = -1;
    objects.CancelObject();
    EXPECT_FALSE(tools.objectArmed);
}

TEST_F(UpperObjectsTest, CommandsRefuseWithoutDocumentOrSlotAndChangeNothing) {
    LoadAndPlace(1, "tree.dds", 10, 10);
    struct Case { bool open; int slot; ObjectCommandResult why; };
    const Case cases[] = {
        {false, 1, ObjectCommandResult::kNoDocument},
        {true, -1, ObjectCommandResult::kNoSlotSelected},
        {true, 50, ObjectCommandResult::kNoSlotSelected},
    };
    for (const Case& c : cases) {
        doc->isOpen = c.open;
        tools.selectedMatter = c.slot;
        dialog.buttons[1] = "unchanged";
        EXPECT_EQ(objects.CheckObjectCommand(), c.why);
        EXPECT_EQ(objects.EmptyObjectSlot(), c.why);
        EXPECT_EQ(objects.ClearObjectSlot(), c.why);
        EXPECT_TRUE(Slot(1).used);
        EXPECT_EQ(Slot(1).count, 100);
        EXPECT_EQ(doc->matterCount, 1);
        EXPECT_EQ(dialog.buttons[1], "unchanged");
    }
    doc->isOpen = true;
    tools.selectedMatter = -1;
    tools.objectArmed = true;
    Click(kModePlaceObject, kKindNone, 3, 3);
    EXPECT_EQ(doc->matterCount, 1);
}

TEST_F(UpperObjectsTest, ArmingNeedsANameThatFits) {
    tools.selectedMatter = 0;
    const std::string tooLong(kNameSize, 'a');
    for (const char* name : {"", tooLong.c_str()}) {
        EXPECT_FALSE(objects.ArmObject(name));
        EXPECT_FALSE(tools.objectArmed);
        EXPECT_EQ(dialog.buttons[0], "");
    }
    EXPECT_TRUE(objects.ArmObject(std::string(kNameSize - 1, 'b').c_str()));
}

TEST_F(UpperObjectsTest, FiftyFirstImageNameIsRefusedAndReported) {
    for (int i = 0; i < kUpperShellNames; ++i) {
        LoadAndPlace(i, ("image" + std::to_string(i) + ".dds").c_str(), 10, 10);
    }
    ASSERT_EQ(doc->upperShellCount, kUpperShellNames);
    doc->isModified = false;

    tools.selectedMatter = 0;
    ASSERT_TRUE(objects.ArmObject("one-too-many.dds"));
    EXPECT_EQ(Click(kModePlaceObject, kKindNone, 2, 2), ToolOutcome::kNameListFull);
    EXPECT_EQ(doc->upperShellCount, kUpperShellNames);
    EXPECT_STREQ(Slot(0).imageName, "image0.dds");
    EXPECT_EQ(Slot(0).points[0].x, 5);
    EXPECT_FALSE(doc->isModified);
    EXPECT_FALSE(tools.objectArmed) << "a drag would otherwise repeat the refusal";

    // A name already in the list still places.
    ASSERT_TRUE(objects.ArmObject("image7.dds"));
    EXPECT_EQ(Click(kModePlaceObject, kKindNone, 2, 2), ToolOutcome::kApplied);
    EXPECT_EQ(Slot(0).ref, 7);
}

}  // namespace
