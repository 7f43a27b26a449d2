// The view window: scroll bars that show what the program set, mouse
// messages in client pixels, presented frames, and painting with pens.

#include <QScrollBar>
#include <QTest>

#include "recordingdialog.h"
#include "windowsurface.h"
#include "windowsystem.h"

namespace {

class View : public RecordingDialogTest {
protected:
    void SetUp() override {
        main = Create(133);
        view = Create(134, main);
        ASSERT_NE(view, nullptr);
        SetWindowPos(view, HWND_TOP, 10, 25, 785, 617, SWP_SHOWWINDOW);
        received.clear();
    }
    QScrollBar* Bar(Qt::Orientation orientation) {
        for (QScrollBar* bar : WindowWidget(view)->findChildren<QScrollBar*>()) {
            if (bar->orientation() == orientation) return bar;
        }
        return nullptr;
    }

    HWND main = nullptr;
    HWND view = nullptr;
};

TEST_F(View, ScrollPositionIsClampedToTheRangeAndShownByTheThumb) {
    SetScrollRange(view, SB_HORZ, 0, 1632, TRUE);
    EXPECT_EQ(SetScrollPos(view, SB_HORZ, 48, TRUE), 0);
    EXPECT_EQ(Bar(Qt::Horizontal)->value(), 48);
    EXPECT_EQ(SetScrollPos(view, SB_HORZ, 5000, TRUE), 48);
    EXPECT_EQ(GetScrollPos(view, SB_HORZ), 1632);
    SetScrollRange(view, SB_HORZ, 0, 1, TRUE);
    EXPECT_EQ(GetScrollPos(view, SB_HORZ), 1);
    EXPECT_EQ(Bar(Qt::Horizontal)->value(), 1);
}

struct ActionCase {
    QAbstractSlider::SliderAction action;
    WORD code;
};

TEST_F(View, UserScrollActionsBecomeMessagesAndTheThumbStaysPut) {
    SetScrollRange(view, SB_VERT, 0, 1800, TRUE);
    SetScrollPos(view, SB_VERT, 96, TRUE);
    const ActionCase cases[] = {
        {QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN},
        {QAbstractSlider::SliderSingleStepSub, SB_LINEUP},
        {QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN},
        {QAbstractSlider::SliderPageStepSub, SB_PAGEUP},
    };
    QScrollBar* bar = Bar(Qt::Vertical);
    for (const ActionCase& c : cases) {
        received.clear();
        bar->triggerAction(c.action);
        Deliver();
        ASSERT_EQ(Of(WM_VSCROLL).size(), 1u);
        EXPECT_EQ(Of(WM_VSCROLL)[0].window, view);
        EXPECT_EQ(LOWORD(Of(WM_VSCROLL)[0].wParam), c.code);
        EXPECT_EQ(bar->value(), 96) << "only the program moves the thumb";
    }
}

TEST_F(View, ThumbDragReportsItsPosition) {
    SetScrollRange(view, SB_HORZ, 0, 1632, TRUE);
    QScrollBar* bar = Bar(Qt::Horizontal);
    bar->setSliderPosition(50);   // as a drag does
    Deliver();
    ASSERT_FALSE(Of(WM_HSCROLL).empty());
    EXPECT_EQ(LOWORD(Of(WM_HSCROLL).back().wParam), SB_THUMBTRACK);
    EXPECT_EQ(HIWORD(Of(WM_HSCROLL).back().wParam), 50);
}

TEST_F(View, MouseMessagesCarryClientPixels) {
    QWidget* client = ClientWidget(view);
    QTest::mousePress(client, Qt::LeftButton, Qt::NoModifier, QPoint(34, 58));
    QTest::mouseRelease(client, Qt::LeftButton, Qt::NoModifier, QPoint(34, 58));
    QTest::mouseClick(client, Qt::RightButton, Qt::NoModifier, QPoint(700, 590));
    Deliver();
    ASSERT_EQ(Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Of(WM_LBUTTONDOWN)[0].window, view);
    EXPECT_EQ(LOWORD(Of(WM_LBUTTONDOWN)[0].lParam), 34);
    EXPECT_EQ(HIWORD(Of(WM_LBUTTONDOWN)[0].lParam), 58);
    EXPECT_EQ(Of(WM_LBUTTONUP).size(), 1u);
    ASSERT_EQ(Of(WM_RBUTTONDOWN).size(), 1u);
    EXPECT_EQ(LOWORD(Of(WM_RBUTTONDOWN)[0].lParam), 700);
    EXPECT_EQ(HIWORD(Of(WM_RBUTTONDOWN)[0].lParam), 590);
}

TEST_F(View, MouseOverTheDialogBackgroundReachesTheDialog) {
    // The first synthetic move only brings the pointer into the window.
    QTest::mouseMove(ClientWidget(main), QPoint(850, 10));
    QTest::mouseMove(ClientWidget(main), QPoint(900, 600));
    Deliver();
    ASSERT_FALSE(Of(WM_MOUSEMOVE).empty());
    EXPECT_EQ(Of(WM_MOUSEMOVE).back().window, main);
}

TEST_F(View, CursorPositionConvertsToViewPixels) {
    POINT at{5, 7};
    ClientToScreen(view, &at);
    ScreenToClient(main, &at);
    EXPECT_EQ(at.x, 15);
    EXPECT_EQ(at.y, 32);
}

TEST_F(View, PresentedFrameIsWhatTheViewShows) {
    std::vector<uint32_t> pixels(768 * 600, 0xFF505050u);
    pixels[10 * 768 + 20] = 0xFFFF0000u;
    PresentWindowPixels(view, pixels.data(), 768, 600, 768);
    const QImage shown = ClientWidget(view)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 10), QColor(255, 0, 0));
    EXPECT_EQ(shown.pixelColor(21, 10), QColor(0x50, 0x50, 0x50));
}

