// Whether the national-language table the package brought is one the
// platform supports; when it is not, the device falls back to an English
// locale with the Cyrillic OEM code page.
#pragma once

#include <windows.h>

// Writes "NLSSupported" (1 or 0) into the product key and, for 0, the
// fallback locale. FALSE, with nothing written, when the product key cannot
// be opened.
BOOL RecordNlsSupport();

// "nls" DefaultLCID 1033, DefaultACP 1252, DefaultOCP 866 and the browser's
// code page 1252. FALSE when a key cannot be opened; values already written
// stay.
BOOL WriteFallbackLocale();
