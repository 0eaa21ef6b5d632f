#include "shell/shell.h"

#include <vector>

#include <device/message_log.h>
#include <device/screen.h>
#include <device/shell.h>

#include "apps/notes_window.h"
#include "shell/menu_bar.h"
#include "shell/navigation_bar.h"
#include "shell/sip_manager.h"
#include "user/idle_delivery.h"

namespace {

HWND navigationBar = nullptr;
HWND menuBar = nullptr;
HWND notes = nullptr;

LONG PanelTop()
{
    return platform::shell::SipManager::PanelShown() ? platform::shell::SipManager::Running().PanelRect().top
                                                     : device::kInputPanelBottom;
}

// The bars follow the device whenever it falls idle, as the shell follows
// its notifications: the foreground window, the panel, the clock; the notes
// application makes room for the panel.
void RefreshBars()
{
    platform::shell::RefreshNavigationBar(navigationBar);
    platform::shell::RefreshMenuBar(menuBar);
    platform::apps::FitNotesAbove(notes, PanelTop());
}

}  // namespace

namespace platform::shell {

// The menu bar lies under every window that comes later, so a dialog that
// takes the whole screen covers it; the navigation bar stays on top.
void StartShell()
{
    menuBar = OpenMenuBar();
    notes = apps::OpenNotes();
    navigationBar = OpenNavigationBar();
    user::SetIdleWatcher(RefreshBars);
    user::PaintAll();
    // What the device did to start is not what anyone asked of it.
    device::ClearMessageLog();
}

void StopShell()
{
    user::SetIdleWatcher(nullptr);
    apps::CloseNotes();
    navigationBar = menuBar = notes = nullptr;
}

}  // namespace platform::shell

void device::RemoveShell()
{
    std::vector<HWND> windows = {navigationBar, notes, menuBar};
    platform::shell::StopShell();
    for (HWND window : windows) DestroyWindow(window);
}
