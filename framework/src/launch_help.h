// Opening a topic of the product's help in the platform's help viewer.
#pragma once

#include <windows.h>

// Shows TOPIC in the page of LANGUAGE (see BuildHelpCommand): closes a viewer
// already open, sets the browser's code page for the language while the new
// viewer starts (waiting at most a second for it), then puts back what was
// there before, a missing value included. A value that cannot be read is
// left as it is. Nothing is reported to the user.
void LaunchHelp(LPCWSTR topic, LCID language);
