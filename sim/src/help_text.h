// pocketsim's help: how to call the program, and every command a script may
// use. Every line fits 80 columns.
#pragma once

#include <string>

#include "command_table.h"

// The program's own calls and exit statuses.
std::string UsageText();

// The usage, then each script command with its summary.
std::string HelpText(const CommandTable& commands);
