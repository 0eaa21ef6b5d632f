#include "folder_tree.h"

#include "bounded_text.h"
#include "folder_listing.h"
#include "setup_message.h"
#include "shortcut_names.h"

namespace {

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
        DeleteFileW(target);
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
            CopyFileW(entry.Path(), target, FALSE);
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
                if (!DeleteFileW(entry.Path())) return FALSE;
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
