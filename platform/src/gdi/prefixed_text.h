// Mnemonic prefixes in a label: "&x" shows x underlined, "&&" shows "&".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::gdi {

struct PrefixedText {
    std::u16string shown;
    std::vector<size_t> underlined;  // positions in SHOWN
};

PrefixedText WithoutPrefixes(std::u16string_view text);

}  // namespace platform::gdi
