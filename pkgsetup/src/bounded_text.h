// Texts formed in the fixed buffers of the setup steps: a text that would
// not fit is refused whole, never cut.
#pragma once

#include <windows.h>

// FIRST, SECOND and THIRD one after another into OUT, which holds CAPACITY
// code units with the terminator; false, with OUT untouched, when they
// would not fit. The parts lie outside OUT.
bool JoinText(LPWSTR out, size_t capacity, LPCWSTR first, LPCWSTR second, LPCWSTR third = TEXT(""));

// FOLDER (one trailing backslash dropped), a backslash and NAME, as a
// path into OUT; false when too long.
bool ChildPath(LPWSTR out, size_t capacity, LPCWSTR folder, LPCWSTR name);

// TEXT with LENGTH code units at AT replaced by REPLACEMENT, in place;
// false, with TEXT untouched, when the result would not fit CAPACITY.
bool ReplaceSpan(LPWSTR text, size_t capacity, size_t at, size_t length, LPCWSTR replacement);
