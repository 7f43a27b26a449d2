// The message loop: messages before frames, WM_QUIT ends it, and frames slow
// down while the main dialog cannot be seen.

#include <gtest/gtest.h>

#include <QTimer>

#include "app.h"
#include "apptestharness.h"
#include "scene.h"

namespace {

constexpr UINT kProbe = WM_USER + 7;

int probesHandled = 0;
int framesRun = 0;
int probesWhenFirstFrameRan = -1;

INT_PTR ProbeProc(HWND, UINT message, WPARAM, LPARAM) {
    if (message == kProbe) ++probesHandled;
    return FALSE;
}

// Counts frames; the first frame notes how many probes had been handled.
class CountingScene : public Scene {
public:
    bool Init() override { return true; }
    void Release() override {}
    bool Update() override {
        if (framesRun++ == 0) probesWhenFirstFrameRan = probesHandled;
        return true;
    }
    void Render() override {}
};

Scene* MakeCountingScene() { return new CountingScene; }

class LoopTest : public testing::Test {
protected:
    void SetUp() override {
        probesHandled = 0;
        framesRun = 0;
        probesWhenFirstFrameRan = -1;
        SetEditorSceneFactory(MakeCountingScene);
        harness.Start();
        harness.DeliverMessages();
        // A window of our own whose procedure counts the probe messages.
        probeWindow = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(140), nullptr, ProbeProc, 0);
        ShowWindow(probeWindow, SW_HIDE);
    }
    void TearDown() override { SetEditorSceneFactory(nullptr); }

    AppHarness harness;
    HWND probeWindow = nullptr;
};

TEST_F(LoopTest, WaitingMessagesAreHandledBeforeAnyFrameAndQuitEndsTheLoop) {
    for (int i = 0; i < 5; ++i) PostMessageA(probeWindow, kProbe, 0, 0);
    // Quit from a frame a little later, so frames do run.
    QTimer::singleShot(50, [] { PostQuitMessage(0); });
    harness.app().Run();
    EXPECT_EQ(probesHandled, 5);
    EXPECT_EQ(probesWhenFirstFrameRan, 5);
    EXPECT_GT(framesRun, 0);
    EXPECT_FALSE(harness.QuitWaiting()) << "Run takes the quit message it ends on";
}

TEST_F(LoopTest, QuitWaitingBeforeTheLoopEndsItWithoutFrames) {
    PostQuitMessage(0);
    harness.app().Run();
    EXPECT_EQ(framesRun, 0);
}

TEST_F(LoopTest, FramesThrottleWhileTheMainDialogIsHiddenOrMinimised) {
    App& app = harness.app();
    EXPECT_FALSE(app.FramesThrottled());
    ShowWindow(app.GetMainDialog(), SW_MINIMIZE);
    EXPECT_TRUE(app.FramesThrottled());
    ShowWindow(app.GetMainDialog(), SW_RESTORE);
    EXPECT_FALSE(app.FramesThrottled());
    ShowWindow(app.GetMainDialog(), SW_HIDE);
    EXPECT_TRUE(app.FramesThrottled());
}

TEST_F(LoopTest, HiddenDialogRunsOnlyAFewFramesASecond) {
    ShowWindow(harness.app().GetMainDialog(), SW_HIDE);
    QTimer::singleShot(600, [] { PostQuitMessage(0); });
    harness.app().Run();
    // Unthrottled, 600 ms hold thousands of frames; throttled, a handful.
    EXPECT_GE(framesRun, 1);
    EXPECT_LE(framesRun, 6);
}

TEST_F(LoopTest, AMessageWakesAThrottledLoopAtOnce) {
    ShowWindow(harness.app().GetMainDialog(), SW_HIDE);
    QTimer::singleShot(20, [this] {
        PostMessageA(probeWindow, kProbe, 0, 0);
        PostQuitMessage(0);
    });
    harness.app().Run();
    EXPECT_EQ(probesHandled, 1);
}

}  // namespace
