// qvpen's options page (resource 519): the table the engine uses, chosen
// from the list and stored on OK, and the rules of the two user tables,
// stored as soon as they are edited.
#pragma once

#include <sipapi.h>

// Shows the page modally over OWNER; OPENED_BY is the input method that asks,
// kept with the page and not otherwise used.
void ShowOptionsDialog(HWND owner, IInputMethod* openedBy);
