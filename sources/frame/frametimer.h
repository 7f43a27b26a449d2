#pragma once
// The frame clock: elapsed time, the last frame's time and the frame rate,
// polled once per frame from the millisecond timer.

#include <cstdint>

class FrameTimer {
public:
    FrameTimer() = default;
    virtual ~FrameTimer() = default;

    // Seeds the random generator (tile variants, gate colours) and starts counting.
    bool Init();
    // One tick; called at the start of every frame.
    void Update();
    void Release() {}

    // The same two steps with a given millisecond reading.
    void Start(uint32_t nowMs);
    void Tick(uint32_t nowMs);

    float GetElapsed() const { return elapsed; }
    float GetDelta() const { return delta; }
    float GetFps() const { return fps; }

private:
    float elapsed = 0.0f;
    float fps = 0.0f;
    float delta = 0.0f;
    float window = 0.0f;     // seconds gathered in the current frame-rate window
    int32_t frames = 0;      // frames counted in the current window
    uint32_t lastTick = 0;
};
