// The help viewer's command line for a topic of the product's help, in the
// page of the interface language.
#pragma once

#include <windows.h>

// The length of a help page's path and of the command line, terminator included.
const int kHelpPathLength = MAX_PATH;

// Whether the file at PATH can be opened for reading.
bool HelpFileExists(LPCWSTR path);

// "file:\windows\plFIN.htm#keyboard": the page "\windows\pl" + the language's
// abbreviation + ".htm", or "plENU.htm" (by its bare name) when the
// language's page is missing, then "#" and TOPIC. A topic too long for the
// buffer is cut short.
void BuildHelpCommand(LPCWSTR topic, LCID language, WCHAR (&command)[kHelpPathLength]);
