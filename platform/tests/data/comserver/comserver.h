// The COM test server's class, shared by the server and the tests.
#pragma once

#include <guiddef.h>

inline constexpr CLSID kComServerClass = {0x7A7A7A7A, 0x0007, 0x0007, {7, 7, 7, 7, 7, 7, 7, 7}};
