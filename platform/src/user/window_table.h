// The device's live windows by handle, and the top-level ones in creation
// order. A handle is never given out twice in the process's life, so one kept
// past its window (or its device) never names another window. A record stays
// in memory while anyone holds it (a procedure still running for its destroyed
// window), but Find no longer answers for it.
//
// Sibling lists run bottom to top, so the window at a screen point is found by
// walking TopLevel() from the end (WS_EX_TOPMOST windows first), then each
// visible window's children from the end, down to the deepest one holding it.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "user/window.h"

namespace platform::user {

class WindowTable {
public:
    // Gives the window a new handle and puts it last (on top) among its siblings.
    std::shared_ptr<Window> Add(Window window);
    std::shared_ptr<Window> Find(HWND handle) const;
    // Forgets the handle and takes the window out of its siblings.
    void Remove(HWND handle);

    const std::vector<HWND>& TopLevel() const { return topLevel; }
    void Clear();

private:
    std::vector<HWND>* SiblingsOf(const Window& window);

    std::unordered_map<HWND, std::shared_ptr<Window>> windows;
    std::vector<HWND> topLevel;
};

}  // namespace platform::user
