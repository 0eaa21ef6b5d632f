#include "control_panel_applet.h"

#include "bounded_text.h"

namespace {

const WCHAR kAppletName[] = TEXT("localizer.cpl");
const WCHAR kWindowsFolder[] = TEXT("\\Windows");

}  // namespace

// An install directory too long for a path holds no applet the move could
// find, so it is left as a failed move would leave it.
void PlaceControlPanelApplet(LPCWSTR installDirectory)
{
    WCHAR from[MAX_PATH];
    WCHAR to[MAX_PATH];
    if (!ChildPath(from, MAX_PATH, installDirectory, kAppletName)) return;
    ChildPath(to, MAX_PATH, kWindowsFolder, kAppletName);
    MoveFileW(from, to);
}

void RemoveControlPanelApplet()
{
    WCHAR path[MAX_PATH];
    ChildPath(path, MAX_PATH, kWindowsFolder, kAppletName);
    DeleteFileW(path);
}
