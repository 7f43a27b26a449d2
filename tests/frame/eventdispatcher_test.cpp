#include "eventdispatcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frametimer.h"

namespace {

// Events that write their fate into a shared log.
struct Log {
    std::vector<std::string> lines;
};

class LoggedEvent : public Event {
public:
    LoggedEvent(int32_t type, int32_t param, Log& log) : Event(type, param), log(log) {}
    ~LoggedEvent() override { log.lines.push_back("destroyed " + std::to_string(param)); }

private:
    Log& log;
};

class LoggingListener : public EventListener {
public:
    LoggingListener(std::string name, Log& log) : name(std::move(name)), log(log) {}
    int OnEvent(Event* event) override {
        log.lines.push_back(name + " " + std::to_string(event->param));
        if (onEvent) onEvent(event);
        return 0;
    }
    std::function<void(Event*)> onEvent;

private:
    std::string name;
    Log& log;
};

class EventDispatcherTest : public testing::Test {
protected:
    // Ticks the clock at `ms` milliseconds.
    void ClockAt(uint32_t ms) { clock.Tick(ms); }

    Event* Make(int32_t type, int32_t param) { return new LoggedEvent(type, param, log); }
    std::vector<std::string> Delivered() {
        std::vector<std::string> calls;
        for (const std::string& line : log.lines) {
            if (line.rfind("destroyed", 0) != 0) calls.push_back(line);
        }
        return calls;
    }

    FrameTimer clock;
    Log log;
    EventDispatcher dispatcher{clock};
    LoggingListener listener{"a", log};
};

TEST_F(EventDispatcherTest, DelayedEventWaitsForItsDueTimeOnTheFrameClock) {
    clock.Start(0);
    ClockAt(10000);
    dispatcher.Register(5, &listener);
    dispatcher.Post(Make(5, 1), 0.5f);
    ClockAt(10499);
    dispatcher.Dispatch();
    EXPECT_TRUE(Delivered().empty());
    ClockAt(10500);
    dispatcher.Dispatch();
    EXPECT_EQ(Delivered(), (std::vector<std::string>{"a 1"}));
}

TEST_F(EventDispatcherTest, DueDelayedEventsGoFirstInPostingOrderThenImmediateOnes) {
    clock.Start(0);
    dispatcher.Register(5, &listener);
    dispatcher.Post(Make(5, 1), 0.0f);
    dispatcher.Post(Make(5, 2), 0.2f);
    dispatcher.Post(Make(5, 3), -1.0f);
    dispatcher.Post(Make(5, 4), 5.0f);   // not due
    dispatcher.Post(Make(5, 5), 0.1f);
    ClockAt(1000);
    dispatcher.Dispatch();
    EXPECT_EQ(Delivered(), (std::vector<std::string>{"a 2", "a 5", "a 1", "a 3"}));
}

TEST_F(EventDispatcherTest, UnknownTypeIsDestroyedWithoutAnyCall) {
    dispatcher.Register(5, &listener);
    dispatcher.Post(Make(9, 7), 0.0f);
    dispatcher.Dispatch();
    EXPECT_EQ(log.lines, (std::vector<std::string>{"destroyed 7"}));
}

TEST_F(EventDispatcherTest, FirstRegistrationWins) {
    LoggingListener second("b", log);
    dispatcher.Register(1, &listener);
    dispatcher.Register(1, &second);
    dispatcher.Post(Make(1, 1), 0.0f);
    dispatcher.Dispatch();
    EXPECT_EQ(Delivered(), (std::vector<std::string>{"a 1"}));
}

TEST_F(EventDispatcherTest, EventsPostedByAListenerDuringDispatch) {
    // An immediate event posted from a delivery goes out in the same pass; a
    // delayed one already due waits for the next Dispatch.
    clock.Start(0);
    dispatcher.Register(5, &listener);
    listener.onEvent = [this](Event* event) {
        if (event->param == 1) dispatcher.Post(Make(5, 2), 0.0f);
        if (event->param == 3) dispatcher.Post(Make(5, 4), 0.001f);
    };
    dispatcher.Post(Make(5, 1), 0.0f);
    dispatcher.Post(Make(5, 3), 0.001f);
    ClockAt(1000);
    dispatcher.Dispatch();
    EXPECT_EQ(Delivered(), (std::vector<std::string>{"a 3", "a 1", "a 2"}));
    ClockAt(2000);
    dispatcher.Dispatch();
    EXPECT_EQ(Delivered().back(), "a 4");
}

TEST_F(EventDispatcherTest, UndeliveredEventsAreDestroyedWithTheDispatcher) {
    {
        EventDispatcher shortLived(clock);
        shortLived.Post(Make(5, 1), 0.0f);
        shortLived.Post(Make(5, 2), 10.0f);
    }
    EXPECT_EQ(log.lines, (std::vector<std::string>{"destroyed 1", "destroyed 2"}));
}

}  // namespace
