// The lines the input panel's callback log shows for what the recogniser and
// the engine send, for expected tables in tests.
#pragma once

#include <string>
#include <vector>

#include "callback_sequence.h"

using HostEvents = std::vector<ExpectedCallback>;

// A character key-down (as the recogniser reports it or the engine sends a
// result) and the recogniser's key-up that follows it.
ExpectedCallback KeyDown(const std::string& character);
ExpectedCallback KeyUp(const std::string& character);
// The recogniser reporting CHARACTER: its key-down and key-up.
HostEvents Passed(const std::string& character);
// The engine erasing the character before the caret.
HostEvents Erase();
// The recogniser's own Backspace stroke.
HostEvents BackspaceStroke();

HostEvents Join(std::initializer_list<HostEvents> parts);
