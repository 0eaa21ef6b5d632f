// Cuts one script line into words: bare words end at white space, quoted
// strings take escapes, and a # outside quotes starts a comment.
#pragma once

#include <string_view>

#include "parsed.h"
#include "script_line.h"

Parsed<ScriptLine> TokenizeLine(std::string_view text, int number);
