#include "script.h"

#include "line_tokenizer.h"

Script ReadScriptPastErrors(std::string_view text, std::vector<ScriptError>& errors)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // editors on Windows mark UTF-8 so
    Script script;
    int number = 0;
    bool underBadCommand = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        bool indented = IsIndented(raw);
        if (indented && underBadCommand) continue;
        Parsed<ScriptLine> line = indented ? TokenizeRow(raw, number) : TokenizeLine(raw, number);
        if (!line) {
            errors.push_back({number, line.error()});
            underBadCommand = underBadCommand || !indented;
            continue;
        }
        if (line->source.empty()) continue;
        if (!line->indented) {
            script.push_back({*line, {}});
            underBadCommand = false;
        } else if (script.empty()) {
            errors.push_back({number, "an indented line belongs to the command above it, and there is none"});
        } else {
            script.back().block.push_back(*line);
        }
    }
    return script;
}

Parsed<Script, ScriptError> ReadScript(std::string_view text)
{
    std::vector<ScriptError> errors;
    Script script = ReadScriptPastErrors(text, errors);
    if (!errors.empty()) return Parsed<Script, ScriptError>::Failure(errors.front());
    return script;
}
