// Text shown to the driver in double quotes, so that it compares exactly and
// any character can be read: inside the quotes \" \\ \b \t \n \r stand for
// themselves and \x{hex} for any other control character, a lone surrogate
// or a value beyond 16 bits.
#pragma once

#include <string>
#include <vector>

#include <windef.h>

namespace platform::kernel {

std::string QuotedText(const std::vector<UINT>& units);

}  // namespace platform::kernel
