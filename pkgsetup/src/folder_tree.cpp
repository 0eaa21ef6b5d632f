#include "folder_tree.h"

#include "bounded_text.h"
#include "folder_listing.h"
#include "setup_message.h"
#include "shortcut_names.h"

namespace {

// The steps replace and remove the files in their way read-only or not, as
// they do folders: a read-only file left standing in the localised copy
// takes the place of the English menu's own, which the removal then loses.
// Clears PATH's read-only attribute: what to put back if the change then
// fails, 0 when there was nothing to clear.
DWORD ClearReadOnly(LPCWSTR path)
{
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return 0;
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    return attributes;
}

BOOL DeleteTreeFile(LPCWSTR path)
{
    DWORD cleared = ClearReadOnly(path);
    if (DeleteFileW(path)) return TRUE;
    if (cleared) SetFileAttributesW(path, cleared);
    return FALSE;
}

void CopyTreeFile(LPCWSTR source, LPCWSTR target)
{
    DWORD cleared = ClearReadOnly(target);
    if (!CopyFileW(source, target, FALSE) && cleared) SetFileAttributesW(target, cleared);
}

BOOL NewName(LPCWSTR name, BOOL toLocalized, LPWSTR newName)
{
    return toLocalized ? FindLocalizedName(name, newName) : FindEnglishName(name, newName);
}

// The entry under its pair's other name, in the same folder.
void RenameEntry(LPCWSTR folder, const FolderListing& entry, BOOL toLocalized)
{
    WCHAR newName[kShortcutNameLength];
    WCHAR target[MAX_PATH];
    if (!NewName(entry.Name(), toLocalized, newName) || !ChildPath(target, MAX_PATH, folder, newName)) return;
    if (entry.IsFolder()) {
        RemoveTree(target, TRUE);
    } else {
        DeleteTreeFile(target);
    }
    if (MoveFileW(entry.Path(), target)) return;
    ShowFolderError(TEXT("Cannot move file"));
    ShowFolderError(entry.Path());
    ShowFolderError(target);
}

}  // namespace

BOOL CopyTree(LPCWSTR source, LPCWSTR destination, BOOL recurse)
{
    CreateDirectoryW(destination, nullptr);
    FolderListing entry(source);
    if (!entry.Started()) return FALSE;
    while (entry.Next()) {
        WCHAR target[MAX_PATH];
        if (!ChildPath(target, MAX_PATH, destination, entry.Name())) continue;
        if (!entry.IsFolder()) {
            CopyTreeFile(entry.Path(), target);
        } else if (recurse) {
            CopyTree(entry.Path(), target, recurse);
        }
    }
    return TRUE;
}

BOOL RemoveTree(LPCWSTR folder, BOOL recurse)
{
    {
        FolderListing entry(folder);
        while (entry.Next()) {
            if (!entry.IsFolder()) {
                if (!DeleteTreeFile(entry.Path())) return FALSE;
            } else if (recurse && !RemoveTree(entry.Path(), recurse)) {
                return FALSE;
            }
        }
    }
    SetFileAttributesW(folder, FILE_ATTRIBUTE_NORMAL);
    return RemoveDirectoryW(folder);
}

BOOL RenameTree(LPCWSTR folder, BOOL recurse, BOOL toLocalized)
{
    FolderListing entry(folder);
    if (!entry.Started()) return FALSE;
    while (entry.Next()) {
        if (entry.IsFolder() && recurse) RenameTree(entry.Path(), recurse, toLocalized);
        RenameEntry(folder, entry, toLocalized);
    }
    return TRUE;
}
