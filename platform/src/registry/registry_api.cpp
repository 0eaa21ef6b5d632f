// The registry functions of the platform. Every call is recorded in the
// device's call log.
#include <functional>
#include <optional>
#include <string_view>

#include <winreg.h>

#include "power/power_supply.h"
#include "registry/call_log.h"
#include "registry/caller_buffers.h"
#include "registry/injected_failures.h"
#include "registry/key_deletion_watch.h"
#include "registry/key_path.h"
#include "registry/registry_limits.h"
#include "registry/registry_store.h"
#include "registry/root_keys.h"

using platform::registry::Access;
using platform::registry::KeyId;
using platform::registry::RegistrySession;
using platform::registry::Run;
using platform::registry::SplitKeyPath;
using platform::registry::StoredValue;

namespace {

// Makes CALL, a call of FUNCTION on KEY naming NAME, unless the driver made
// it fail, and records it. The key's path is taken first: closing the key
// forgets it.
// A change the registry made counts as one of the device's writes.
LONG Written(LONG result)
{
    if (result == ERROR_SUCCESS) platform::power::NoteWrite();
    return result;
}

LONG Recorded(const char* function, HKEY key, LPCWSTR name, const std::function<LONG()>& call)
{
    std::u16string path = platform::registry::PathOfHandle(key);
    std::u16string given = name ? name : u"";
    std::optional<LONG> injected = platform::registry::InjectedFailure(function, path, given);
    LONG result = injected ? *injected : call();
    try {
        platform::registry::RecordCall({function, std::move(path), std::move(given), result});
    } catch (...) {
        // A call log that cannot grow must not change what the call did.
    }
    return result;
}

// A null value name is the key's default value, as is the empty name.
std::u16string_view ValueName(LPCWSTR name) { return name ? std::u16string_view(name) : std::u16string_view(); }

bool IsDwordType(DWORD type) { return type == REG_DWORD || type == REG_DWORD_BIG_ENDIAN; }

LONG CheckValueToStore(std::u16string_view name, DWORD type, const BYTE* data, DWORD size)
{
    if (!data && size != 0) return ERROR_INVALID_PARAMETER;
    if (name.size() > platform::registry::kMaxValueNameLength) return ERROR_INVALID_PARAMETER;
    if (size > platform::registry::kMaxValueDataSize) return ERROR_INVALID_PARAMETER;
    if (IsDwordType(type) && size != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
    return ERROR_SUCCESS;
}

// Opens, or with CREATE creates, the key SUBKEY names below HKEY; the result
// is null unless the call succeeded.
LONG OpenSubkey(HKEY hKey, LPCWSTR subKey, bool create, PHKEY result, DWORD& disposition)
{
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    LONG error = Run(create ? Access::Write : Access::Read, [&](RegistrySession& session) {
        KeyId key = 0;
        std::vector<std::u16string> names = SplitKeyPath(subKey);
        LONG status = session.Resolve(hKey, key);
        if (status == ERROR_SUCCESS) {
            status = create ? session.CreatePath(key, names, key, disposition) : session.OpenPath(key, names, key);
        }
        if (status == ERROR_SUCCESS) {
            status = session.OpenHandle(key, platform::registry::JoinKeyPath(session.PathOf(hKey), names), *result);
        }
        return status;
    });
    if (error != ERROR_SUCCESS) *result = nullptr;
    return error;
}

}  // namespace

LONG WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM, LPSECURITY_ATTRIBUTES,
                            PHKEY phkResult, LPDWORD lpdwDisposition)
{
    if (phkResult) *phkResult = nullptr;
    return Recorded("RegCreateKeyExW", hKey, lpSubKey, [&]() -> LONG {
        DWORD disposition = 0;
        LONG error = OpenSubkey(hKey, lpSubKey, true, phkResult, disposition);
        if (error == ERROR_SUCCESS && lpdwDisposition) *lpdwDisposition = disposition;
        if (error == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY) platform::power::NoteWrite();
        return error;
    });
}

LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult)
{
    if (phkResult) *phkResult = nullptr;
    return Recorded("RegOpenKeyExW", hKey, lpSubKey, [&]() -> LONG {
        DWORD disposition = 0;
        return OpenSubkey(hKey, lpSubKey, false, phkResult, disposition);
    });
}

// Closing a predefined root does nothing and succeeds.
LONG WINAPI RegCloseKey(HKEY hKey)
{
    return Recorded("RegCloseKey", hKey, nullptr, [&]() -> LONG {
        return Run(Access::Direct, [&](RegistrySession& session) -> LONG {
            if (platform::registry::FindRoot(hKey) || session.Handles().Remove(hKey)) return ERROR_SUCCESS;
            return ERROR_INVALID_HANDLE;
        });
    });
}

LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    return Recorded("RegQueryValueExW", hKey, lpValueName, [&]() -> LONG {
        if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
        return Run(Access::Read, [&](RegistrySession& session) {
            KeyId key = 0;
            StoredValue value;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.Store().FindValue(key, ValueName(lpValueName), value);
            if (status == ERROR_SUCCESS) status = platform::registry::CopyValueOut(value, lpType, lpData, lpcbData);
            return status;
        });
    });
}

LONG WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    return Recorded("RegSetValueExW", hKey, lpValueName, [&]() -> LONG {
        std::u16string_view name = ValueName(lpValueName);
        LONG error = CheckValueToStore(name, dwType, lpData, cbData);
        if (error != ERROR_SUCCESS) return error;
        error = Run(Access::Write, [&](RegistrySession& session) {
            KeyId key = 0;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.Store().PutValue(key, name, dwType, lpData, cbData);
            return status;
        });
        return Written(error);
    });
}

LONG WINAPI RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName)
{
    return Recorded("RegDeleteValueW", hKey, lpValueName, [&]() -> LONG {
        return Written(Run(Access::Write, [&](RegistrySession& session) {
            KeyId key = 0;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.Store().RemoveValue(key, ValueName(lpValueName));
            return status;
        }));
    });
}

// Removes the key with everything below it; an empty subkey deletes the key
// HKEY itself. The predefined roots cannot be deleted. The deletion is
// announced once it is recorded, so that what the watcher does follows it.
LONG WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey)
{
    std::u16string deleted = platform::registry::JoinKeyPath(platform::registry::PathOfHandle(hKey),
                                                             SplitKeyPath(lpSubKey));
    LONG result = Recorded("RegDeleteKeyW", hKey, lpSubKey, [&]() -> LONG {
        if (!lpSubKey) return ERROR_INVALID_PARAMETER;
        return Run(Access::Write, [&](RegistrySession& session) {
            KeyId key = 0;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.OpenPath(key, SplitKeyPath(lpSubKey), key);
            if (status == ERROR_SUCCESS && platform::registry::FindRoot(key)) status = ERROR_ACCESS_DENIED;
            if (status == ERROR_SUCCESS) status = session.Store().DeleteTree(key);
            return status;
        });
    });
    if (result == ERROR_SUCCESS) platform::registry::AnnounceKeyDeletion(deleted);
    return Written(result);
}

LONG WINAPI RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName, LPDWORD, LPDWORD lpType,
                          LPBYTE lpData, LPDWORD lpcbData)
{
    return Recorded("RegEnumValueW", hKey, nullptr, [&]() -> LONG {
        if (!lpValueName || !lpcchValueName || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
        return Run(Access::Read, [&](RegistrySession& session) {
            KeyId key = 0;
            StoredValue value;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.Store().ValueAt(key, dwIndex, value);
            if (status == ERROR_SUCCESS) {
                status = platform::registry::CopyNameOut(value.name, lpValueName, lpcchValueName);
            }
            if (status == ERROR_SUCCESS) status = platform::registry::CopyValueOut(value, lpType, lpData, lpcbData);
            return status;
        });
    });
}

// Keys carry no class and no write time here: a class buffer receives an
// empty string, the time is zero.
LONG WINAPI RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD, LPWSTR lpClass,
                          LPDWORD lpcchClass, PFILETIME lpftLastWriteTime)
{
    return Recorded("RegEnumKeyExW", hKey, nullptr, [&]() -> LONG {
        if (!lpName || !lpcchName) return ERROR_INVALID_PARAMETER;
        return Run(Access::Read, [&](RegistrySession& session) {
            KeyId key = 0;
            std::u16string name;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.Store().ChildAt(key, dwIndex, name);
            if (status == ERROR_SUCCESS) status = platform::registry::CopyNameOut(name, lpName, lpcchName);
            if (status != ERROR_SUCCESS) return status;
            if (lpClass && lpcchClass && *lpcchClass > 0) lpClass[0] = 0;
            if (lpcchClass) *lpcchClass = 0;
            if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{};
            return status;
        });
    });
}

// Makes every committed change durable, whichever key it names.
LONG WINAPI RegFlushKey(HKEY hKey)
{
    return Recorded("RegFlushKey", hKey, nullptr, [&]() -> LONG {
        return Run(Access::Direct, [&](RegistrySession& session) {
            KeyId key = 0;
            LONG status = session.Resolve(hKey, key);
            if (status == ERROR_SUCCESS) status = session.Store().Flush();
            return status;
        });
    });
}
