#include "setup_keys.h"

LONG OpenSetupKey(HKEY root, LPCWSTR path, HKEY& key)
{
    DWORD disposition = 0;
    return RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, &disposition);
}
