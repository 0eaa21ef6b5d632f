#include "nls/nls_table_header.h"

#include <array>

namespace {

constexpr std::string_view kSignature = "WINCENLS ";
constexpr size_t kMaxVersionDigits = 9;  // fits an unsigned without overflow

// The table versions this platform reads.
constexpr std::array<unsigned, 1> kSupportedVersions = {106};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EndsSignatureLine(std::string_view rest) { return rest.empty() || rest[0] == '\n' || rest[0] == '\r'; }

}  // namespace

namespace platform::nls {

std::optional<unsigned> NlsTableVersion(std::string_view head)
{
    if (!head.starts_with(kSignature)) return std::nullopt;
    std::string_view rest = head.substr(kSignature.size());
    unsigned version = 0;
    size_t digits = 0;
    while (digits < rest.size() && IsDigit(rest[digits])) {
        if (digits == kMaxVersionDigits) return std::nullopt;
        version = version * 10 + static_cast<unsigned>(rest[digits] - '0');
        ++digits;
    }
    if (digits == 0 || !EndsSignatureLine(rest.substr(digits))) return std::nullopt;
    return version;
}

bool IsSupportedNlsVersion(unsigned version)
{
    for (unsigned supported : kSupportedVersions)
        if (supported == version) return true;
    return false;
}

}  // namespace platform::nls
