#include "restart_program_path.h"

namespace {

const WCHAR kProgramName[] = TEXT("\\reboot.exe");

}  // namespace

bool RestartProgramPath(LPCWSTR installDirectory, WCHAR (&path)[MAX_PATH])
{
    path[0] = 0;
    size_t length = wcslen(installDirectory);
    if (length > 0 && installDirectory[length - 1] == TEXT('\\')) --length;
    if (length + wcslen(kProgramName) >= MAX_PATH) return false;
    wcsncpy(path, installDirectory, length);
    path[length] = 0;
    wcscat(path, kProgramName);
    return true;
}
