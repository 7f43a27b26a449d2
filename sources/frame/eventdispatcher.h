#pragma once
// Hands events to the listener registered for their type, in the coming
// frame or after a delay on the frame clock.

#include <cstdint>
#include <deque>
#include <map>

class FrameTimer;

class Event {
public:
    Event(int32_t type, int32_t param) : type(type), param(param) {}
    virtual ~Event() = default;

    int32_t type;
    float dueTime = 0.0f;    // seconds on the frame clock; set by Post for delayed events
    int32_t param;           // type 1: the scene id
};

class EventListener {
public:
    virtual ~EventListener() = default;
    virtual int OnEvent(Event* event) = 0;
};

// Event type 1: change scene; its parameter is the scene id.
constexpr int32_t kChangeSceneEvent = 1;

class EventDispatcher {
public:
    explicit EventDispatcher(const FrameTimer& clock) : clock(clock) {}
    // Events never delivered are destroyed with the dispatcher.
    virtual ~EventDispatcher();
    EventDispatcher(const EventDispatcher&) = delete;
    EventDispatcher& operator=(const EventDispatcher&) = delete;

    bool Init() { return true; }
    void Release() {}

    // The first listener registered for a type keeps it.
    void Register(int32_t type, EventListener* listener);
    // Takes ownership. A positive delay waits that many seconds; otherwise the
    // event goes out in the next Dispatch.
    void Post(Event* event, float delaySeconds);
    // Due delayed events first, in posting order, then every immediate one.
    void Dispatch();

private:
    void Deliver(Event* event);

    const FrameTimer& clock;
    std::map<int32_t, EventListener*> listeners;
    std::deque<Event*> immediate;
    std::deque<Event*> delayed;
};
