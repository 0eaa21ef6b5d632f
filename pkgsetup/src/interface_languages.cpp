#include "interface_languages.h"

#include "dword_values.h"
#include "module_state.h"
#include "setup_keys.h"
#include "setup_message.h"

namespace {

void ReadLanguage(HKEY product, LPCWSTR name, DWORD& language, LPCWSTR failure)
{
    if (ReadDwordValue(product, name, language)) return;
    ShowSetupError(failure);
    language = kEnglishLcid;
}

}  // namespace

BOOL ReadInterfaceLanguages()
{
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) {
        ShowSetupError(TEXT("Registry error 1"));
        return FALSE;
    }
    ModuleState& state = TheModuleState();
    ReadLanguage(product, TEXT("AvailableInterfaceLang"), state.packageLanguage, TEXT("Registry error 2"));
    ReadLanguage(product, TEXT("InterfaceLang"), state.interfaceLanguage, TEXT("Registry error 3"));
    RegCloseKey(product);
    return TRUE;
}
