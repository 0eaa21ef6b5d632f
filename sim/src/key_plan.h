// Which keys of a keyboard panel a person taps to type a character, or to
// press the key that shows a label, read from the panel's layout tables.
// The keyboard is taken at rest: no modifier latched, Caps Lock off, as it
// is after every character it types.
#pragma once

#include <string>
#include <vector>

#include "panel_layout.h"

struct KeyTap {
    int key;
    std::string label;  // what the key shows at rest: "t", "Shift", "´"
};

// The taps that type CHARACTER on LAYOUT: the modifiers, a dead key and the
// key itself; empty when no key of LAYOUT makes it.
std::vector<KeyTap> TapsFor(const PanelLayout& layout, char16_t character);

// The key that shows LABEL in any plane (the plain plane first), or a command
// key by its name ("Shift", "Enter", "Space", ...); kNoKey when none does.
int KeyWithLabel(const PanelLayout& layout, const std::string& label);

// What KEY shows at rest: its plain label, its accent, a command's name or
// the panel's own label on the panel-switch key.
std::string KeyLabel(const PanelLayout& layout, int key);
