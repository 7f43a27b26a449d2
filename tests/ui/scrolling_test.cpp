// The view's scroll bars: line, page and thumb steps in whole cells, the
// one-pixel range of a map that fits, no document, and clicks and frames
// after scrolling.

#include "editorfixture.h"

namespace {

using Scrolling = EditorTest;

struct ScrollStep {
    WORD code;
    WORD thumb;
};

struct ScrollCase {
    const char* what;
    std::vector<ScrollStep> steps;
    int horizontal;   // where each bar ends, in pixels: 100 columns
    int vertical;     // scroll 68 cells (1632), 100 rows 75 (1800)
};

TEST_F(Scrolling, StepsMoveWholeCellsWithinTheRangeAndTheViewWithThem) {
    NewMap(100, 100);
    const ScrollCase cases[] = {
        {"line right", {{SB_LINEDOWN, 0}}, 24, 24},
        {"line left at the origin", {{SB_LINEUP, 0}}, 0, 0},
        {"page right", {{SB_PAGEDOWN, 0}}, 96, 96},
        {"page right then line left", {{SB_PAGEDOWN, 0}, {SB_LINEUP, 0}}, 72, 72},
        {"page left past the origin", {{SB_LINEDOWN, 0}, {SB_PAGEUP, 0}}, 0, 0},
        {"thumb to 50 rounds down to a cell", {{SB_THUMBTRACK, 50}}, 48, 48},
        {"thumb position changes nothing", {{SB_THUMBTRACK, 120}, {SB_THUMBPOSITION, 300}}, 120, 120},
        {"end of the thumb drag changes nothing", {{SB_THUMBTRACK, 72}, {SB_ENDSCROLL, 0}}, 72, 72},
        {"page near the end stops at the end", {{SB_THUMBTRACK, 1608}, {SB_PAGEDOWN, 0}}, 1632, 1704},
        {"thumb past the end stops at the end", {{SB_THUMBTRACK, 2000}}, 1632, 1800},
    };
    for (const UINT message : {WM_HSCROLL, WM_VSCROLL}) {
        const bool across = message == WM_HSCROLL;
        const int bar = across ? SB_HORZ : SB_VERT;
        for (const ScrollCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (across ? " (horizontal)" : " (vertical)"));
            // Back to the origin from wherever the last case left the bars.
            ScrollMessage(WM_HSCROLL, SB_THUMBTRACK, 0);
            ScrollMessage(WM_VSCROLL, SB_THUMBTRACK, 0);
            for (const ScrollStep& step : c.steps) ScrollMessage(message, step.code, step.thumb);
            const int expected = across ? c.horizontal : c.vertical;
            EXPECT_EQ(GetScrollPos(harness.View(), bar), expected);
            const ViewOffset offset = Scene().GetViewOffset();
            EXPECT_EQ(across ? offset.x : offset.y, static_cast<float>(-expected));
            EXPECT_EQ(across ? offset.y : offset.x, 0.0f) << "the other axis stays";
        }
    }
}

struct RangeCase {
    int width;
    int height;
    int maxX;
    int maxY;
};

TEST_F(Scrolling, RangesFollowTheMapAndAMapThatFitsGetsOnePixel) {
    const RangeCase cases[] = {
        {32, 25, 1, 1}, {33, 26, 24, 24}, {100, 100, 1632, 1800}, {10, 10, 1, 1},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        Modal().AnswerButton(IDNO);
        NewMap(c.width, c.height);
        Modal().Clear();
        int low = -1, high = -1;
        GetScrollRange(harness.View(), SB_HORZ, &low, &high);
        EXPECT_EQ(low, 0);
        EXPECT_EQ(high, c.maxX);
        GetScrollRange(harness.View(), SB_VERT, &low, &high);
        EXPECT_EQ(high, c.maxY);
        // A line or a page moves as far as the range allows and no further.
        ScrollMessage(WM_HSCROLL, SB_PAGEDOWN);
        ScrollMessage(WM_HSCROLL, SB_LINEDOWN);
        EXPECT_EQ(GetScrollPos(harness.View(), SB_HORZ), std::min(c.maxX, 96 + 24));
        EXPECT_EQ(Scene().GetViewOffset().x, static_cast<float>(-std::min(c.maxX, 96 + 24)));
    }
}

TEST_F(Scrolling, TheOnePixelScrollShiftsTheWholeMapOnePixelLeft) {
    NewMap(32, 20);
    Press(ui::kFirstModeButton + kModeOneCell);
    Press(ui::KindButton(kKindStone));
    ClickCell(10, 10);
    ASSERT_TRUE(CellShowsTile(10 * kCell, 10 * kCell, Tile(10, 10)));
    ScrollMessage(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Scene().GetViewOffset().x, -1.0f);
    EXPECT_TRUE(CellShowsTile(10 * kCell - 1, 10 * kCell, Tile(10, 10)));
}

TEST_F(Scrolling, WithNoDocumentScrollingAndClickingDoNothing) {
    Press(ui::kFirstModeButton + kModeOneCell);
    Press(ui::KindButton(kKindStone));
    for (const UINT message : {WM_HSCROLL, WM_VSCROLL}) {
        ScrollMessage(message, SB_PAGEDOWN);
        ScrollMessage(message, SB_THUMBTRACK, 240);
    }
    EXPECT_EQ(Scene().GetViewOffset().x, 0.0f);
    EXPECT_EQ(Scene().GetViewOffset().y, 0.0f);
    ClickCell(2, 2);
    EXPECT_EQ(CountKind(kKindStone), 0);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(Scrolling, AClickAfterScrollingLandsInTheScrolledCellAndIsDrawnThere) {
    NewMap(100, 100);
    Press(ui::kFirstModeButton + kModeOneCell);
    Press(ui::KindButton(kKindMine));
    ScrollMessage(WM_HSCROLL, SB_LINEDOWN);
    ScrollMessage(WM_HSCROLL, SB_LINEDOWN);   // 48 pixels right
    ScrollMessage(WM_VSCROLL, SB_PAGEDOWN);   // 96 pixels down
    LeftDown(10, 5 * kCell + 3);              // map pixel (58, 219): cell (2, 9)
    LeftUp(10, 5 * kCell + 3);
    EXPECT_EQ(Kind(2, 9), kKindMine);
    EXPECT_EQ(CountKind(kKindMine), 1);
    // The cell is drawn two cells left of and four above its unscrolled place.
    EXPECT_TRUE(CellShowsTile(0, 5 * kCell, 14));
    ScrollMessage(WM_HSCROLL, SB_THUMBTRACK, 0);
    ScrollMessage(WM_VSCROLL, SB_THUMBTRACK, 0);
    EXPECT_TRUE(CellShowsTile(2 * kCell, 9 * kCell, 14));
}

}  // namespace
