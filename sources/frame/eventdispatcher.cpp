#include "eventdispatcher.h"

#include "frametimer.h"

EventDispatcher::~EventDispatcher() {
    for (Event* event : immediate) delete event;
    for (Event* event : delayed) delete event;
}

void EventDispatcher::Register(int32_t type, EventListener* listener) { listeners.emplace(type, listener); }

void EventDispatcher::Post(Event* event, float delaySeconds) {
    if (event == nullptr) return;
    if (delaySeconds > 0.0f) {
        event->dueTime = clock.GetElapsed() + delaySeconds;
        delayed.push_back(event);
    } else {
        immediate.push_back(event);
    }
}

void EventDispatcher::Dispatch() {
    // Delayed pass over the events that were waiting when it began: a delayed
    // event posted by a listener now waits for the next frame.
    const float now = clock.GetElapsed();
    std::size_t waiting = delayed.size();
    for (std::size_t at = 0; at < waiting;) {
        if (now >= delayed[at]->dueTime) {
            Event* event = delayed[at];
            delayed.erase(delayed.begin() + static_cast<std::ptrdiff_t>(at));
            --waiting;
            Deliver(event);
        } else {
            ++at;
        }
    }
    // Immediate pass; events posted meanwhile go out in this same pass.
    while (!immediate.empty()) {
        Event* event = immediate.front();
        immediate.pop_front();
        Deliver(event);
    }
}

void EventDispatcher::Deliver(Event* event) {
    auto found = listeners.find(event->type);
    if (found != listeners.end()) (void)found->second->OnEvent(event);
    delete event;
}
