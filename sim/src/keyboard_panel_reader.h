// Which panel of the Finnish keyboard the screen shows, read as a person
// reads it: by the label on the panel-switch key.
#pragma once

#include <string>

#include "panel_layout.h"
#include "parsed.h"

// Fails when the panel-switch key shows neither panel's label.
Parsed<const PanelLayout*> ShownKeyboardPanel();

std::string PanelLabelText(const PanelLayout& layout);  // "Fi"
std::string PanelName(const PanelLayout& layout);       // "Finnish"
