// The modal loop: a dialog waits for the user's hand until it ends.
#pragma once

#include <windef.h>

namespace platform::user {

// Disables the owner, shows the dialog and runs the loop; destroys the
// dialog and answers its result once it ends.
int RunModalDialog(HWND dialog, HWND owner);

// Forgets the queued user actions; the hand itself stays.
void ResetUserActions();

}  // namespace platform::user
