// A recorder's entries in the order they came, the newest ones only: past its
// limit a log drops its oldest entries and counts them, so that a long run
// cannot take the host's memory.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace device {

// Every recorder of the device keeps at most this many entries.
const size_t kRecorderLimit = 100000;

template <class Entry>
class BoundedLog {
public:
    explicit BoundedLog(size_t limit = kRecorderLimit) : limit_(limit) {}

    void Add(Entry entry)
    {
        if (entries_.size() >= limit_) DropOldest();
        entries_.push_back(std::move(entry));
    }

    const std::vector<Entry>& Entries() const { return entries_; }
    // How many entries went to make room since the log was last cleared.
    size_t Dropped() const { return dropped_; }

    void Clear()
    {
        entries_.clear();
        dropped_ = 0;
    }

private:
    // A tenth at a time, so that adding stays cheap however long the run.
    void DropOldest()
    {
        size_t count = std::max<size_t>(1, limit_ / 10);
        entries_.erase(entries_.begin(), entries_.begin() + count);
        dropped_ += count;
    }

    size_t limit_;
    std::vector<Entry> entries_;
    size_t dropped_ = 0;
};

}  // namespace device
