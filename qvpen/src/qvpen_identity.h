// Who the recogniser is to the input panel and the class registry.
#pragma once

#include <windows.h>

extern const CLSID kQvpenClsid;
// The class key's name as it has always been written, "da" in lower case.
extern const WCHAR kQvpenClsidKey[];
extern const WCHAR kQvpenName[];
extern const WCHAR kQvpenDescription[];
