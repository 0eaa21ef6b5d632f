#include "owned_string.h"

#include <new>

namespace {

LPWSTR AllocateZeroed(size_t characters)
{
    LPWSTR buffer = new (std::nothrow) WCHAR[characters];
    if (buffer)
        for (size_t i = 0; i < characters; ++i) buffer[i] = 0;
    return buffer;
}

LPWSTR CopyOf(LPCWSTR source)
{
    if (!source) return AllocateZeroed(1);
    LPWSTR copy = AllocateZeroed(wcslen(source) + 1);
    if (copy) wcscpy(copy, source);
    return copy;
}

}  // namespace

OwnedString::OwnedString(LPCWSTR source) : text(CopyOf(source)) {}

OwnedString::OwnedString(const OwnedString& other) : text(CopyOf(other.text)) {}

OwnedString& OwnedString::operator=(const OwnedString& other)
{
    Assign(other.text);
    return *this;
}

OwnedString::~OwnedString() { delete[] text; }

// The copy is made before the old buffer goes: SOURCE may point into it.
void OwnedString::Assign(LPCWSTR source)
{
    if (source == text) return;
    LPWSTR copy = CopyOf(source);
    delete[] text;
    text = copy;
}

void OwnedString::Resize(size_t length)
{
    LPWSTR resized = AllocateZeroed(length + 1);
    if (resized && text) wcsncpy(resized, text, length);
    delete[] text;
    text = resized;
}
