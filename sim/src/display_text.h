// Text shown to the person running a script, quoted and escaped the way the
// script itself writes strings, so that what was found can be pasted back.
#pragma once

#include <string>
#include <string_view>

std::string Quoted(std::string_view utf8);
std::string Quoted(std::u16string_view utf16);

// Characters in UTF-8 TEXT, which is also the columns it takes on a terminal.
size_t CharacterCount(std::string_view utf8);
