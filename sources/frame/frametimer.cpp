#include "frametimer.h"

#include <cstdlib>
#include <ctime>

#include "winapi.h"

namespace {
constexpr float kSmallestDelta = 0.0001f;
constexpr float kStandInDelta = 0.01f;   // what a same-millisecond frame reports
constexpr float kFpsWindow = 1.0f;
}  // namespace

bool FrameTimer::Init() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    (void)std::rand();
    Start(timeGetTime());
    return true;
}

void FrameTimer::Update() { Tick(timeGetTime()); }

void FrameTimer::Start(uint32_t nowMs) { lastTick = nowMs; }

void FrameTimer::Tick(uint32_t nowMs) {
    // Unsigned difference: the 49.7-day wrap of the counter still gives the small step.
    const uint32_t stepMs = nowMs - lastTick;
    delta = static_cast<float>(static_cast<double>(stepMs) / 1000.0);
    elapsed += delta;
    window += delta;
    // Only what GetDelta reports is clamped; the clocks keep the raw value.
    if (delta < kSmallestDelta) delta = kStandInDelta;
    if (window > kFpsWindow) {
        fps = static_cast<float>(frames) / window;
        window = 0.0f;
        frames = 0;
    } else {
        ++frames;
    }
    lastTick = nowMs;
}
