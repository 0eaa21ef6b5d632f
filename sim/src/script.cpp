#include "script.h"

#include "line_tokenizer.h"

Parsed<Script, ScriptError> ReadScript(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // editors on Windows mark UTF-8 so
    Script script;
    int number = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        bool indented = !raw.empty() && (raw.front() == ' ' || raw.front() == '\t');
        Parsed<ScriptLine> line = indented ? TokenizeRow(raw, number) : TokenizeLine(raw, number);
        if (!line) return Parsed<Script, ScriptError>::Failure({number, line.error()});
        if (line->source.empty()) continue;
        if (!line->indented) {
            script.push_back({*line, {}});
        } else if (script.empty()) {
            return Parsed<Script, ScriptError>::Failure(
                {number, "an indented line belongs to the command above it, and there is none"});
        } else {
            script.back().block.push_back(*line);
        }
    }
    return script;
}
