#include "user/dialog_modal.h"

#include <deque>

#include <device/dialogs.h>
#include <device/faults.h>
#include <windows.h>

#include "user/dialog_state.h"
#include "user/idle_delivery.h"

namespace {

using namespace platform::user;

std::deque<std::function<void(HWND)>> queuedActions;
device::UserHand customHand;

bool TakeQueuedAction(HWND waiting)
{
    if (queuedActions.empty()) return false;
    std::function<void(HWND)> action = std::move(queuedActions.front());
    queuedActions.pop_front();
    action(waiting);
    return true;
}

bool Ended(HWND dialog)
{
    DialogState* state = DialogStateOf(dialog);
    return !state || state->ended;
}

// Runs until the dialog ends; false when the hand had nothing more to do.
bool WaitForUser(HWND dialog)
{
    while (!Ended(dialog)) {
        PaintAll();
        if (!AskUserHand(dialog)) return false;
    }
    return true;
}

}  // namespace

namespace platform::user {

bool AskUserHand(HWND waiting) { return customHand ? customHand(waiting) : TakeQueuedAction(waiting); }

int RunModalDialog(HWND dialog, HWND owner)
{
    bool disabledOwner = owner && IsWindowEnabled(owner);
    if (disabledOwner) EnableWindow(owner, FALSE);
    ModalDialogs().push_back(dialog);
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    UpdateWindow(dialog);
    int result = -1;
    if (WaitForUser(dialog)) {
        DialogState* state = DialogStateOf(dialog);
        result = state ? state->result : -1;
    } else {
        device::ReportFault("dialog " + device::DialogName(dialog) + " was left waiting: the user did nothing more");
    }
    std::erase(ModalDialogs(), dialog);
    if (disabledOwner && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    if (owner && IsWindow(owner)) SetActiveWindow(owner);
    return result;
}

void ResetUserActions() { queuedActions.clear(); }

}  // namespace platform::user

namespace device {

void SetUserHand(UserHand hand) { customHand = std::move(hand); }

void QueueUserAction(std::function<void(HWND waiting)> action) { queuedActions.push_back(std::move(action)); }

size_t PendingUserActions() { return queuedActions.size(); }

}  // namespace device
