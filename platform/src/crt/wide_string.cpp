// Placeholder: the simplest correct forms, until the runtime lands.
#include <windows.h>

size_t wcslen(const WCHAR* s)
{
    size_t n = 0;
    while (s[n]) ++n;
    return n;
}
WCHAR* wcscpy(WCHAR* dest, const WCHAR* src)
{
    size_t i = 0;
    for (; src[i]; ++i) dest[i] = src[i];
    dest[i] = 0;
    return dest;
}
WCHAR* wcsncpy(WCHAR* dest, const WCHAR*, size_t) { return dest; }
WCHAR* wcscat(WCHAR* dest, const WCHAR* src)
{
    wcscpy(dest + wcslen(dest), src);
    return dest;
}
WCHAR* wcsncat(WCHAR* dest, const WCHAR*, size_t) { return dest; }
int wcscmp(const WCHAR* a, const WCHAR* b)
{
    while (*a && *a == *b) ++a, ++b;
    return *a - *b;
}
int wcsncmp(const WCHAR*, const WCHAR*, size_t) { return 0; }
const WCHAR* wcschr(const WCHAR*, WCHAR) { return nullptr; }
WCHAR* wcschr(WCHAR*, WCHAR) { return nullptr; }
const WCHAR* wcsrchr(const WCHAR*, WCHAR) { return nullptr; }
WCHAR* wcsrchr(WCHAR*, WCHAR) { return nullptr; }
const WCHAR* wcsstr(const WCHAR*, const WCHAR*) { return nullptr; }
WCHAR* wcsstr(WCHAR*, const WCHAR*) { return nullptr; }
int _wcsicmp(const WCHAR* a, const WCHAR* b)
{
    while (*a && towlower(*a) == towlower(*b)) ++a, ++b;
    return towlower(*a) - towlower(*b);
}
int _wcsnicmp(const WCHAR*, const WCHAR*, size_t) { return 0; }
WCHAR towlower(WCHAR c) { return c >= u'A' && c <= u'Z' ? static_cast<WCHAR>(c + 32) : c; }
WCHAR towupper(WCHAR c) { return c >= u'a' && c <= u'z' ? static_cast<WCHAR>(c - 32) : c; }
long _wtol(const WCHAR*) { return 0; }
int _wtoi(const WCHAR*) { return 0; }
int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR*, va_list)
{
    if (count) buffer[0] = 0;
    return 0;
}
int _snwprintf(WCHAR* buffer, size_t count, const WCHAR*, ...)
{
    if (count) buffer[0] = 0;
    return 0;
}
int swprintf(WCHAR* buffer, size_t count, const WCHAR*, ...)
{
    if (count) buffer[0] = 0;
    return 0;
}
int wvnsprintfW(LPWSTR buffer, int count, LPCWSTR, va_list)
{
    if (count > 0) buffer[0] = 0;
    return 0;
}
int swscanf(const WCHAR*, const WCHAR*, ...) { return 0; }
