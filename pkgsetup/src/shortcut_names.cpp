#include "shortcut_names.h"

#include "module_state.h"

namespace {

const ShortcutNameTable kRussianNames = {
    {
        {TEXT("Calendar.lnk"), TEXT("Календарь.lnk")},
        {TEXT("Contacts.lnk"), TEXT("Контакты.lnk")},
        {TEXT("Inbox.lnk"), TEXT("Почта.lnk")},
        {TEXT("Notes.lnk"), TEXT("Заметки.lnk")},
        {TEXT("Tasks.lnk"), TEXT("Задачи.lnk")},
        {TEXT("Calculator.lnk"), TEXT("Калькулятор.lnk")},
        {TEXT("File Explorer.lnk"), TEXT("Проводник.lnk")},
        {TEXT("Infrared Receive.lnk"), TEXT("ИК прием.lnk")},
        {TEXT("Solitaire.lnk"), TEXT("Солитер.lnk")},
        {TEXT("Games"), TEXT("Игры")},
    },
    10,
    TRUE,
};

BOOL FindPair(LPCWSTR name, bool fromEnglish, LPWSTR other)
{
    const ShortcutNameTable& table = TheModuleState().shortcutNames;
    for (DWORD i = 0; i < table.count && i < kMaxShortcutPairs; ++i) {
        const ShortcutNamePair& pair = table.pairs[i];
        if (_wcsicmp(name, fromEnglish ? pair.english : pair.localized) != 0) continue;
        if (other) wcscpy(other, fromEnglish ? pair.localized : pair.english);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

const ShortcutNameTable& RussianShortcutNames() { return kRussianNames; }

BOOL FindLocalizedName(LPCWSTR name, LPWSTR localized) { return FindPair(name, true, localized); }

BOOL FindEnglishName(LPCWSTR name, LPWSTR english) { return FindPair(name, false, english); }
