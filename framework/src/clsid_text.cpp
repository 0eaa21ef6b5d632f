#include "clsid_text.h"

void FormatClsid(REFCLSID clsid, ClsidText& text)
{
    wsprintfW(text, TEXT("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}"), clsid.Data1, clsid.Data2,
              clsid.Data3, clsid.Data4[0], clsid.Data4[1], clsid.Data4[2], clsid.Data4[3], clsid.Data4[4],
              clsid.Data4[5], clsid.Data4[6], clsid.Data4[7]);
}
