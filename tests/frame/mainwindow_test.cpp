// The two windows as the editor lays them out.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "apptestharness.h"
#include "windowsurface.h"
#include "windowsystem.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override { harness.Start(); }
    AppHarness harness;
};

TEST_F(MainWindowTest, ViewSitsAt10By25WithA768By600ClientBesideItsScrollBars) {
    HWND view = harness.View();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(GetParent(view), harness.Dialog());
    EXPECT_TRUE(IsWindowVisible(view));

    POINT origin{0, 0};
    ClientToScreen(view, &origin);
    ScreenToClient(harness.Dialog(), &origin);
    EXPECT_EQ(origin.x, 10);
    EXPECT_EQ(origin.y, 25);

    RECT client;
    GetClientRect(view, &client);
    EXPECT_EQ(client.right, 768);
    EXPECT_EQ(client.bottom, 600);
    int width = 0, height = 0;
    ASSERT_TRUE(GetWindowClientSize(view, &width, &height));
    EXPECT_EQ(width, 768);
    EXPECT_EQ(height, 600);

    RECT outer;
    GetWindowRect(view, &outer);
    EXPECT_EQ(outer.right - outer.left, 768 + 17);
    EXPECT_EQ(outer.bottom - outer.top, 600 + 17);
}

TEST_F(MainWindowTest, ResizingTheMainDialogLeavesTheViewAlone) {
    WindowWidget(harness.Dialog())->resize(1200, 900);
    RECT client;
    GetClientRect(harness.View(), &client);
    EXPECT_EQ(client.right, 768);
    EXPECT_EQ(client.bottom, 600);
}

TEST_F(MainWindowTest, CaptionAndMenu) {
    QWidget* frame = WindowWidget(harness.Dialog());
    EXPECT_EQ(frame->windowTitle().toStdString(), "Quarrow. ver 0.6   -   by Velmoran.");
    QMenuBar* bar = frame->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> labels;
    for (QAction* top : bar->actions()) {
        labels.push_back(top->text().toStdString());
        for (QAction* item : top->menu()->actions()) labels.push_back("  " + item->text().toStdString());
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"파일(&F)", "  새로 만들기(&N)", "  열기(&O)", "  저장(&S)", "  닫기(&C)",
                                                "  끝내기(&X)", "도움말(&H)", "  정보(&A)..."}));
}

TEST_F(MainWindowTest, ExitCommandAndCloseBoxQuit) {
    QWidget* frame = WindowWidget(harness.Dialog());
    QMenuBar* bar = frame->findChild<QMenuBar*>();
    bar->actions().front()->menu()->actions().back()->trigger();   // 끝내기(&X)
    EXPECT_TRUE(harness.DeliverMessages());
    DiscardMessages();
    frame->close();   // the close box: refused by Qt, turned into IDCANCEL
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(harness.DeliverMessages());
}

}  // namespace
