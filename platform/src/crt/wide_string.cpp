// The C string functions over WCHAR, with C's semantics: like the platform's
// runtime they trust their pointers, except the case-insensitive comparisons,
// which reject a null argument as the runtime documents.
#include <cerrno>
#include <climits>

#include <crtwide.h>

namespace {

// What the runtime's case-insensitive comparisons return for a null argument.
constexpr int kCompareError = INT_MAX;

int Difference(WCHAR a, WCHAR b) { return static_cast<int>(a) - static_cast<int>(b); }

}  // namespace

size_t wcslen(const WCHAR* s)
{
    size_t length = 0;
    while (s[length]) ++length;
    return length;
}

WCHAR* wcscpy(WCHAR* dest, const WCHAR* src)
{
    size_t i = 0;
    for (; src[i]; ++i) dest[i] = src[i];
    dest[i] = 0;
    return dest;
}

// Pads with zeros up to COUNT, and leaves DEST unterminated when SRC has COUNT
// or more code units.
WCHAR* wcsncpy(WCHAR* dest, const WCHAR* src, size_t count)
{
    size_t i = 0;
    for (; i < count && src[i]; ++i) dest[i] = src[i];
    for (; i < count; ++i) dest[i] = 0;
    return dest;
}

WCHAR* wcscat(WCHAR* dest, const WCHAR* src)
{
    wcscpy(dest + wcslen(dest), src);
    return dest;
}

// Appends at most COUNT code units and always terminates.
WCHAR* wcsncat(WCHAR* dest, const WCHAR* src, size_t count)
{
    WCHAR* end = dest + wcslen(dest);
    size_t i = 0;
    for (; i < count && src[i]; ++i) end[i] = src[i];
    end[i] = 0;
    return dest;
}

int wcscmp(const WCHAR* a, const WCHAR* b)
{
    while (*a && *a == *b) ++a, ++b;
    return Difference(*a, *b);
}

int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (a[i] != b[i] || !a[i]) return Difference(a[i], b[i]);
    }
    return 0;
}

// The terminator is part of the string: looking for 0 finds it.
const WCHAR* wcschr(const WCHAR* s, WCHAR c)
{
    for (;; ++s) {
        if (*s == c) return s;
        if (!*s) return nullptr;
    }
}

WCHAR* wcschr(WCHAR* s, WCHAR c) { return const_cast<WCHAR*>(wcschr(static_cast<const WCHAR*>(s), c)); }

const WCHAR* wcsrchr(const WCHAR* s, WCHAR c)
{
    const WCHAR* found = nullptr;
    for (;; ++s) {
        if (*s == c) found = s;
        if (!*s) return found;
    }
}

WCHAR* wcsrchr(WCHAR* s, WCHAR c) { return const_cast<WCHAR*>(wcsrchr(static_cast<const WCHAR*>(s), c)); }

// An empty FIND is found at the start of S.
const WCHAR* wcsstr(const WCHAR* s, const WCHAR* find)
{
    size_t findLength = wcslen(find);
    for (;; ++s) {
        if (wcsncmp(s, find, findLength) == 0) return s;
        if (!*s) return nullptr;
    }
}

WCHAR* wcsstr(WCHAR* s, const WCHAR* find)
{
    return const_cast<WCHAR*>(wcsstr(static_cast<const WCHAR*>(s), find));
}

int _wcsicmp(const WCHAR* a, const WCHAR* b)
{
    if (!a || !b) {
        errno = EINVAL;
        return kCompareError;
    }
    while (*a && towlower(*a) == towlower(*b)) ++a, ++b;
    return Difference(towlower(*a), towlower(*b));
}

int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count)
{
    if (!a || !b) {
        errno = EINVAL;
        return kCompareError;
    }
    for (size_t i = 0; i < count; ++i) {
        WCHAR lowerA = towlower(a[i]);
        WCHAR lowerB = towlower(b[i]);
        if (lowerA != lowerB || !lowerA) return Difference(lowerA, lowerB);
    }
    return 0;
}
