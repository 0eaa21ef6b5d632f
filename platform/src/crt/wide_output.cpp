#include "wide_output.h"

#include <algorithm>
#include <climits>

namespace platform::crt {

WideOutput::WideOutput(WCHAR* buffer, size_t count) : buffer_(buffer), count_(count) {}

size_t WideOutput::Room() const { return count_ > 0 ? count_ - 1 - length_ : 0; }

void WideOutput::Put(WCHAR c) { PutRepeated(c, 1); }

void WideOutput::PutRepeated(WCHAR c, size_t times)
{
    size_t fitting = std::min(times, Room());
    std::fill_n(buffer_ + length_, fitting, c);
    length_ += fitting;
    if (fitting < times) overflowed_ = true;
}

void WideOutput::PutText(std::u16string_view text)
{
    for (WCHAR c : text) Put(c);
}

void WideOutput::PutText(std::string_view text)
{
    for (char c : text) Put(static_cast<unsigned char>(c));
}

int WideOutput::Finish()
{
    if (count_ == 0) return -1;
    buffer_[length_] = 0;
    return overflowed_ || length_ > INT_MAX ? -1 : static_cast<int>(length_);
}

}  // namespace platform::crt
