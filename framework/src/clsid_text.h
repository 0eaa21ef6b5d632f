// A class identifier as registry text: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#pragma once

#include <windows.h>

typedef WCHAR ClsidText[39];

void FormatClsid(REFCLSID clsid, ClsidText& text);
