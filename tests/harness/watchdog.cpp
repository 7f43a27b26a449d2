#include "watchdog.h"

#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::chrono::seconds limit, std::string what) {
    thread = std::thread([this, limit, what = std::move(what)] {
        std::unique_lock lock(mutex);
        if (stopped.wait_for(lock, limit, [this] { return done; })) return;
        std::fprintf(stderr, "watchdog: %s still running after %lld s; ending the test process\n", what.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::_Exit(124);
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex);
        done = true;
    }
    stopped.notify_one();
    thread.join();
}
