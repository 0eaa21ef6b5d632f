// Class identifiers as text: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#include <objbase.h>

#include <cstring>

namespace {

const int kGuidTextLength = 38;

// Where each of the sixteen bytes' two digits start, in the order the bytes
// are stored by the text: Data1 (4), Data2 (2), Data3 (2), Data4 (8).
const int kByteOffsets[16] = {1, 3, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27, 29, 31, 33, 35};
const int kDashOffsets[4] = {9, 14, 19, 24};

int HexDigit(WCHAR c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

bool HasGuidShape(LPCWSTR text)
{
    for (int i = 0; i < kGuidTextLength; ++i)
        if (text[i] == 0) return false;
    if (text[kGuidTextLength] != 0 || text[0] != u'{' || text[kGuidTextLength - 1] != u'}') return false;
    for (int offset : kDashOffsets)
        if (text[offset] != u'-') return false;
    for (int offset : kByteOffsets)
        if (HexDigit(text[offset]) < 0 || HexDigit(text[offset + 1]) < 0) return false;
    return true;
}

GUID ParseGuid(LPCWSTR text)
{
    BYTE bytes[16];
    for (int i = 0; i < 16; ++i)
        bytes[i] = static_cast<BYTE>(HexDigit(text[kByteOffsets[i]]) * 16 + HexDigit(text[kByteOffsets[i] + 1]));
    GUID guid;
    guid.Data1 = (DWORD(bytes[0]) << 24) | (DWORD(bytes[1]) << 16) | (DWORD(bytes[2]) << 8) | bytes[3];
    guid.Data2 = static_cast<WORD>((bytes[4] << 8) | bytes[5]);
    guid.Data3 = static_cast<WORD>((bytes[6] << 8) | bytes[7]);
    std::memcpy(guid.Data4, bytes + 8, 8);
    return guid;
}

void PutHex(LPWSTR out, DWORD value, int digits)
{
    static const char kDigits[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i, value >>= 4) out[i] = static_cast<WCHAR>(kDigits[value & 0xF]);
}

}  // namespace

HRESULT WINAPI CLSIDFromString(LPCWSTR lpsz, LPCLSID pclsid)
{
    if (!lpsz || !pclsid) return E_INVALIDARG;
    if (!HasGuidShape(lpsz)) {
        *pclsid = GUID{};
        return CO_E_CLASSSTRING;
    }
    *pclsid = ParseGuid(lpsz);
    return S_OK;
}

int WINAPI StringFromGUID2(REFGUID rguid, LPWSTR lpsz, int cchMax)
{
    if (!lpsz || cchMax < kGuidTextLength + 1) return 0;
    lpsz[0] = u'{';
    PutHex(lpsz + 1, rguid.Data1, 8);
    PutHex(lpsz + 10, rguid.Data2, 4);
    PutHex(lpsz + 15, rguid.Data3, 4);
    for (int i = 0; i < 8; ++i) PutHex(lpsz + kByteOffsets[8 + i], rguid.Data4[i], 2);
    for (int offset : kDashOffsets) lpsz[offset] = u'-';
    lpsz[kGuidTextLength - 1] = u'}';
    lpsz[kGuidTextLength] = 0;
    return kGuidTextLength + 1;
}
