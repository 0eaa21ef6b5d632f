#include "stop_signals.h"

#include <pthread.h>

namespace {

// Not a stop: wakes the watcher when the program ends without one.
const int kRelease = SIGUSR1;
const int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

}  // namespace

StopSignals::StopSignals()
{
    sigemptyset(&signals_);
    for (int signal : kStopSignals) sigaddset(&signals_, signal);
    sigaddset(&signals_, kRelease);
    pthread_sigmask(SIG_BLOCK, &signals_, &previous_);
    watcher_ = std::thread([this] { Watch(); });
}

StopSignals::~StopSignals()
{
    pthread_kill(watcher_.native_handle(), kRelease);
    watcher_.join();
    // A second Ctrl-C while stopping ends the program as it would have.
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void StopSignals::OnStop(std::function<void()> stop)
{
    std::lock_guard lock(mutex_);
    stop_ = std::move(stop);
    if (stopped_) stop_();
}

void StopSignals::Watch()
{
    int signal = 0;
    sigwait(&signals_, &signal);
    if (signal == kRelease) return;
    std::lock_guard lock(mutex_);
    stopped_ = true;
    if (stop_) stop_();
}
