#include "bounded_text.h"

#include <cstring>

bool JoinText(LPWSTR out, size_t capacity, LPCWSTR first, LPCWSTR second, LPCWSTR third)
{
    size_t firstLength = wcslen(first), secondLength = wcslen(second), thirdLength = wcslen(third);
    if (firstLength + secondLength + thirdLength >= capacity) return false;
    memcpy(out, first, firstLength * sizeof(WCHAR));
    memcpy(out + firstLength, second, secondLength * sizeof(WCHAR));
    memcpy(out + firstLength + secondLength, third, (thirdLength + 1) * sizeof(WCHAR));
    return true;
}

// A folder given with its trailing backslash ("\Program Files\Pack\")
// must not give a path with two.
bool ChildPath(LPWSTR out, size_t capacity, LPCWSTR folder, LPCWSTR name)
{
    size_t folderLength = wcslen(folder), nameLength = wcslen(name);
    if (folderLength > 0 && folder[folderLength - 1] == TEXT('\\')) --folderLength;
    if (folderLength + 1 + nameLength >= capacity) return false;
    memcpy(out, folder, folderLength * sizeof(WCHAR));
    out[folderLength] = TEXT('\\');
    memcpy(out + folderLength + 1, name, (nameLength + 1) * sizeof(WCHAR));
    return true;
}

bool ReplaceSpan(LPWSTR text, size_t capacity, size_t at, size_t length, LPCWSTR replacement)
{
    size_t textLength = wcslen(text), replacementLength = wcslen(replacement);
    if (textLength - length + replacementLength >= capacity) return false;
    memmove(text + at + replacementLength, text + at + length, (textLength - at - length + 1) * sizeof(WCHAR));
    memcpy(text + at, replacement, replacementLength * sizeof(WCHAR));
    return true;
}
