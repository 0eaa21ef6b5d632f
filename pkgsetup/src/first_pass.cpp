#include "first_pass.h"

#include "dword_values.h"
#include "registry_values.h"
#include "setup_keys.h"

namespace {

const WCHAR kFirstPass[] = TEXT("FirstPass");

}  // namespace

BOOL WriteFirstPass(DWORD number)
{
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) return FALSE;
    LONG result = WriteRegDword(product, kFirstPass, number);
    RegCloseKey(product);
    return result == ERROR_SUCCESS;
}

DWORD TakeFirstPass()
{
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) return 0;
    DWORD number = 0;
    if (ReadDwordValue(product, kFirstPass, number)) RegDeleteValueW(product, kFirstPass);
    RegCloseKey(product);
    return number;
}
