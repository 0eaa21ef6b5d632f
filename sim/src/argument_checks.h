// Checks of a command's arguments made when the script is read, so that a
// bad number or word anywhere is reported before the first command runs.
// Each is an ArgumentCheck for a command entry.
#pragma once

#include <optional>
#include <span>
#include <string>

#include <windef.h>

#include "parsed.h"
#include "script_line.h"

using CheckResult = std::optional<std::string>;

// A keyboard key's number, 0 to 60.
Parsed<int> ParseKeyNumber(const ScriptWord& word);

// The most device time one command may take: 24 hours. Past it a mistyped
// number would run the device for hours of real time.
const DWORD kLongestCommandTime = 24 * 60 * 60 * 1000;

// Milliseconds of device time for one command, at most kLongestCommandTime.
Parsed<DWORD> ParseCommandTime(const ScriptWord& word);

// The first argument is a whole number: milliseconds, a table number, ...
CheckResult FirstUnsigned(std::span<const ScriptWord> args);
CheckResult CommandTimeFirst(std::span<const ScriptWord> args);          // wait MS
CheckResult KeyNumberFirst(std::span<const ScriptWord> args);             // tap-key N
CheckResult KeyNumberThenMilliseconds(std::span<const ScriptWord> args);  // hold-key N MS
CheckResult AnswerWord(std::span<const ScriptWord> args);                 // msgbox answer ANSWER
CheckResult RegistryValueWords(std::span<const ScriptWord> args);         // reg set KEY NAME TYPE [VALUE...]
CheckResult KeyLabelOfEitherPanel(std::span<const ScriptWord> args);      // tap-label LABEL
