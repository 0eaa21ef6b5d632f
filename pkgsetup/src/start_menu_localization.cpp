#include "start_menu_localization.h"

#include "bounded_text.h"
#include "folder_tree.h"
#include "module_state.h"
#include "setup_message.h"
#include "shell_path_rewrite.h"
#include "start_menu_paths.h"

namespace {

constexpr UINT kStartMenuString = 36933;
constexpr UINT kProgramsString = 36930;
constexpr UINT kSettingsString = 36931;
constexpr int kFolderLength = 256;

// The Start menu's three folders in one language.
struct StartMenuFolders {
    LPCWSTR startMenu;
    LPCWSTR programs;
    LPCWSTR settings;
};

const StartMenuFolders kEnglishFolders = {kEnglishStartMenu, kEnglishPrograms, kEnglishSettings};

// The localised folders as the shell's language resource file gives them.
struct LocalizedFolderTexts {
    WCHAR startMenu[kFolderLength];
    WCHAR programs[kFolderLength];
    WCHAR settings[kFolderLength];
};

// A folder the steps can copy into and cut a last component from, and
// apart from the English Start menu, which the steps remove and copy from.
bool UsableFolder(LPCWSTR folder, int length)
{
    return length > 1 && length < kFolderLength - 1 && folder[0] == TEXT('\\') && folder[length - 1] != TEXT('\\') &&
           !InFolder(folder, kEnglishStartMenu) && !InFolder(kEnglishStartMenu, folder);
}

bool LoadFolder(HMODULE file, UINT id, WCHAR (&folder)[kFolderLength])
{
    return UsableFolder(folder, LoadStringW(file, id, folder, kFolderLength));
}

BOOL ReadLocalizedFolders(DWORD lcid, LocalizedFolderTexts& folders)
{
    WCHAR fileName[64];
    wsprintfW(fileName, TEXT("shell32.exe.%04.4X.mui"), lcid);
    HMODULE file = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    bool usable = file && LoadFolder(file, kStartMenuString, folders.startMenu) &&
                  LoadFolder(file, kProgramsString, folders.programs) &&
                  LoadFolder(file, kSettingsString, folders.settings);
    if (file) FreeLibrary(file);
    if (!usable) ShowCannotOpenFile(fileName);
    return usable;
}

bool FolderExists(LPCWSTR folder)
{
    DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Copying the Start-menu folder brought along the subfolder named as the
// last component of SUBFOLDER, which has a copy of its own.
void RemoveCopiedSubfolder(LPCWSTR startMenu, LPCWSTR subfolder)
{
    WCHAR copied[MAX_PATH];
    if (!ChildPath(copied, MAX_PATH, startMenu, wcsrchr(subfolder, TEXT('\\')) + 1)) {
        ShowFolderError(subfolder);
    } else if (!RemoveTree(copied, TRUE)) {
        ShowFolderError(copied);
    }
}

void MoveStartMenu(const StartMenuFolders& from, const StartMenuFolders& to, BOOL toLocalized, BOOL removeSourceTree)
{
    RemoveTree(to.startMenu, TRUE);
    RemoveTree(to.programs, TRUE);
    RemoveTree(to.settings, TRUE);
    CopyTree(from.startMenu, to.startMenu, TRUE);
    CopyTree(from.programs, to.programs, TRUE);
    CopyTree(from.settings, to.settings, TRUE);
    RemoveCopiedSubfolder(to.startMenu, from.programs);
    RemoveCopiedSubfolder(to.startMenu, from.settings);
    if (removeSourceTree) RemoveTree(from.startMenu, TRUE);
    RenameTree(to.startMenu, TRUE, toLocalized);
}

}  // namespace

BOOL LocalizeStartMenu(DWORD lcid, BOOL toLocalized, BOOL removeSourceTree)
{
    if (lcid == kEnglishLcid) return FALSE;
    if (!TheModuleState().shortcutNames.complete) return FALSE;
    LocalizedFolderTexts texts;
    if (!ReadLocalizedFolders(lcid, texts)) return FALSE;
    const StartMenuFolders localized = {texts.startMenu, texts.programs, texts.settings};
    const StartMenuFolders& from = toLocalized ? kEnglishFolders : localized;
    const StartMenuFolders& to = toLocalized ? localized : kEnglishFolders;
    // Without it there is nothing to copy, and removing the other copy would lose the Start menu.
    if (!FolderExists(from.startMenu)) {
        ShowFolderError(from.startMenu);
        return FALSE;
    }
    RewriteStartItems(lcid, localized.programs, localized.startMenu, toLocalized);
    MoveStartMenu(from, to, toLocalized, removeSourceTree);
    return TRUE;
}
