// Cuts one script line into words: bare words end at white space, quoted
// strings take escapes, and a # outside quotes starts a comment.
#pragma once

#include <string_view>

#include "parsed.h"
#include "script_line.h"

Parsed<ScriptLine> TokenizeLine(std::string_view text, int number);

// A line that starts with white space belongs to the command above it.
bool IsIndented(std::string_view text);

// A line of a block, a row of a table: kept as written, for commands that
// compare rows as text (event lines quote with escapes of their own), with
// only a # comment outside quotes and the outer white space cut; inside quotes
// a backslash keeps the next character. Its words are there when it also reads
// as words, and empty otherwise.
Parsed<ScriptLine> TokenizeRow(std::string_view text, int number);
