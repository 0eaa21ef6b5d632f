// One device for every browser tab. The device runs on a thread of its own,
// in a shell session whose lines are the page's actions; the server's threads
// hand actions over and wait for what became of them, so two tabs always see
// the same device, one action after another.
//
// Every line given to the device is kept as a script that replays the
// session: an answer to a waiting message box goes before the line that
// showed the box, since a script queues its answers first.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "browser_action.h"
#include "command_table.h"
#include "line_input.h"

class BrowserSession : public LineInput {
public:
    enum class Status { Done, Refused, Stopped };

    struct Outcome {
        Status status = Status::Done;
        std::string body;  // JSON: the view after the action; {"error": ...} when refused or stopped
    };

    explicit BrowserSession(const CommandTable& commands);

    // On the device's thread: runs a fresh device, or the image in FOLDER,
    // until Stop, then closes it.
    void RunDevice(const std::string& folder);

    // Any thread: false when the device could not be started (the error says
    // why); true once the first view is there.
    bool WaitUntilReady(std::string& error);

    Outcome Perform(const BrowserAction& action);

    // The view after the newest action.
    nlohmann::json Latest();

    // The view once its version passes SINCE; nullopt after TIMEOUT or at Stop.
    std::optional<nlohmann::json> WaitForChange(uint64_t since, std::chrono::milliseconds timeout);

    // The session so far as a script.
    std::string Script();

    // Actions waiting are refused; the device ends after the one running.
    void Stop();

    std::optional<std::string> ReadLine(bool continuation) override;

private:
    struct Job {
        Job() = default;
        explicit Job(BrowserAction given) : action(std::move(given)) {}

        BrowserAction action;
        size_t next = 0;     // the next line to give the device
        bool done = false;
        Outcome outcome;
    };

    std::optional<std::string> NextLineOf(Job& job);
    void Finish(Job& job, std::unique_lock<std::mutex>& lock);
    void Refuse(Job& job, Status status, const std::string& error);
    // Refuses every action waiting, and any to come; the lock is held.
    void StopWaiting(const std::string& why);
    std::optional<std::string> Admit(const Job& job);
    void Record(const Job& job, const std::string& line);
    nlohmann::json TakePrinted();

    const CommandTable& commands_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job*> waiting_;
    Job* running_ = nullptr;
    std::optional<Job> opening_;  // "device open FOLDER", before any page's action
    bool stopping_ = false;
    bool stopped_ = false;
    std::string startError_;
    uint64_t version_ = 0;
    nlohmann::json latest_;
    // What the device's commands print, per action; written on the device's thread.
    std::ostringstream output_;
    std::ostringstream errors_;
    std::vector<std::string> script_;
    size_t lastOpener_ = 0;  // the newest line not an answer: what shows a waiting box
};