TEST_F(View, EmptyViewIsGreyAndDeadWindowsHaveNoSurface) {
    EXPECT_EQ(ClientWidget(view)->grab().toImage().pixelColor(100, 100), QColor(0x50, 0x50, 0x50));
    DestroyWindow(view);
    int width = -1, height = -1;
    EXPECT_FALSE(GetWindowClientSize(view, &width, &height));
    EXPECT_EQ(width, 0);
    PresentWindowPixels(view, nullptr, 0, 0, 0);   // nothing, no crash
}

TEST_F(View, WidePenRectangleFillsASquareAroundIt) {
    // The colour legend: an 8-pixel pen around Rectangle(830, 222, 838, 230).
    onMessage = [](HWND window, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message != WM_PAINT) return FALSE;
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HPEN pen = CreatePen(PS_SOLID, 8, RGB(255, 94, 94));
        HGDIOBJ old = SelectObject(dc, pen);
        Rectangle(dc, 830, 222, 838, 230);
        SelectObject(dc, old);
        DeleteObject(pen);
        EndPaint(window, &paint);
        return TRUE;
    };
    const QImage shown = ClientWidget(main)->grab().toImage();
    const QColor legend(255, 94, 94);
    // The grabbed surface may round a channel by a few steps.
    const auto isLegend = [&](QColor c) {
        return std::abs(c.red() - legend.red()) <= 4 && std::abs(c.green() - legend.green()) <= 4 &&
               std::abs(c.blue() - legend.blue()) <= 4;
    };
    int left = 10000, right = -1, top = 10000, bottom = -1;
    for (int y = 200; y < 260; ++y) {
        for (int x = 810; x < 860; ++x) {
            if (!isLegend(shown.pixelColor(x, y))) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_TRUE(isLegend(shown.pixelColor(833, 225))) << "the inside is covered";
    EXPECT_NEAR(right - left + 1, 16, 1);
    EXPECT_NEAR(bottom - top + 1, 16, 1);
    EXPECT_NEAR((left + right) / 2.0, 833.5, 1.0);
}

struct MulDivCase {
    int number, numerator, denominator, result;
};

TEST(Metrics, MulDivRoundsHalvesAwayFromZero) {
    const MulDivCase cases[] = {
        {669, 6, 4, 1004}, {403, 13, 8, 655}, {539, 6, 4, 809}, {258, 13, 8, 419}, {-3, 1, 2, -2}, {5, 1, 0, -1},
    };
    for (const MulDivCase& c : cases) {
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result)
            << c.number << " * " << c.numerator << " / " << c.denominator;
    }
}

TEST(Metrics, ScrollBarsAndTheCaptionFrameAllowance) {
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYVSCROLL), 17);
    RECT rect{0, 0, 779, 585};
    AdjustWindowRect(&rect, WS_CAPTION | WS_SYSMENU, FALSE);
    EXPECT_EQ(rect.right - rect.left, 785);
    EXPECT_EQ(rect.bottom - rect.top, 617);
}

}  // namespace
