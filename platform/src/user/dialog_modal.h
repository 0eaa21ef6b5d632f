// The modal loop: a dialog waits for the user's hand until it ends.
#pragma once

#include <windef.h>

namespace platform::user {

// Disables the owner, shows the dialog and runs the loop; destroys the
// dialog and answers its result once it ends.
int RunModalDialog(HWND dialog, HWND owner);

// The user's next action while WAITING (a dialog, or a message box's owner)
// waits; false when the hand has nothing more to do.
bool AskUserHand(HWND waiting);

// Forgets the queued user actions; the hand itself stays.
void ResetUserActions();

}  // namespace platform::user
