#include "product_key.h"

HKEY OpenProductKey(LPCWSTR path)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, 0, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}
