// pocketsim --help: how to call the program, and every command a script may use.
#pragma once

#include <string>

#include "command_table.h"

std::string HelpText(const CommandTable& commands);
