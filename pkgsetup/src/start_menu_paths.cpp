#include "start_menu_paths.h"

bool InFolder(LPCWSTR path, LPCWSTR folder)
{
    size_t length = wcslen(folder);
    return length > 0 && _wcsnicmp(path, folder, length) == 0 && (path[length] == 0 || path[length] == TEXT('\\'));
}
