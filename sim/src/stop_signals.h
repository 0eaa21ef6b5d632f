// Ctrl-C, SIGTERM and SIGHUP taken by a thread of their own, so that a server
// stops cleanly between two requests instead of dying where it stands.
// Made before any other thread: the threads started after it inherit the
// blocked signals, and only its own thread takes them.
#pragma once

#include <functional>
#include <mutex>
#include <thread>

#include <signal.h>

class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // STOP runs on the signals' thread at the first of them, or at once when
    // one came already.
    void OnStop(std::function<void()> stop);

private:
    void Watch();

    sigset_t signals_;
    sigset_t previous_;
    std::mutex mutex_;
    std::function<void()> stop_;
    bool stopped_ = false;
    std::thread watcher_;
};
