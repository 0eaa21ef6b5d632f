#include "shell_path_rewrite.h"

#include "bounded_text.h"
#include "module_state.h"
#include "setup_keys.h"
#include "start_menu_paths.h"
#include "value_name_list.h"

namespace {

const WCHAR kStartItemsKey[] = TEXT("SOFTWARE\\Microsoft\\Shell\\Start Items");
const WCHAR kTaskSwitchKey[] = TEXT("SOFTWARE\\Microsoft\\Shell\\TaskSwitch");

constexpr size_t kDataLength = 100;  // 200 bytes of value data

// Which folders become which, and whether value names follow the shortcuts.
struct Rewrite {
    LPCWSTR programsFrom;
    LPCWSTR programsTo;
    LPCWSTR startMenuFrom;
    LPCWSTR startMenuTo;
    bool toLocalized;
    bool renamesValues;
};

Rewrite MakeRewrite(LPCWSTR programs, LPCWSTR startMenu, BOOL toLocalized, bool renamesValues)
{
    if (toLocalized) return {kEnglishPrograms, programs, kEnglishStartMenu, startMenu, true, renamesValues};
    return {programs, kEnglishPrograms, startMenu, kEnglishStartMenu, false, renamesValues};
}

// Data that does not fit with its terminator is not ours to rewrite.
bool ReadString(HKEY key, LPCWSTR name, WCHAR (&data)[kDataLength])
{
    DWORD type = REG_NONE;
    DWORD size = sizeof(data);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(data), &size) != ERROR_SUCCESS) {
        return false;
    }
    if (type != REG_SZ) return false;
    size_t length = size / sizeof(WCHAR);
    if (length > 0 && data[length - 1] == 0) return true;
    if (length == kDataLength) return false;
    data[length] = 0;
    return true;
}

LONG WriteString(HKEY key, LPCWSTR name, LPCWSTR text)
{
    DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(WCHAR));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
}

// The first occurrence of each pair's name, pair after pair; false when a
// result would not fit.
bool ReplaceShortcutNames(LPWSTR data, bool toLocalized)
{
    const ShortcutNameTable& table = TheModuleState().shortcutNames;
    for (DWORD i = 0; i < table.count && i < kMaxShortcutPairs; ++i) {
        LPCWSTR from = toLocalized ? table.pairs[i].english : table.pairs[i].localized;
        LPCWSTR to = toLocalized ? table.pairs[i].localized : table.pairs[i].english;
        LPWSTR found = *from ? wcsstr(data, from) : nullptr;
        if (found && !ReplaceSpan(data, kDataLength, found - data, wcslen(from), to)) return false;
    }
    return true;
}

// The programs folder lies inside the Start-menu folder, so it is tried first.
bool ReplaceFolder(LPCWSTR data, const Rewrite& rewrite, WCHAR (&moved)[kDataLength], bool& matched)
{
    matched = true;
    if (InFolder(data, rewrite.programsFrom)) {
        return JoinText(moved, kDataLength, rewrite.programsTo, data + wcslen(rewrite.programsFrom));
    }
    if (InFolder(data, rewrite.startMenuFrom)) {
        return JoinText(moved, kDataLength, rewrite.startMenuTo, data + wcslen(rewrite.startMenuFrom));
    }
    matched = false;
    wcscpy(moved, data);
    return true;
}

BOOL OtherName(LPCWSTR name, bool toLocalized, LPWSTR other)
{
    return toLocalized ? FindLocalizedName(name, other) : FindEnglishName(name, other);
}

// The whole rewrite is formed before anything is written, so a value whose
// result would not fit stays as it was. The old name goes only once the
// new one holds the data.
void RewriteValue(HKEY key, LPCWSTR listedName, const Rewrite& rewrite)
{
    WCHAR named[kDataLength];
    WCHAR moved[kDataLength];
    bool folderMatched = false;
    if (!ReadString(key, listedName, named) || !ReplaceShortcutNames(named, rewrite.toLocalized) ||
        !ReplaceFolder(named, rewrite, moved, folderMatched)) {
        return;
    }
    WriteString(key, listedName, named);
    LPCWSTR name = listedName;
    WCHAR newName[kShortcutNameLength];
    if (rewrite.renamesValues && OtherName(listedName, rewrite.toLocalized, newName) &&
        WriteString(key, newName, named) == ERROR_SUCCESS) {
        RegDeleteValueW(key, listedName);
        name = newName;
    }
    if (folderMatched || !rewrite.toLocalized) WriteString(key, name, moved);
}

BOOL RewriteKey(HKEY root, LPCWSTR path, const Rewrite& rewrite)
{
    HKEY key = nullptr;
    if (OpenSetupKey(root, path, key) != ERROR_SUCCESS) return FALSE;
    ValueNameList names;
    if (names.Collect(key)) {
        for (DWORD i = 0; i < names.Count(); ++i) RewriteValue(key, names.Name(i), rewrite);
    }
    RegFlushKey(key);
    RegCloseKey(key);
    return TRUE;
}

}  // namespace

BOOL RewriteStartItems(DWORD lcid, LPCWSTR programs, LPCWSTR startMenu, BOOL toLocalized)
{
    if (!RewriteKey(HKEY_LOCAL_MACHINE, kStartItemsKey, MakeRewrite(programs, startMenu, toLocalized, true))) {
        return FALSE;
    }
    RewriteTaskSwitch(lcid, programs, startMenu, toLocalized);
    return TRUE;
}

BOOL RewriteTaskSwitch(DWORD, LPCWSTR programs, LPCWSTR startMenu, BOOL toLocalized)
{
    return RewriteKey(HKEY_CURRENT_USER, kTaskSwitchKey, MakeRewrite(programs, startMenu, toLocalized, false));
}
