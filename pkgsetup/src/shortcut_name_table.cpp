#include "shortcut_name_table.h"

#include "module_state.h"
#include "setup_message.h"

namespace {

constexpr DWORD kRussianLcid = 1049;
constexpr DWORD kMaxItems = 10;
const WCHAR kShortcutEnding[] = TEXT(".lnk");

// A program of the Start menu and where its language resource file keeps
// its name.
struct StartMenuItem {
    WCHAR englishName[kShortcutNameLength];
    WCHAR filePattern[40];  // "%04.4X" takes the LCID
    UINT stringId;          // 0 ends the table
};

const StartMenuItem kStartMenuItems[kMaxItems] = {
    {TEXT("Calendar"), TEXT("pimres.dll.%04.4X.MUI"), 108},
    {TEXT("Contacts"), TEXT("pimres.dll.%04.4X.MUI"), 1000},
    {TEXT("Inbox"), TEXT("pimres.dll.%04.4X.MUI"), 7319},
    {TEXT("Notes"), TEXT("notes.exe.%04.4X.MUI"), 48},
    {TEXT("Tasks"), TEXT("pimres.dll.%04.4X.MUI"), 201},
    {TEXT("Calculator"), TEXT("calc.exe.%04.4X.MUI"), 1},
    {TEXT("File Explorer"), TEXT("browser.dll.%04.4X.MUI"), 536},
    {TEXT("Infrared Receive"), TEXT("irsquirt.exe.%04.4X.MUI"), 1},
    {TEXT("Solitaire"), TEXT("solitare.exe.%04.4X.MUI"), 200},
    {TEXT(""), TEXT(""), 0},
};

// Room for the name and ".lnk" in a shortcut name.
constexpr size_t kMaxLocalizedLength = kShortcutNameLength - 1 - 4;

// The item's localised name, or FALSE (with the item's English name shown)
// when the file has none or one too long to stay whole as a shortcut name.
BOOL LoadLocalizedName(HMODULE file, const StartMenuItem& item, LPWSTR localized)
{
    WCHAR loaded[256];
    int length = LoadStringW(file, item.stringId, loaded, 256);
    if (length <= 0 || static_cast<size_t>(length) > kMaxLocalizedLength) {
        ShowFolderError(item.englishName);
        return FALSE;
    }
    wcscpy(localized, loaded);
    return TRUE;
}

// Adds the item's pair when its names differ; FALSE when its file cannot be opened.
BOOL AddItemPair(const StartMenuItem& item, DWORD lcid, ShortcutNameTable& table)
{
    WCHAR fileName[64];
    wsprintfW(fileName, item.filePattern, lcid);
    HMODULE file = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!file) {
        ShowCannotOpenFile(fileName);
        return FALSE;
    }
    ShortcutNamePair& pair = table.pairs[table.count];
    wcscpy(pair.english, item.englishName);
    if (LoadLocalizedName(file, item, pair.localized) && _wcsicmp(pair.english, pair.localized) != 0) {
        wcscat(pair.english, kShortcutEnding);
        wcscat(pair.localized, kShortcutEnding);
        ++table.count;
    }
    FreeLibrary(file);
    return TRUE;
}

}  // namespace

BOOL BuildShortcutNameTable(DWORD lcid)
{
    ShortcutNameTable& table = TheModuleState().shortcutNames;
    if (lcid == kRussianLcid) {
        table = RussianShortcutNames();
        return TRUE;
    }
    DWORD built = table.count;
    table.count = 0;
    table.complete = FALSE;
    for (DWORD i = 0; i < kMaxItems && kStartMenuItems[i].stringId != 0; ++i) {
        if (!AddItemPair(kStartMenuItems[i], lcid, table)) {
            table.count = built;
            return FALSE;
        }
    }
    table.complete = TRUE;
    return TRUE;
}
