// How a command went: done, or failed with what was expected and what was found.
#pragma once

#include <string>
#include <utility>

class CommandOutcome {
public:
    static CommandOutcome Done() { return CommandOutcome(""); }
    static CommandOutcome Failed(std::string message) { return CommandOutcome(std::move(message)); }

    bool failed() const { return !message_.empty(); }
    const std::string& message() const { return message_; }

private:
    explicit CommandOutcome(std::string message) : message_(std::move(message)) {}

    std::string message_;
};
