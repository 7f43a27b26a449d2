#pragma once
// The interface through which the application drives the current scene, and
// the input hooks it extends.

#include <cstdint>

class InputListener {
public:
    virtual ~InputListener() = default;
    // Event type 1 = key pressed, 2 = released; the key is a scan code.
    virtual void OnKey(int32_t eventType, int32_t keyCode) = 0;
    // The low byte of `buttons` is 0x80 while the button is held.
    virtual void OnMouse(int32_t x, int32_t y, int32_t wheel, int32_t buttons) = 0;
};

// A scene is made and owned by the application: Init once after
// construction, Update and Render once per frame, Release once before deletion.
class Scene : public InputListener {
public:
    ~Scene() override = default;
    void OnKey(int32_t eventType, int32_t keyCode) override { (void)eventType; (void)keyCode; }
    void OnMouse(int32_t x, int32_t y, int32_t wheel, int32_t buttons) override {
        (void)x; (void)y; (void)wheel; (void)buttons;
    }
    virtual bool Init() = 0;
    virtual void Release() = 0;
    virtual bool Update() = 0;
    virtual void Render() = 0;
};
