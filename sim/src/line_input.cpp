#include "line_input.h"

#include <cstdio>
#include <cstdlib>

#include <editline/readline.h>

std::optional<std::string> StreamLineInput::ReadLine(bool)
{
    std::string line;
    if (!std::getline(stream_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

EditedLineInput::EditedLineInput() { using_history(); }

std::optional<std::string> EditedLineInput::ReadLine(bool continuation)
{
    char* typed = readline(continuation ? "...        " : "pocketsim> ");
    if (!typed) return std::nullopt;
    std::string line = typed;
    std::free(typed);
    if (!line.empty()) add_history(line.c_str());
    return line;
}
