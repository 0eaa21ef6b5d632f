// A folder's entries as the Start-menu steps walk them: every name that
// begins with "." is passed over, not only "." and "..", and so is an entry
// whose path would not fit a path buffer.
#pragma once

#include <windows.h>

class FolderListing {
public:
    explicit FolderListing(LPCWSTR folder);
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;
    ~FolderListing();

    // FALSE when the folder cannot be listed (missing, or empty).
    BOOL Started() const { return search_ != INVALID_HANDLE_VALUE; }

    // Moves to the next entry; FALSE when there is none.
    BOOL Next();

    LPCWSTR Name() const { return found_.cFileName; }
    LPCWSTR Path() const { return path_; }
    BOOL IsFolder() const { return (found_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
    // Whether the entry found is one the steps treat, its path formed.
    bool Take();

    LPCWSTR folder_;
    HANDLE search_ = INVALID_HANDLE_VALUE;
    bool pending_ = false;  // the first entry, found with the search, not yet taken
    WIN32_FIND_DATAW found_{};
    WCHAR path_[MAX_PATH] = {};
};
