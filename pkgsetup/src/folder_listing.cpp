#include "folder_listing.h"

#include "bounded_text.h"

FolderListing::FolderListing(LPCWSTR folder) : folder_(folder)
{
    WCHAR pattern[MAX_PATH];
    if (!ChildPath(pattern, MAX_PATH, folder, TEXT("*.*"))) return;
    search_ = FindFirstFileW(pattern, &found_);
    pending_ = Started();
}

FolderListing::~FolderListing()
{
    if (Started()) FindClose(search_);
}

BOOL FolderListing::Next()
{
    if (!Started()) return FALSE;
    for (;;) {
        if (!pending_ && !FindNextFileW(search_, &found_)) return FALSE;
        pending_ = false;
        if (Take()) return TRUE;
    }
}

bool FolderListing::Take() { return found_.cFileName[0] != TEXT('.') && ChildPath(path_, MAX_PATH, folder_, Name()); }
