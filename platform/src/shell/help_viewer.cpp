#include "shell/help_viewer.h"

#include <device/bounded_log.h>

#include <device/help_viewer.h>
#include <windows.h>

#include "user/user_state.h"

namespace {

const WCHAR kViewerClass[] = u"PegHelp";
const WCHAR kViewerTitle[] = u"Help";
constexpr DWORD kCouldNotOpen = 1;

device::BoundedLog<std::u16string> starts;
bool installed = true;

// Told that its window is going, the viewer ends, and its window with it.
// DestroyWindow's own WM_DESTROY finds the window going already.
LRESULT CALLBACK ViewerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        DestroyWindow(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterViewerClass()
{
    if (platform::user::Classes().Find(kViewerClass)) return;
    WNDCLASSW viewerClass = {};
    viewerClass.lpfnWndProc = ViewerProcedure;
    viewerClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    viewerClass.lpszClassName = kViewerClass;
    RegisterClassW(&viewerClass);
}

// The viewer fills the screen between the task bar and the menu bar.
HWND OpenViewerWindow()
{
    RegisterViewerClass();
    RECT workArea = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    return CreateWindowExW(0, kViewerClass, kViewerTitle, WS_POPUP | WS_VISIBLE, workArea.left, workArea.top,
                           workArea.right - workArea.left, workArea.bottom - workArea.top, nullptr, nullptr,
                           nullptr, nullptr);
}

}  // namespace

namespace platform::shell {

DWORD RunHelpViewer(const std::u16string& commandLine)
{
    starts.Add(commandLine);
    if (HWND open = FindWindowW(kViewerClass, nullptr)) {
        SetForegroundWindow(open);
        return 0;
    }
    return OpenViewerWindow() ? 0 : kCouldNotOpen;
}

bool HelpViewerInstalled() { return installed; }

void ForgetHelpViewer()
{
    starts.Clear();
    installed = true;
}

}  // namespace platform::shell

namespace device {

const std::vector<std::u16string>& HelpViewerStarts() { return starts.Entries(); }

size_t HelpViewerStartsDropped() { return starts.Dropped(); }

std::u16string LastHelpCommand() { return starts.Entries().empty() ? std::u16string() : starts.Entries().back(); }

bool HelpViewerRunning() { return FindWindowW(kViewerClass, nullptr) != nullptr; }

void RemoveHelpViewer() { installed = false; }

}  // namespace device
