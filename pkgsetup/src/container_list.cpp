#include "container_list.h"

#include <new>

#include "bounded_text.h"
#include "setup_message.h"

ContainerList::~ContainerList()
{
    for (DWORD i = 0; i < count_; ++i) Close(i);
    delete[] containers_;
}

BOOL ContainerList::Collect(LPCWSTR installDirectory)
{
    WCHAR pattern[MAX_PATH];
    if (!ChildPath(pattern, MAX_PATH, installDirectory, TEXT("mui_?.bin"))) {
        ShowSetupError(installDirectory);
        return FALSE;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) {
        ShowSetupError(pattern);
        return FALSE;
    }
    do Add(installDirectory, found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return TRUE;
}

DWORD ContainerList::TotalSize() const
{
    DWORD total = 0;
    for (DWORD i = 0; i < count_; ++i) total += containers_[i].size;
    return total;
}

void ContainerList::Close(DWORD index)
{
    Container& container = containers_[index];
    if (container.file == INVALID_HANDLE_VALUE) return;
    CloseHandle(container.file);
    container.file = INVALID_HANDLE_VALUE;
}

void ContainerList::Add(LPCWSTR installDirectory, LPCWSTR name)
{
    WCHAR path[MAX_PATH];
    if (!ChildPath(path, MAX_PATH, installDirectory, name)) {
        ShowSetupError(name);
        return;
    }
    HANDLE file =
        CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE || !Grow()) {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        ShowSetupError(path);
        return;
    }
    Container& container = containers_[count_++];
    wcscpy(container.path, path);
    container.file = file;
    container.size = GetFileSize(file, nullptr);
}

bool ContainerList::Grow()
{
    if (count_ < capacity_) return true;
    DWORD capacity = capacity_ ? capacity_ * 2 : 10;
    Container* grown = new (std::nothrow) Container[capacity];
    if (!grown) return false;
    for (DWORD i = 0; i < count_; ++i) grown[i] = containers_[i];
    delete[] containers_;
    containers_ = grown;
    capacity_ = capacity;
    return true;
}
