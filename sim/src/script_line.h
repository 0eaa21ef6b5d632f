// A script line cut into words: the plain record every later stage reads.
#pragma once

#include <string>
#include <vector>

struct ScriptWord {
    std::string text;  // UTF-8, escapes resolved
    bool quoted;       // "@x" is text, @x names a host file

    bool operator==(const ScriptWord&) const = default;
};

struct ScriptLine {
    int number;                    // 1-based line in the script
    bool indented;                 // starts with white space: part of the command above
    std::string source;            // the line as written, without comment and outer white space
    std::vector<ScriptWord> words; // a block row not written as words has none
};
