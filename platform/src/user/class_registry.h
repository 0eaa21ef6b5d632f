// The device's window classes, found by name or by atom. Names compare without
// regard to case (the resource compiler upper-cases the control class names it
// writes). A name keeps its atom for the device's life, as in the platform's
// atom table, so a class registered again gets the atom it had.
#pragma once

#include <map>
#include <string>

#include "user/window_class.h"

namespace platform::user {

class ClassRegistry {
public:
    // 0 on failure, with the platform's error set as the last error.
    ATOM Register(const WNDCLASSW& info);
    BOOL Unregister(LPCWSTR nameOrAtom);

    // MAKEINTATOM(atom) or a name; null for a class that is not registered.
    WindowClass* Find(LPCWSTR nameOrAtom);

    void Clear();

private:
    ATOM AtomFor(const std::u16string& foldedName);

    std::map<std::u16string, ATOM> atoms;  // folded name -> atom
    std::map<ATOM, WindowClass> classes;
};

}  // namespace platform::user
