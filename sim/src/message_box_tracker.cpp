#include "message_box_tracker.h"

#include <algorithm>
#include <string>

namespace {

// Positions count every message box shown, those the bounded log dropped too.
size_t ShownSoFar() { return device::MessageBoxLogDropped() + device::MessageBoxLog().size(); }

size_t IndexInLog(size_t position)
{
    size_t dropped = device::MessageBoxLogDropped();
    return position > dropped ? position - dropped : 0;
}

}  // namespace

MessageBoxTracker::MessageBoxTracker() : checked_(ShownSoFar()), reported_(checked_) {}

void MessageBoxTracker::QueueAnswer(int answer, int line)
{
    device::QueueMessageBoxAnswer(answer);
    queuedLines_.push_back(line);
}

std::optional<device::MessageBoxRecord> MessageBoxTracker::TakeUnchecked()
{
    const std::vector<device::MessageBoxRecord>& log = device::MessageBoxLog();
    size_t index = IndexInLog(checked_);
    if (index >= log.size()) return std::nullopt;
    checked_ = device::MessageBoxLogDropped() + index + 1;
    return log[index];
}

std::vector<device::MessageBoxRecord> MessageBoxTracker::TakeNewlyShown()
{
    const std::vector<device::MessageBoxRecord>& log = device::MessageBoxLog();
    std::vector<device::MessageBoxRecord> shown(log.begin() + std::min(IndexInLog(reported_), log.size()), log.end());
    reported_ = ShownSoFar();
    return shown;
}

std::optional<ScriptError> MessageBoxTracker::UnusedAnswers(int lineOtherwise) const
{
    size_t unused = device::PendingMessageBoxAnswers();
    if (unused == 0) return std::nullopt;
    int firstUnusedLine =
        queuedLines_.size() >= unused ? queuedLines_[queuedLines_.size() - unused] : lineOtherwise;
    std::string message = unused == 1 ? "a message box answer was queued and never used: no message box came to take it"
                                      : std::to_string(unused) +
                                            " message box answers were queued and never used: no message box came "
                                            "to take them";
    return ScriptError{firstUnusedLine, message};
}

void MessageBoxTracker::Reset()
{
    queuedLines_.clear();
    checked_ = 0;
    reported_ = 0;
}
