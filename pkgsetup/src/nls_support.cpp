#include "nls_support.h"

#include "module_state.h"
#include "registry_values.h"
#include "setup_keys.h"

namespace {

constexpr DWORD kFallbackAnsiCodePage = 1252;
constexpr DWORD kFallbackOemCodePage = 866;

}  // namespace

BOOL RecordNlsSupport()
{
    DWORD supported = IsNLSTableSupported() ? 1 : 0;
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) return FALSE;
    WriteRegDword(product, TEXT("NLSSupported"), supported);
    RegFlushKey(product);
    RegCloseKey(product);
    if (!supported) WriteFallbackLocale();
    return TRUE;
}

BOOL WriteFallbackLocale()
{
    HKEY nls = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kNlsKey, nls) != ERROR_SUCCESS) return FALSE;
    WriteRegDword(nls, kDefaultLcid, kEnglishLcid);
    WriteRegDword(nls, kDefaultAcp, kFallbackAnsiCodePage);
    WriteRegDword(nls, kDefaultOcp, kFallbackOemCodePage);
    RegFlushKey(nls);
    RegCloseKey(nls);
    HKEY browser = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kBrowserKey, browser) != ERROR_SUCCESS) return FALSE;
    WriteRegDword(browser, kDefaultCodePage, kFallbackAnsiCodePage);
    RegFlushKey(browser);
    RegCloseKey(browser);
    return TRUE;
}
