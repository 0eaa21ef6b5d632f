#include "gdi/word_wrap.h"

namespace platform::gdi {

namespace {

size_t SkipSpaces(std::u16string_view text, size_t at)
{
    while (at < text.size() && text[at] == u' ') ++at;
    return at;
}

// The end of the word after AT, with the spaces before it.
size_t NextWordEnd(std::u16string_view text, size_t at)
{
    at = SkipSpaces(text, at);
    while (at < text.size() && text[at] != u' ') ++at;
    return at;
}

}  // namespace

std::vector<std::u16string_view> WrapWords(std::u16string_view line, int width,
                                           const std::function<int(std::u16string_view)>& measure)
{
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    do {
        size_t end = NextWordEnd(line, start);  // the first word goes on the line whatever its width
        for (size_t next = NextWordEnd(line, end); next > end && measure(line.substr(start, next - start)) <= width;
             next = NextWordEnd(line, end))
            end = next;
        lines.push_back(line.substr(start, end - start));
        start = SkipSpaces(line, end);
    } while (start < line.size());
    return lines;
}

}  // namespace platform::gdi
