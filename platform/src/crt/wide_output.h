// The destination of formatted text: a caller's buffer of a given size.
#pragma once

#include <cstddef>
#include <string_view>

#include <windef.h>

namespace platform::crt {

// Takes code units into a buffer of COUNT code units, never past its end and
// always keeping room for the terminator; remembers whether anything was cut.
class WideOutput {
public:
    WideOutput(WCHAR* buffer, size_t count);

    void Put(WCHAR c);
    void PutRepeated(WCHAR c, size_t times);
    void PutText(std::u16string_view text);
    // An 8-bit string, each byte widened to the code unit of the same value.
    void PutText(std::string_view text);

    bool Overflowed() const { return overflowed_; }

    // Terminates the text; returns its length, or -1 when it was cut (a buffer
    // of no code units can hold nothing, not even the terminator).
    int Finish();

private:
    // Code units that can still be taken, the terminator's place kept back.
    size_t Room() const;

    WCHAR* buffer_;
    size_t count_;
    size_t length_ = 0;
    bool overflowed_ = false;
};

}  // namespace platform::crt
