#include "user/dialog_state.h"

#include <map>

#include "user/user_state.h"

namespace platform::user {

namespace {

// Ordered by handle, which grows with each window: the newest dialog last.
std::map<HWND, DialogState, std::less<>> dialogs;
std::vector<HWND> modal;

}  // namespace

DialogState* DialogStateOf(HWND dialog)
{
    auto found = dialogs.find(dialog);
    if (found == dialogs.end() || !Windows().Find(dialog)) return nullptr;
    return &found->second;
}

DialogState& AddDialog(HWND dialog) { return dialogs[dialog]; }

void ForgetDialog(HWND dialog) { dialogs.erase(dialog); }

HWND NewestShownDialog()
{
    for (auto entry = dialogs.rbegin(); entry != dialogs.rend(); ++entry)
        if (IsWindowVisible(entry->first)) return entry->first;
    return nullptr;
}

std::vector<HWND>& ModalDialogs() { return modal; }

void ResetDialogs()
{
    dialogs.clear();
    modal.clear();
}

}  // namespace platform::user
