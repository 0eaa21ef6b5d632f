// How many arguments a usage line allows: "KEY [NAME]" takes one or two,
// "[VALUE...]" any number.
#pragma once

#include <cstddef>
#include <string_view>

struct CommandArity {
    size_t least;
    size_t most;  // SIZE_MAX when the last argument repeats
};

CommandArity ArityOf(std::string_view usage);
