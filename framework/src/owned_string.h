// A heap copy of a wide string that its holder owns. A missing text is the
// empty string; only a failed allocation leaves the pointer null.
#pragma once

#include <windows.h>

class OwnedString {
public:
    explicit OwnedString(LPCWSTR source = nullptr);
    OwnedString(const OwnedString& other);
    OwnedString& operator=(const OwnedString& other);
    ~OwnedString();

    // No effect when SOURCE is this string's own buffer; a null source gives
    // the empty string. SOURCE may point into this string's own text.
    void Assign(LPCWSTR source);

    // A buffer of LENGTH characters plus the terminator, holding the first
    // LENGTH characters of the old text; the rest is zero.
    void Resize(size_t length);

    LPCWSTR Get() const { return text; }
    LPWSTR Buffer() { return text; }

private:
    LPWSTR text;
};
