// CreateProcessW and the calls on the handles it gives.
#include <winbase.h>

#include <memory>

#include "kernel/api_guard.h"
#include "kernel/handle_table.h"
#include "process/process_object.h"
#include "process/program_launcher.h"

namespace {

using platform::kernel::Handles;
using platform::process::ProcessObject;
using platform::process::ThreadObject;

DWORD nextId = 0x100;

BOOL Refuse(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

void HandOut(DWORD exitCode, LPPROCESS_INFORMATION info)
{
    DWORD processId = nextId++;
    DWORD threadId = nextId++;
    HANDLE process = Handles().Add(std::make_unique<ProcessObject>(processId, exitCode));
    HANDLE thread = Handles().Add(std::make_unique<ThreadObject>(threadId));
    *info = {process, thread, processId, threadId};
}

}  // namespace

// The device takes no attributes, inheritance, environment, folder or
// start-up information; the command line reaches the program as given.
BOOL WINAPI CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine, LPSECURITY_ATTRIBUTES lpProcessAttributes,
                           LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles, DWORD, LPVOID lpEnvironment,
                           LPCWSTR lpCurrentDirectory, LPSTARTUPINFOW lpStartupInfo,
                           LPPROCESS_INFORMATION lpProcessInformation)
{
    if (!lpApplicationName || !*lpApplicationName || lpProcessAttributes || lpThreadAttributes || bInheritHandles ||
        lpEnvironment || lpCurrentDirectory || lpStartupInfo || !lpProcessInformation)
        return Refuse(ERROR_INVALID_PARAMETER);
    return platform::kernel::Guarded(FALSE, [&] {
        platform::process::Launched launched =
            platform::process::LaunchProgram(lpApplicationName, lpCommandLine ? lpCommandLine : u"");
        if (launched.error != ERROR_SUCCESS) return Refuse(launched.error);
        HandOut(launched.exitCode, lpProcessInformation);
        return TRUE;
    });
}

// Every process has ended by the time its handle is handed out.
DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD)
{
    if (Handles().Find<ProcessObject>(hHandle) || Handles().Find<ThreadObject>(hHandle)) return WAIT_OBJECT_0;
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
}

BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode)
{
    const ProcessObject* process = Handles().Find<ProcessObject>(hProcess);
    if (!process) return FALSE;
    if (!lpExitCode) return Refuse(ERROR_INVALID_PARAMETER);
    *lpExitCode = process->ExitCode();
    return TRUE;
}
