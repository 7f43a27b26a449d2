// The main dialog's palette: every way between nothing chosen, the terrain
// side and the object side, "Load" with and without a slot, undo through its
// button, and the Assign buttons of the points and limits.

#include <algorithm>
#include <ostream>

#include "editorfixture.h"

namespace {

using Palette = EditorTest;

constexpr int kOneCellButton = ui::kFirstModeButton + kModeOneCell;
constexpr int kFillButton = ui::kFirstModeButton + kModeFill;
constexpr int kGateButton = 1026;
constexpr int kSlot7 = ui::kFirstObjectButton + 7;

struct PaletteState {
    int32_t drawMode;
    int32_t lowerKind;
    int32_t selectedMatter;
    bool lowerActive;
    bool upperActive;
};

struct TransitionCase {
    const char* what;
    std::vector<int> presses;
    PaletteState expected;
    std::vector<int> checked;   // every other palette button is unchecked
};

// Every kind, mode and object button except those a case expects checked.
std::vector<int> PaletteButtons() {
    std::vector<int> ids(std::begin(ui::kKindButtons), std::end(ui::kKindButtons));
    for (int i = 0; i < ui::kModeButtonCount; ++i) ids.push_back(ui::kFirstModeButton + i);
    for (int i = 0; i < ui::kObjectButtonCount; ++i) ids.push_back(ui::kFirstObjectButton + i);
    ids.push_back(ui::kEraserButton);
    return ids;
}

void ExpectState(const ToolState& tools, const PaletteState& expected) {
    EXPECT_EQ(tools.drawMode, expected.drawMode);
    EXPECT_EQ(tools.lowerKind, expected.lowerKind);
    EXPECT_EQ(tools.selectedMatter, expected.selectedMatter);
    EXPECT_EQ(tools.lowerPaletteActive, expected.lowerActive);
    EXPECT_EQ(tools.upperPaletteActive, expected.upperActive);
}

const TransitionCase kTransitions[] = {
    {"nothing chosen yet", {}, {kModePoint, kKindEmpty, -1, false, false}, {150, 360}},
    {"a kind", {kGateButton}, {kModePoint, kKindGate, -1, true, false}, {150, kGateButton}},
    {"a mode", {kFillButton}, {kModeFill, kKindEmpty, -1, true, false}, {kFillButton, 360}},
    {"an object button", {kSlot7}, {kModePlaceObject, kKindNone, 7, false, true}, {kSlot7}},
    {"terrain, then an object", {kOneCellButton, 362, kSlot7},
     {kModePlaceObject, kKindNone, 7, false, true}, {kSlot7}},
    {"an object, then a kind keeps placing", {kSlot7, 365},
     {kModePlaceObject, kKindFood, -1, true, false}, {365}},
    {"an object, then one cell paints nothing", {kSlot7, kOneCellButton},
     {kModeOneCell, kKindNone, -1, true, false}, {kOneCellButton}},
    {"eraser down", {kOneCellButton, ui::kEraserButton},
     {kModeEraseObject, kKindNone, -1, false, true}, {ui::kEraserButton}},
    {"eraser down, then a slot keeps erasing", {ui::kEraserButton, kSlot7},
     {kModeEraseObject, kKindNone, 7, false, true}, {ui::kEraserButton, kSlot7}},
    {"eraser down and up again", {ui::kEraserButton, ui::kEraserButton},
     {kModePlaceObject, kKindNone, -1, false, true}, {}},
    {"eraser, then a kind", {kSlot7, ui::kEraserButton, 369},
     {kModeEraseObject, kKindMine, -1, true, false}, {369}},
    {"eraser, then a mode", {ui::kEraserButton, kFillButton},
     {kModeFill, kKindNone, -1, true, false}, {kFillButton}},
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const TransitionCase& c, std::ostream* out) { *out << c.what; }

class PaletteTransition : public EditorTest, public testing::WithParamInterface<TransitionCase> {};

TEST_P(PaletteTransition, LeavesTheToolStateAndTheChecksItNames) {
    const TransitionCase& c = GetParam();
    for (const int id : c.presses) Press(id);
    ExpectState(Tools(), c.expected);
    for (const int id : PaletteButtons()) {
        const bool wanted = std::find(c.checked.begin(), c.checked.end(), id) != c.checked.end();
        EXPECT_EQ(Checked(id), wanted) << "button " << id;
    }
}

INSTANTIATE_TEST_SUITE_P(BetweenNothingTerrainAndObjects, PaletteTransition, testing::ValuesIn(kTransitions));

TEST_F(Palette, AKindAlreadyChosenChangesNothingButAModeAlwaysResets) {
    NewMap(20, 20);
    Press(kOneCellButton);
    Press(ui::KindButton(kKindStone));
    DragThrough({{1, 1}, {2, 1}});
    ASSERT_EQ(Tools().lastPaintedCell.x, 2);
    Press(ui::KindButton(kKindStone));
    EXPECT_EQ(Tools().lastPaintedCell.x, 2) << "the same kind again is no palette change";
    Press(kOneCellButton);
    EXPECT_EQ(Tools().lastPaintedCell.x, -1);
    EXPECT_EQ(Tools().lastPaintedCell.y, -1);
}

TEST_F(Palette, AboutDoesNothing) {
    NewMap(20, 20);
    Press(kOneCellButton);
    Menu(ui::kMenuAbout);
    ExpectState(Tools(), {kModeOneCell, kKindEmpty, -1, true, false});
    EXPECT_TRUE(Modal().Requests().empty());
}

TEST_F(Palette, LoadWithASlotAsksForAnImageAndLeavesPlacingOn) {
    NewMap(20, 20);
    Press(kSlot7);
    Press(ui::kEraserButton);
    ASSERT_EQ(Tools().drawMode, kModeEraseObject);
    Modal().ChooseFile(DataFile(kObjectImage));
    Press(ui::kLoadButton);
    ASSERT_EQ(FileDialogs().size(), 1u);
    const ModalRequest asked = FileDialogs()[0];
    EXPECT_EQ(asked.kind, ModalRequest::Kind::OpenFile);
    EXPECT_EQ(asked.title, texts::kImageDialogTitle);
    EXPECT_EQ(asked.filter, "DDS Files (*.DDS)|*.dds");
    EXPECT_EQ(asked.initialDir, ".\\data");
    EXPECT_EQ(asked.defaultExtension, "dds");
    EXPECT_EQ(asked.owner, harness.Dialog());
    ExpectState(Tools(), {kModePlaceObject, kKindNone, 7, false, true});
    EXPECT_FALSE(Checked(ui::kEraserButton));
    EXPECT_TRUE(Checked(kSlot7));
    EXPECT_TRUE(Tools().objectArmed);
    EXPECT_STREQ(Tools().pendingObjectImage, kObjectImage);
    EXPECT_EQ(ObjectButtonText(7), "o");
}

TEST_F(Palette, LoadWithoutASlotSaysSoAndRestoresTheKindInForce) {
    NewMap(20, 20);
    Press(kOneCellButton);
    Press(ui::KindButton(kKindFood));
    Modal().AnswerButton(IDOK);
    Press(ui::kLoadButton);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].caption, texts::kObjectCaption);
    EXPECT_EQ(MessageBoxes()[0].text, texts::kObjectNoSlot);
    EXPECT_TRUE(FileDialogs().empty());
    ExpectState(Tools(), {kModePlaceObject, kKindFood, -1, true, false});
    for (const int id : PaletteButtons()) EXPECT_FALSE(Checked(id)) << "button " << id;
    EXPECT_FALSE(Tools().objectArmed);
}

