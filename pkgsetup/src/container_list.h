// The containers of an install directory ("mui_?.bin"), each open for
// reading, in the order the folder lists them.
#pragma once

#include <windows.h>

struct Container {
    WCHAR path[MAX_PATH];
    HANDLE file;
    DWORD size;
};

class ContainerList {
public:
    ContainerList() = default;
    ~ContainerList();
    ContainerList(const ContainerList&) = delete;
    ContainerList& operator=(const ContainerList&) = delete;

    // Lists and opens the containers of INSTALLDIRECTORY. FALSE, after
    // showing the search pattern, when none matches. A container that cannot
    // be opened, or no longer fits in memory, is reported by its path and
    // left where it is; the others are kept, however many there are.
    BOOL Collect(LPCWSTR installDirectory);

    DWORD Count() const { return count_; }
    Container& At(DWORD index) { return containers_[index]; }
    // Their sizes together.
    DWORD TotalSize() const;

    // Closes the container's file; a second close does nothing.
    void Close(DWORD index);

private:
    void Add(LPCWSTR installDirectory, LPCWSTR name);
    bool Grow();

    Container* containers_ = nullptr;
    DWORD count_ = 0;
    DWORD capacity_ = 0;
};
