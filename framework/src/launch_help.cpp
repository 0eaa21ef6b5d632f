#include "launch_help.h"

#include "default_code_page.h"
#include "help_command.h"

namespace {

const WCHAR kViewerProgram[] = TEXT("peghelp");
const WCHAR kViewerClass[] = TEXT("PegHelp");
const DWORD kViewerStartWait = 1000;

void CloseOpenViewer()
{
    HWND viewer = FindWindowW(kViewerClass, nullptr);
    if (viewer) SendMessageW(viewer, WM_DESTROY, 0, 0);
}

// A viewer that cannot be started leaves no handles to wait on or close.
void StartViewer(LPWSTR command)
{
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(kViewerProgram, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &process))
        return;
    WaitForSingleObject(process.hProcess, kViewerStartWait);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

void LaunchHelp(LPCWSTR topic, LCID language)
{
    WCHAR command[kHelpPathLength];
    BuildHelpCommand(topic, language, command);
    DWORD savedCodePage = 0;
    LONG saved = ReadDefaultCodePage(savedCodePage);
    CloseOpenViewer();
    bool restorable = saved == ERROR_SUCCESS || saved == ERROR_FILE_NOT_FOUND;
    if (restorable) WriteDefaultCodePage(HelpCodePage(language));
    StartViewer(command);
    if (saved == ERROR_SUCCESS)
        WriteDefaultCodePage(savedCodePage);
    else if (saved == ERROR_FILE_NOT_FOUND)
        DeleteDefaultCodePage();
}
