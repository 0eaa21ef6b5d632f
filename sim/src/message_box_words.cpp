#include "message_box_words.h"

#include <cstdio>

#include "display_text.h"

namespace {

struct NamedAnswer {
    std::string_view name;
    int answer;
};

const NamedAnswer kAnswers[] = {{"ok", IDOK},       {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO},
                                {"abort", IDABORT}, {"retry", IDRETRY},   {"ignore", IDIGNORE}};

}  // namespace

std::optional<int> AnswerFromName(std::string_view name)
{
    for (const NamedAnswer& known : kAnswers)
        if (known.name == name) return known.answer;
    return std::nullopt;
}

std::string AnswerName(int answer)
{
    for (const NamedAnswer& known : kAnswers)
        if (known.answer == answer) return std::string(known.name);
    return answer == 0 ? "nobody" : std::to_string(answer);
}

std::string AnswerNames()
{
    std::string names;
    for (const NamedAnswer& known : kAnswers) names += (names.empty() ? "" : ", ") + std::string(known.name);
    return names;
}

std::string DescribeMessageBox(const std::u16string& text, const std::u16string& caption, UINT style)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", style);
    return Quoted(text) + " " + Quoted(caption) + " " + hex;
}
