#include "frametimer.h"

#include <gtest/gtest.h>

namespace {

// Runs `frames` ticks of `stepMs` each after starting at `startMs`.
FrameTimer RunSteady(uint32_t startMs, uint32_t stepMs, int frames) {
    FrameTimer timer;
    timer.Start(startMs);
    uint32_t now = startMs;
    for (int i = 0; i < frames; ++i) {
        now += stepMs;
        timer.Tick(now);
    }
    return timer;
}

TEST(FrameTimer, SameMillisecondReportsStandInDeltaButClocksStayRaw) {
    FrameTimer timer;
    timer.Start(1000);
    timer.Tick(1010);
    const float elapsedBefore = timer.GetElapsed();
    timer.Tick(1010);
    EXPECT_FLOAT_EQ(timer.GetDelta(), 0.01f);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), elapsedBefore);
}

TEST(FrameTimer, OneMillisecondIsNotClamped) {
    FrameTimer timer;
    timer.Start(500);
    timer.Tick(501);
    EXPECT_FLOAT_EQ(timer.GetDelta(), 0.001f);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.001f);
}

TEST(FrameTimer, CounterWrapGivesTheSmallStep) {
    FrameTimer timer;
    timer.Start(0xFFFFFFF0u);
    timer.Tick(0x00000005u);
    EXPECT_FLOAT_EQ(timer.GetDelta(), 0.021f);
    EXPECT_FLOAT_EQ(timer.GetElapsed(), 0.021f);
}

struct WindowCase {
    uint32_t stepMs;
    int closingFrame;      // the frame whose tick first takes the window past one second
    float fps;
};

class FrameRateWindow : public testing::TestWithParam<WindowCase> {};

TEST_P(FrameRateWindow, ClosesOnTheFrameAfterOneSecondWithThatFrameUncounted) {
    const WindowCase c = GetParam();
    const FrameTimer before = RunSteady(0, c.stepMs, c.closingFrame - 1);
    EXPECT_EQ(before.GetFps(), 0.0f) << "no window has closed yet";
    const FrameTimer after = RunSteady(0, c.stepMs, c.closingFrame);
    EXPECT_NEAR(after.GetFps(), c.fps, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(SteadyFrames, FrameRateWindow,
                         testing::Values(WindowCase{10, 101, 99.01f}, WindowCase{20, 51, 49.02f}));

TEST(FrameTimer, NextWindowStartsEmpty) {
    // 10 ms frames: the first window closes on frame 101; the next needs 101 more.
    const FrameTimer atSecondClose = RunSteady(0, 10, 202);
    const FrameTimer justBefore = RunSteady(0, 10, 201);
    EXPECT_NEAR(justBefore.GetFps(), 99.01f, 0.01f);
    EXPECT_NEAR(atSecondClose.GetFps(), 99.01f, 0.05f);
    EXPECT_NEAR(atSecondClose.GetElapsed(), 2.02f, 0.001f);
}

}  // namespace
