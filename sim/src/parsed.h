// A value read from a script, or why it could not be read.
#pragma once

#include <optional>
#include <string>
#include <utility>

template <typename T, typename Error = std::string>
class Parsed {
public:
    Parsed(T value) : value_(std::move(value)) {}

    static Parsed Failure(Error error)
    {
        Parsed parsed;
        parsed.error_ = std::move(error);
        return parsed;
    }

    explicit operator bool() const { return value_.has_value(); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const Error& error() const { return error_; }

private:
    Parsed() = default;

    std::optional<T> value_;
    Error error_;
};
