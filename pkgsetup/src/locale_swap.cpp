#include "locale_swap.h"

#include "dword_values.h"
#include "module_state.h"
#include "registry_values.h"
#include "setup_keys.h"
#include "setup_message.h"

namespace {

const WCHAR kTarvexLcid[] = TEXT("TarvexLCID");
// Present while the system holds the package's locale and the product key
// the system's own: it tells a swap which way to go, and a flow run again
// after a power loss that its half is done.
const WCHAR kLocaleSwapped[] = TEXT("LocaleSwapped");

// The product key's values, read before anything changes.
struct PackageLocale {
    DWORD tarvexLcid;  // kAbsentValue: the system's "TarvexLCID" goes
    DWORD lcid;
    DWORD acp;
    DWORD ocp;
    DWORD codePage;
};

// The system's values as found; kAbsentValue for one it did not have.
struct SystemLocale {
    DWORD lcid = kAbsentValue;
    DWORD acp = kAbsentValue;
    DWORD ocp = kAbsentValue;
    DWORD codePage = kAbsentValue;
};

BOOL Fail(LPCWSTR message)
{
    ShowSetupError(message);
    return FALSE;
}

bool ReadPackageLocale(HKEY product, PackageLocale& package)
{
    return ReadDwordValue(product, kTarvexLcid, package.tarvexLcid) &&
           ReadDwordValue(product, kDefaultLcid, package.lcid) && ReadDwordValue(product, kDefaultAcp, package.acp) &&
           ReadDwordValue(product, kDefaultOcp, package.ocp) &&
           ReadDwordValue(product, kDefaultCodePage, package.codePage);
}

// The system's switch, when kept, names the locale being put in place.
LONG PutTarvexLcid(HKEY nls, const PackageLocale& package)
{
    if (package.tarvexLcid == kAbsentValue) return PutOrDeleteDword(nls, kTarvexLcid, kAbsentValue);
    return WriteRegDword(nls, kTarvexLcid, package.lcid);
}

bool WriteNlsValues(HKEY nls, const PackageLocale& package)
{
    return PutTarvexLcid(nls, package) == ERROR_SUCCESS &&
           PutOrDeleteDword(nls, kDefaultLcid, package.lcid) == ERROR_SUCCESS &&
           PutOrDeleteDword(nls, kDefaultAcp, package.acp) == ERROR_SUCCESS &&
           PutOrDeleteDword(nls, kDefaultOcp, package.ocp) == ERROR_SUCCESS;
}

void ReadSystemLocale(HKEY nls, HKEY browser, SystemLocale& system)
{
    ReadDwordValue(nls, kDefaultLcid, system.lcid);
    ReadDwordValue(nls, kDefaultAcp, system.acp);
    ReadDwordValue(nls, kDefaultOcp, system.ocp);
    TheModuleState().preSwapSystemLcid = system.lcid;
    // A browser without a code page of its own has it saved as absent, as
    // the locale values are, so that the removal takes the package's away.
    ReadDwordValue(browser, kDefaultCodePage, system.codePage);
}

bool SaveSystemLocale(HKEY product, const SystemLocale& system)
{
    return WriteRegDword(product, kDefaultLcid, system.lcid) == ERROR_SUCCESS &&
           WriteRegDword(product, kDefaultAcp, system.acp) == ERROR_SUCCESS &&
           WriteRegDword(product, kDefaultOcp, system.ocp) == ERROR_SUCCESS &&
           WriteRegDword(product, kDefaultCodePage, system.codePage) == ERROR_SUCCESS;
}

bool PutPackageLocale(HKEY nls, HKEY browser, const PackageLocale& package)
{
    return WriteNlsValues(nls, package) &&
           PutOrDeleteDword(browser, kDefaultCodePage, package.codePage) == ERROR_SUCCESS;
}

bool IsSwapped(HKEY product)
{
    DWORD swapped = 0;
    return ReadDwordValue(product, kLocaleSwapped, swapped) && swapped != 0;
}

// The system's values are saved before any of them is overwritten, and the
// mark is set before the first: a stop at any write leaves each system value
// unchanged or saved, and the mark says whether there is anything to put back.
BOOL PutProductValuesInPlace(HKEY product, const PackageLocale& package, HKEY nls, HKEY browser,
                             const SystemLocale& system)
{
    if (!SaveSystemLocale(product, system) || WriteRegDword(product, kLocaleSwapped, 1) != ERROR_SUCCESS)
        return Fail(TEXT("Registry error Y"));
    if (!PutPackageLocale(nls, browser, package)) return Fail(TEXT("Registry error X"));
    return TRUE;
}

// Going back, the saved values are written first and the mark goes once they
// are all back; only then does the product key take the package's values.
BOOL PutSavedValuesBack(HKEY product, const PackageLocale& saved, HKEY nls, HKEY browser,
                        const SystemLocale& system)
{
    if (!PutPackageLocale(nls, browser, saved)) return Fail(TEXT("Registry error X"));
    if (RegDeleteValueW(product, kLocaleSwapped) != ERROR_SUCCESS || !SaveSystemLocale(product, system))
        return Fail(TEXT("Registry error Y"));
    return TRUE;
}

// Every value is read before any is written.
BOOL SwapSystemValues(HKEY product, const PackageLocale& package, HKEY nls, HKEY browser)
{
    SystemLocale system;
    ReadSystemLocale(nls, browser, system);
    if (IsSwapped(product)) return PutSavedValuesBack(product, package, nls, browser, system);
    return PutProductValuesInPlace(product, package, nls, browser, system);
}

BOOL SwapWithProductKey(HKEY product)
{
    PackageLocale package{};
    if (!ReadPackageLocale(product, package)) return Fail(TEXT("Registry error X"));
    HKEY nls = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kNlsKey, nls) != ERROR_SUCCESS) return Fail(TEXT("Registry error 4"));
    HKEY browser = nullptr;
    if (OpenSetupKey(HKEY_LOCAL_MACHINE, kBrowserKey, browser) != ERROR_SUCCESS) {
        RegCloseKey(nls);
        return Fail(TEXT("Registry error 5"));
    }
    BOOL swapped = SwapSystemValues(product, package, nls, browser);
    RegCloseKey(browser);
    RegCloseKey(nls);
    return swapped;
}

}  // namespace

BOOL SwapLocaleSettings()
{
    TheModuleState().preSwapSystemLcid = kEnglishLcid;
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) return Fail(TEXT("Registry error 3"));
    BOOL swapped = SwapWithProductKey(product);
    RegCloseKey(product);
    return swapped;
}

bool IsLocaleSwapped()
{
    HKEY product = nullptr;
    if (OpenSetupKey(HKEY_CURRENT_USER, kProductKey, product) != ERROR_SUCCESS) return false;
    bool swapped = IsSwapped(product);
    RegCloseKey(product);
    return swapped;
}

BOOL PutPackageLocaleInPlace() { return IsLocaleSwapped() ? TRUE : SwapLocaleSettings(); }

BOOL PutSystemLocaleBack() { return IsLocaleSwapped() ? SwapLocaleSettings() : TRUE; }
