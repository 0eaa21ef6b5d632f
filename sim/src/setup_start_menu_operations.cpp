// The Start-menu operations of the setup hooks, for "setup call".
#include <device/text.h>

#include "number_words.h"
#include "setup_operation.h"
#include "shell_path_rewrite.h"
#include "shortcut_name_table.h"
#include "start_menu_localization.h"
#include "switch_words.h"

namespace {

Parsed<std::string> BuildTable(std::span<const ScriptWord> args)
{
    Parsed<DWORD> lcid = ParseUnsigned(args[0]);
    if (!lcid) return Parsed<std::string>::Failure(lcid.error());
    return BooleanResultText(BuildShortcutNameTable(*lcid));
}

Parsed<std::string> Localize(std::span<const ScriptWord> args)
{
    Parsed<DWORD> lcid = ParseUnsigned(args[0]);
    if (!lcid) return Parsed<std::string>::Failure(lcid.error());
    Parsed<bool> toLocalized = ParseYesNo(args[1]);
    if (!toLocalized) return Parsed<std::string>::Failure(toLocalized.error());
    Parsed<bool> removeSource = ParseYesNo(args[2]);
    if (!removeSource) return Parsed<std::string>::Failure(removeSource.error());
    return BooleanResultText(LocalizeStartMenu(*lcid, *toLocalized, *removeSource));
}

// The two keys' rewrite with the folders given, as the Start-menu step passes them.
template <BOOL (*Rewrite)(DWORD, LPCWSTR, LPCWSTR, BOOL)>
Parsed<std::string> RewritePaths(std::span<const ScriptWord> args)
{
    Parsed<DWORD> lcid = ParseUnsigned(args[0]);
    if (!lcid) return Parsed<std::string>::Failure(lcid.error());
    Parsed<bool> toLocalized = ParseYesNo(args[3]);
    if (!toLocalized) return Parsed<std::string>::Failure(toLocalized.error());
    std::u16string programs = device::Utf16(args[1].text);
    std::u16string startMenu = device::Utf16(args[2].text);
    return BooleanResultText(Rewrite(*lcid, programs.c_str(), startMenu.c_str(), *toLocalized));
}

const SetupOperation kOperations[] = {
    {"BuildShortcutNameTable", "LCID", 1, 1, &BuildTable},
    {"LocalizeStartMenu", "LCID TO_LOCALIZED(yes|no) REMOVE_SOURCE(yes|no)", 3, 3, &Localize},
    {"RewriteStartItems", "LCID PROGRAMS START_MENU TO_LOCALIZED(yes|no)", 4, 4, &RewritePaths<RewriteStartItems>},
    {"RewriteTaskSwitch", "LCID PROGRAMS START_MENU TO_LOCALIZED(yes|no)", 4, 4, &RewritePaths<RewriteTaskSwitch>},
};

}  // namespace

std::span<const SetupOperation> StartMenuOperations() { return kOperations; }
