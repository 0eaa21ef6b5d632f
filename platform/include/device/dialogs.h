// Dialogs as the driver sees them, and the user's hand that answers the modal
// ones. A modal dialog (DialogBoxParamW, DialogBoxIndirectParamW) waits for
// the user: its loop delivers paints, then asks the hand for the user's next
// action, until the dialog ends. A hand with nothing more to do ends the
// dialog with -1 and leaves a device fault that names it: never a hang.
#pragma once

#include <functional>
#include <string>

#include <windef.h>

namespace device {

// Performs the user's next action while WAITING is the innermost modal
// dialog; false when the user has nothing more to do.
using UserHand = std::function<bool(HWND waiting)>;

// Replaces the hand; an empty one restores the default hand, which takes the
// queued actions in order. The hand outlives devices; queued actions do not.
void SetUserHand(UserHand hand);
void QueueUserAction(std::function<void(HWND waiting)> action);
size_t PendingUserActions();

// True for a window the dialog manager made from a template.
bool IsDialog(HWND window);
// The dialog the user sees: the innermost modal dialog waiting, else the
// foreground window when it is a dialog, else the newest shown dialog; null
// when there is none.
HWND CurrentDialog();
// How messages name a dialog after the word "dialog": its caption in quotes,
// else its template's name ("519").
std::string DialogName(HWND dialog);

// The shell's OK button in the navigation bar, which SHInitDialog gives a
// dialog with SHIDIF_DONEBUTTON; pressing it sends the dialog IDOK.
bool HasDoneButton(HWND dialog);
bool PressDoneButton(HWND dialog);

// The user asks for help: WM_HELP to the dialog, naming the control that has
// the focus (or the dialog itself).
bool AskForHelp(HWND dialog);

}  // namespace device
