// New map through its dialog: the typed sides, their clamping, Cancel, and
// what a new map keeps from the document before it.

#include "editorfixture.h"
#include "newmap.h"

namespace {

using NewMapDialog = EditorTest;

TEST_F(NewMapDialog, FortyByTwelveMakesFortyColumnsOfEmptySpaceInTwelveRows) {
    NewMap(40, 12);
    EXPECT_TRUE(Doc().IsOpen());
    EXPECT_TRUE(Doc().IsModified()) << "a new map asks before it is dropped";
    EXPECT_EQ(Doc().GetWidth(), 40);
    EXPECT_EQ(Doc().GetHeight(), 12);
    EXPECT_STREQ(Doc().lowerShellImage, "map.dds");
    EXPECT_EQ(CountKind(kKindEmpty), 40 * 12);
    EXPECT_EQ(Kind(39, 11), kKindEmpty);
    EXPECT_EQ(Tile(39, 11), 2);
    EXPECT_EQ(Kind(40, 11), kKindNone);
    EXPECT_EQ(Kind(39, 12), kKindNone);
    EXPECT_EQ(Scene().History().Count(), 1);
    EXPECT_TRUE(Modal().Requests().empty());
    // 40 columns scroll by 8 cells; 12 rows fit and keep the one-pixel range.
    int low = -1, high = -1;
    GetScrollRange(harness.View(), SB_HORZ, &low, &high);
    EXPECT_EQ(high, 8 * kCell);
    GetScrollRange(harness.View(), SB_VERT, &low, &high);
    EXPECT_EQ(high, 1);
    EXPECT_TRUE(CellShowsTile(10 * kCell, 10 * kCell, 2));
    EXPECT_FALSE(CellShowsTile(10 * kCell, 10 * kCell, 7));
}

struct SideCase {
    const char* typed;
    int side;
};

TEST_F(NewMapDialog, TypedSidesAreClampedToTenThroughHundred) {
    const SideCase cases[] = {
        {"", 10},    {"0", 10},   {"5", 10},   {"9", 10},   {"10", 10},         {"100", 100},
        {"101", 100}, {"150", 100}, {"500", 100}, {"2147483648", 10}, {"99999999999", 10},
    };
    for (const SideCase& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        // Width and height are read from their own fields: type the case into
        // one and a known value into the other, then the other way round.
        for (const bool intoWidth : {true, false}) {
            Modal().AnswerButton(IDNO);  // the previous map is dropped unsaved
            const HWND dialog = OpenNewMapDialog();
            ASSERT_NE(dialog, nullptr);
            Type(dialog, intoWidth ? kNewMapWidthField : kNewMapHeightField, c.typed);
            Type(dialog, intoWidth ? kNewMapHeightField : kNewMapWidthField, "37");
            ClickDialogButton(dialog, IDOK);
            EXPECT_EQ(Doc().GetWidth(), intoWidth ? c.side : 37);
            EXPECT_EQ(Doc().GetHeight(), intoWidth ? 37 : c.side);
            EXPECT_EQ(CountKind(kKindEmpty), c.side * 37);
            Modal().Clear();
        }
    }
}

TEST_F(NewMapDialog, CancelAndTheCloseBoxLeaveTheDocumentAsItWas) {
    NewMap(20, 15);
    Press(ui::kFirstModeButton + kModeOneCell);
    Press(ui::KindButton(kKindStone));
    ClickCell(3, 4);
    for (const bool closeBox : {false, true}) {
        Modal().AnswerButton(IDNO);
        const HWND dialog = OpenNewMapDialog();
        ASSERT_NE(dialog, nullptr);
        Type(dialog, kNewMapWidthField, "50");
        Type(dialog, kNewMapHeightField, "50");
        if (closeBox) {
            PostMessageA(dialog, WM_CLOSE, 0, 0);
            harness.DeliverMessages();
        } else {
            ClickDialogButton(dialog, IDCANCEL);
        }
        EXPECT_FALSE(IsWindow(dialog));
        EXPECT_EQ(Doc().GetWidth(), 20);
        EXPECT_EQ(Kind(3, 4), kKindStone);
        EXPECT_TRUE(Doc().IsModified());
    }
}

TEST_F(NewMapDialog, EachOpenCopyActsOnItsOwn) {
    const HWND first = OpenNewMapDialog();
    const HWND second = OpenNewMapDialog();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    Type(first, kNewMapWidthField, "30");
    Type(first, kNewMapHeightField, "30");
    Type(second, kNewMapWidthField, "60");
    Type(second, kNewMapHeightField, "70");
    ClickDialogButton(second, IDOK);
    EXPECT_EQ(Doc().GetWidth(), 60);
    EXPECT_TRUE(IsWindow(first));
    ClickDialogButton(first, IDOK);
    EXPECT_EQ(Doc().GetWidth(), 30);
    EXPECT_EQ(Doc().GetHeight(), 30);
}

TEST_F(NewMapDialog, ANewMapDropsTheObjectsButKeepsPointsAndLimits) {
    NewMap(30, 30);
    // An object placed in slot 3.
    Press(ui::kFirstObjectButton + 3);
    Modal().ChooseFile(DataFile(kObjectImage));
    Press(ui::kLoadButton);
    ClickCell(10, 10);
    ASSERT_EQ(Doc().matterCount, 1);
    ASSERT_EQ(ObjectButtonText(3), "o");
    // Points and limits typed and assigned.
    Type(harness.Dialog(), ui::kStartX, "4");
    Type(harness.Dialog(), ui::kStartY, "6");
    Press(ui::kAssignStart);
    Type(harness.Dialog(), ui::kFirstLimitField, "7");
    Press(ui::kAssignLimits);

    Modal().AnswerButton(IDNO);
    NewMap(12, 12);
    EXPECT_EQ(Doc().matterCount, 0);
    EXPECT_EQ(Doc().upperShellCount, 0);
    EXPECT_FALSE(Doc().matters[3].used);
    for (int slot = 0; slot < kObjectButtonCount; ++slot) EXPECT_EQ(ObjectButtonText(slot), "x") << slot;
    EXPECT_EQ(Doc().GetStartPoint().x, 4);
    EXPECT_EQ(Doc().GetStartPoint().y, 6);
    EXPECT_EQ(Doc().maxUse[0], 7);
    EXPECT_EQ(Text(ui::kStartX), "4");
    EXPECT_EQ(Text(ui::kStartY), "6");
    EXPECT_EQ(Text(ui::kFirstLimitField), "7");
}

}  // namespace
