#include "gdi/prefixed_text.h"

namespace platform::gdi {

// A lone "&" at the end shows nothing.
PrefixedText WithoutPrefixes(std::u16string_view text)
{
    PrefixedText result;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != u'&') {
            result.shown.push_back(text[at]);
            continue;
        }
        if (++at == text.size()) break;
        if (text[at] != u'&') result.underlined.push_back(result.shown.size());
        result.shown.push_back(text[at]);
    }
    return result;
}

}  // namespace platform::gdi