TEST_F(Palette, ObjectCommandsWithoutADocumentSaySoAndOpenNoDialog) {
    Press(kSlot7);
    for (const int id : {ui::kLoadButton, ui::kClearButton, ui::kEmptyButton}) {
        SCOPED_TRACE(id);
        Modal().Clear();
        Modal().AnswerButton(IDOK);
        Press(id);
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0].caption, texts::kObjectCaption);
        EXPECT_EQ(MessageBoxes()[0].text, texts::kObjectNoDocument);
        EXPECT_TRUE(FileDialogs().empty());
        EXPECT_EQ(Tools().upperPaletteActive, true) << "the palette switches all the same";
    }
}

TEST_F(Palette, ClearAndEmptyWithoutASlotSaySoAndStillSwitchToTheObjectSide) {
    NewMap(20, 20);
    for (const int id : {ui::kClearButton, ui::kEmptyButton}) {
        SCOPED_TRACE(id);
        Press(kOneCellButton);
        Press(ui::KindButton(kKindStone));
        Modal().Clear();
        Modal().AnswerButton(IDOK);
        Press(id);
        ASSERT_EQ(MessageBoxes().size(), 1u);
        EXPECT_EQ(MessageBoxes()[0].text, texts::kObjectNoSlot);
        ExpectState(Tools(), {kModePlaceObject, kKindNone, -1, false, true});
        for (const int button : PaletteButtons()) EXPECT_FALSE(Checked(button)) << "button " << button;
    }
}

