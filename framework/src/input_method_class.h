// The entries under HKEY_CLASSES_ROOT\CLSID that make a library a SIP input
// method. Whatever cannot be opened or created is skipped without a word:
// registration always reports success.
#pragma once

#include <windows.h>

// Writes the class key CLSID_TEXT: name, description, the input-method mark,
// the library's path and its icon.
void RegisterInputMethodClass(LPCWSTR clsidText, LPCWSTR name, LPCWSTR description, HINSTANCE library);

// Makes the platform keyboard current when CLSID is, then deletes the class
// key CLSID_TEXT with everything below it.
void UnregisterInputMethodClass(REFCLSID clsid, LPCWSTR clsidText);
