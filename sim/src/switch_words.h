// Two-way words as scripts write them: yes|no, on|off.
#pragma once

#include "parsed.h"
#include "script_line.h"

Parsed<bool> ParseYesNo(const ScriptWord& word);
Parsed<bool> ParseOnOff(const ScriptWord& word);
