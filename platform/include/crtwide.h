// The C runtime's wide-string functions for the platform's WCHAR (UTF-16).
// They overload the host's wchar_t functions of the same names.
#pragma once

#ifndef RC_INVOKED
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#endif

#include "windef.h"

size_t wcslen(const WCHAR* s);
WCHAR* wcscpy(WCHAR* dest, const WCHAR* src);
WCHAR* wcsncpy(WCHAR* dest, const WCHAR* src, size_t count);
WCHAR* wcscat(WCHAR* dest, const WCHAR* src);
WCHAR* wcsncat(WCHAR* dest, const WCHAR* src, size_t count);
int wcscmp(const WCHAR* a, const WCHAR* b);
int wcsncmp(const WCHAR* a, const WCHAR* b, size_t count);
const WCHAR* wcschr(const WCHAR* s, WCHAR c);
WCHAR* wcschr(WCHAR* s, WCHAR c);
const WCHAR* wcsrchr(const WCHAR* s, WCHAR c);
WCHAR* wcsrchr(WCHAR* s, WCHAR c);
const WCHAR* wcsstr(const WCHAR* s, const WCHAR* find);
WCHAR* wcsstr(WCHAR* s, const WCHAR* find);
// Compare after lower-casing both sides; a null argument gives INT_MAX.
int _wcsicmp(const WCHAR* a, const WCHAR* b);
int _wcsnicmp(const WCHAR* a, const WCHAR* b, size_t count);
// Whatever the host's locale: Latin (to Latin Extended-A), Greek and Cyrillic.
WCHAR towlower(WCHAR c);
WCHAR towupper(WCHAR c);
// Values beyond the platform's 32-bit long clamp to its limits (errno ERANGE).
long _wtol(const WCHAR* s);
int _wtoi(const WCHAR* s);

// Formatting never writes past count code units and always terminates the
// output (count > 0); a result that did not fit returns -1.
int _vsnwprintf(WCHAR* buffer, size_t count, const WCHAR* format, va_list args);
int _snwprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...);
int swprintf(WCHAR* buffer, size_t count, const WCHAR* format, ...);

template <size_t N>
int swprintf(WCHAR (&buffer)[N], const WCHAR* format, ...)
{
    va_list args;
    va_start(args, format);
    int written = _vsnwprintf(buffer, N, format, args);
    va_end(args);
    return written;
}

// Reads %X and %x (unsigned int*), %d (int*) and %c (WCHAR*), with widths;
// returns the items stored, or EOF when the input ends before the first.
int swscanf(const WCHAR* input, const WCHAR* format, ...);

FILE* _wfopen(const WCHAR* path, const WCHAR* mode);
