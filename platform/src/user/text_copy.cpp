#include "user/text_copy.h"

#include <algorithm>

namespace platform::user {

LRESULT CopyText(std::u16string_view text, WPARAM wParam, LPARAM lParam)
{
    LPWSTR buffer = reinterpret_cast<LPWSTR>(lParam);
    if (!buffer || wParam == 0) return 0;
    size_t copied = std::min<size_t>(text.size(), wParam - 1);
    std::copy_n(text.begin(), copied, buffer);
    buffer[copied] = 0;
    return static_cast<LRESULT>(copied);
}

}  // namespace platform::user
