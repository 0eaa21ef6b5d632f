#include "command_arity.h"

#include <cstdint>

CommandArity ArityOf(std::string_view usage)
{
    CommandArity arity{0, 0};
    while (!usage.empty()) {
        size_t space = usage.find(' ');
        std::string_view token = usage.substr(0, space);
        usage.remove_prefix(space == std::string_view::npos ? usage.size() : space + 1);
        if (token.empty()) continue;
        if (token.front() != '[') ++arity.least;
        if (arity.most == SIZE_MAX) continue;
        arity.most = token.find("...") != std::string_view::npos ? SIZE_MAX : arity.most + 1;
    }
    return arity;
}
