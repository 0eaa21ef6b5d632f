#include "user/window_table.h"

#include <algorithm>

namespace {

// Far from small numbers, so that a control identifier or a count passed by
// mistake for a window never hits one.
ULONG_PTR nextHandle = 0x00010000;

HWND NewHandle() { return reinterpret_cast<HWND>(nextHandle++); }

}  // namespace

namespace platform::user {

std::shared_ptr<Window> WindowTable::Add(Window window)
{
    window.handle = NewHandle();
    auto record = std::make_shared<Window>(std::move(window));
    std::vector<HWND>* siblings = SiblingsOf(*record);
    if (siblings) siblings->push_back(record->handle);
    windows[record->handle] = record;
    return record;
}

std::shared_ptr<Window> WindowTable::Find(HWND handle) const
{
    auto found = windows.find(handle);
    return found == windows.end() ? nullptr : found->second;
}

void WindowTable::Remove(HWND handle)
{
    auto found = windows.find(handle);
    if (found == windows.end()) return;
    std::vector<HWND>* siblings = SiblingsOf(*found->second);
    if (siblings) siblings->erase(std::remove(siblings->begin(), siblings->end(), handle), siblings->end());
    windows.erase(found);
}

void WindowTable::Clear()
{
    windows.clear();
    topLevel.clear();
}

// Null when the parent is already gone: no list holds the window any more.
std::vector<HWND>* WindowTable::SiblingsOf(const Window& window)
{
    if (!window.parent) return &topLevel;
    std::shared_ptr<Window> parent = Find(window.parent);
    return parent ? &parent->children : nullptr;
}

}  // namespace platform::user
