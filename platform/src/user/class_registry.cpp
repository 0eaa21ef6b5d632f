#include "user/class_registry.h"

#include <crtwide.h>

namespace {

const ATOM kFirstAtom = 0xC000;
const ATOM kLastAtom = 0xFFFF;
const size_t kMaxNameLength = 255;  // the atom table's limit

bool IsIntegerAtom(LPCWSTR nameOrAtom) { return reinterpret_cast<ULONG_PTR>(nameOrAtom) <= 0xFFFF; }

ATOM IntegerAtom(LPCWSTR nameOrAtom) { return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom)); }

std::u16string Folded(LPCWSTR name)
{
    std::u16string folded(name);
    for (WCHAR& c : folded) c = towlower(c);
    return folded;
}

bool IsValidName(LPCWSTR name)
{
    if (IsIntegerAtom(name)) return false;
    size_t length = wcslen(name);
    return length > 0 && length <= kMaxNameLength;
}

}  // namespace

namespace platform::user {

ATOM ClassRegistry::Register(const WNDCLASSW& info)
{
    if (!IsValidName(info.lpszClassName) || info.cbWndExtra < 0 || info.cbClsExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (Find(info.lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    ATOM atom = AtomFor(Folded(info.lpszClassName));
    if (!atom) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    classes[atom] = WindowClass{.atom = atom,
                                .name = info.lpszClassName,
                                .style = info.style,
                                .procedure = info.lpfnWndProc,
                                .windowExtraBytes = info.cbWndExtra,
                                .instance = info.hInstance,
                                .background = info.hbrBackground};
    return atom;
}

BOOL ClassRegistry::Unregister(LPCWSTR nameOrAtom)
{
    WindowClass* windowClass = Find(nameOrAtom);
    if (!windowClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (windowClass->windowCount > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    classes.erase(windowClass->atom);
    return TRUE;
}

WindowClass* ClassRegistry::Find(LPCWSTR nameOrAtom)
{
    ATOM atom = 0;
    if (IsIntegerAtom(nameOrAtom)) {
        atom = IntegerAtom(nameOrAtom);
    } else {
        auto known = atoms.find(Folded(nameOrAtom));
        if (known != atoms.end()) atom = known->second;
    }
    auto found = classes.find(atom);
    return found == classes.end() ? nullptr : &found->second;
}

void ClassRegistry::Clear()
{
    classes.clear();
    atoms.clear();
}

ATOM ClassRegistry::AtomFor(const std::u16string& foldedName)
{
    auto known = atoms.find(foldedName);
    if (known != atoms.end()) return known->second;
    size_t next = kFirstAtom + atoms.size();
    if (next > kLastAtom) return 0;
    ATOM atom = static_cast<ATOM>(next);
    atoms[foldedName] = atom;
    return atom;
}

}  // namespace platform::user
