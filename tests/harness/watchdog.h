#pragma once
// Ends the process with a message when a test outlives its limit, so an
// unexpected dialog or a loop that never ends fails instead of hanging.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class Watchdog {
public:
    Watchdog(std::chrono::seconds limit, std::string what);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex;
    std::condition_variable stopped;
    bool done = false;
    std::thread thread;
};
