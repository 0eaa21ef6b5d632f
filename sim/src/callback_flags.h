// The flags of a call an input method made on the panel, by their names.
#pragma once

#include <string>

#include <device/sip.h>

// "KeyStateDownFlag | KeyShiftNoCharacterFlag"; "none" for no flag; bits with
// no name are given in hex.
std::string FlagNames(const device::CallbackRecord& record);