TEST_F(Palette, UndoTakesBackTheNewestSnapshotAndDropsRequestsTooClose) {
    NewMap(20, 20);
    Press(kOneCellButton);
    Press(ui::KindButton(kKindStone));
    ClickCell(3, 3);
    ASSERT_EQ(Scene().History().Count(), 2);
    LetTimePass(0.2f);
    Press(ui::kUndoButton);
    EXPECT_EQ(Kind(3, 3), kKindStone) << "the newest snapshot is the state after the paint";
    EXPECT_EQ(Scene().History().Count(), 1);
    LetTimePass(0.1f);
    Press(ui::kUndoButton);
    EXPECT_EQ(Kind(3, 3), kKindStone) << "a second request 0.1 s later is dropped";
    LetTimePass(0.2f);
    Press(ui::kUndoButton);
    EXPECT_EQ(Kind(3, 3), kKindEmpty);
    EXPECT_EQ(Scene().History().Count(), 0);
    EXPECT_TRUE(Doc().IsModified()) << "undo leaves the modified flag";
    ExpectState(Tools(), {kModeOneCell, kKindStone, -1, true, false});
}

TEST_F(Palette, UndoTakesBackAFillTogetherWithWhatFollowedTheLastPaint) {
    NewMap(20, 20);
    Press(kOneCellButton);
    Press(ui::KindButton(kKindStone));
    ClickCell(3, 3);
    Press(kFillButton);
    Press(ui::KindButton(kKindMud));
    ClickCell(10, 10);
    ASSERT_EQ(CountKind(kKindMud), 20 * 20 - 1);
    LetTimePass(0.2f);
    Press(ui::kUndoButton);
    EXPECT_EQ(CountKind(kKindMud), 0);
    EXPECT_EQ(Kind(3, 3), kKindStone);
}

struct AssignCase {
    const char* what;
    const char* typedX;
    const char* typedY;
    int storedX;
    int storedY;
};

TEST_F(Palette, AssignStoresPointsClampedToTheMapAndShowsWhatItStored) {
    NewMap(100, 40);
    const AssignCase cases[] = {
        {"inside", "12", "30", 12, 30},
        {"past the right and bottom edges", "150", "41", 99, 39},
        {"zero", "0", "0", 0, 0},
        {"empty fields read as zero", "", "", 0, 0},
        {"past the signed range counts as below zero", "4294967295", "7", 0, 7},
    };
    for (const bool start : {true, false}) {
        const int fieldX = start ? ui::kStartX : ui::kEndX;
        const int fieldY = start ? ui::kStartY : ui::kEndY;
        for (const AssignCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (start ? " (start)" : " (end)"));
            Type(harness.Dialog(), fieldX, c.typedX);
            Type(harness.Dialog(), fieldY, c.typedY);
            Press(start ? ui::kAssignStart : ui::kAssignEnd);
            const CellPoint stored = start ? Doc().GetStartPoint() : Doc().GetEndPoint();
            EXPECT_EQ(stored.x, c.storedX);
            EXPECT_EQ(stored.y, c.storedY);
            // A field that was typed into shows the value stored from it.
            if (c.typedX[0] != '\0') {
                EXPECT_EQ(Text(fieldX), std::to_string(c.storedX));
            }
            if (c.typedY[0] != '\0') {
                EXPECT_EQ(Text(fieldY), std::to_string(c.storedY));
            }
        }
    }
    EXPECT_TRUE(Doc().IsModified()) << "the new map's flag, untouched by Assign";
    // The markers are drawn where the points were stored.
    Type(harness.Dialog(), ui::kStartX, "10");
    Type(harness.Dialog(), ui::kStartY, "10");
    Press(ui::kAssignStart);
    EXPECT_TRUE(CellShowsTile(10 * kCell, 10 * kCell, 3));
}

TEST_F(Palette, AssignStoresTheLimitsUncheckedInTheirOrder) {
    NewMap(20, 20);
    const char* typed[] = {"250", "1", "2", "3", "4", "5", "100"};
    for (int i = 0; i < ui::kLimitFieldCount; ++i) Type(harness.Dialog(), ui::kFirstLimitField + i, typed[i]);
    Press(ui::kAssignLimits);
    const int32_t expected[] = {250, 1, 2, 3, 4, 5, 100};
    for (int i = 0; i < kMaxUseCount; ++i) EXPECT_EQ(Doc().maxUse[i], expected[i]) << i;
    EXPECT_EQ(Text(ui::kFirstLimitField), "250");
}

TEST_F(Palette, AStartPointOutsideTheMapStaysWhenItsFieldsAreUnchanged) {
    NewMap(20, 20);
    Scene().SetStartPoint(50, 60);    // as a file may carry it
    Type(harness.Dialog(), ui::kStartX, "50");
    Type(harness.Dialog(), ui::kStartY, "60");
    Press(ui::kAssignStart);
    EXPECT_EQ(Doc().GetStartPoint().x, 50);
    EXPECT_EQ(Doc().GetStartPoint().y, 60);
}

}  // namespace
