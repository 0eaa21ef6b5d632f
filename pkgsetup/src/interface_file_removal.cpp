#include "interface_files.h"
#include "module_state.h"

BOOL DeleteInterfaceFiles()
{
    WCHAR pattern[MAX_PATH];
    wsprintfW(pattern, TEXT("\\Windows\\*.%0.4X.MUI"), TheModuleState().packageLanguage);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return TRUE;
    do {
        WCHAR path[MAX_PATH];
        wsprintfW(path, TEXT("\\Windows\\%s"), found.cFileName);
        DeleteFileW(path);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return TRUE;
}
