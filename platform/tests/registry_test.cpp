#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <device/registry_calls.h>
#include <device/text.h>
#include <windows.h>

#include "fresh_device.h"

using RegistryTest = FreshDevice;

namespace {

std::string Code(LONG code)
{
    static const std::pair<LONG, const char*> kNames[] = {
        {ERROR_SUCCESS, "ok"},
        {ERROR_FILE_NOT_FOUND, "not found"},
        {ERROR_ACCESS_DENIED, "access denied"},
        {ERROR_INVALID_HANDLE, "invalid handle"},
        {ERROR_INVALID_PARAMETER, "invalid parameter"},
        {ERROR_MORE_DATA, "more data"},
        {ERROR_NO_MORE_ITEMS, "no more items"},
        {ERROR_KEY_DELETED, "key deleted"},
    };
    for (const auto& [known, name] : kNames)
        if (code == known) return name;
    return "error " + std::to_string(code);
}

HKEY Create(HKEY parent, LPCWSTR path, DWORD* disposition = nullptr)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(parent, path, 0, nullptr, 0, 0, nullptr, &key, disposition), ERROR_SUCCESS);
    return key;
}

LONG Open(HKEY parent, LPCWSTR path)
{
    HKEY key = nullptr;
    LONG error = RegOpenKeyExW(parent, path, 0, 0, &key);
    if (error == ERROR_SUCCESS) RegCloseKey(key);
    return error;
}

LONG SetDword(HKEY key, LPCWSTR name, DWORD value)
{
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LONG SetString(HKEY key, LPCWSTR name, const std::u16string& text)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * 2));
}

// "ok type=4 size=4 dword=7": what a query with a buffer of BUFFER bytes
// (none at all for -1) reports.
std::string Query(HKEY key, LPCWSTR name, int buffer = 64)
{
    BYTE data[64] = {};
    DWORD type = 0xBAD, size = buffer < 0 ? 0 : static_cast<DWORD>(buffer);
    LONG error = RegQueryValueExW(key, name, nullptr, &type, buffer < 0 ? nullptr : data, &size);
    std::string outcome = Code(error);
    if (error != ERROR_SUCCESS && error != ERROR_MORE_DATA) return outcome;
    outcome += " type=" + std::to_string(type) + " size=" + std::to_string(size);
    if (error == ERROR_SUCCESS && buffer >= 0 && type == REG_DWORD) {
        DWORD number = 0;
        memcpy(&number, data, sizeof number);
        outcome += " dword=" + std::to_string(number);
    }
    return outcome;
}

using Enumerator = LONG (*)(HKEY, DWORD index, LPWSTR name, LPDWORD length);

// The names ENUMERATE lists, comma-separated, and how the walk ended.
std::string Names(HKEY key, Enumerator enumerate)
{
    std::string names;
    WCHAR name[300];
    LONG error;
    for (DWORD index = 0;; ++index) {
        DWORD length = 300;
        error = enumerate(key, index, name, &length);
        if (error != ERROR_SUCCESS) break;
        names += device::Utf8(std::u16string(name, length)) + ",";
    }
    return names + Code(error);
}

std::string ValueNames(HKEY key)
{
    return Names(key, [](HKEY key, DWORD index, LPWSTR name, LPDWORD length) {
        return RegEnumValueW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::string SubkeyNames(HKEY key)
{
    return Names(key, [](HKEY key, DWORD index, LPWSTR name, LPDWORD length) {
        return RegEnumKeyExW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::u16string Repeated(char16_t unit, size_t count) { return std::u16string(count, unit); }

struct Case {
    const char* behaviour;
    std::function<std::string(HKEY key)> run;  // KEY: a fresh empty key of the case's own
    const char* expected;
};

const Case kCases[] = {
    {"key names match without regard to case",
     [](HKEY key) {
         RegCloseKey(Create(key, u"Software\\Tarvex"));
         return Code(Open(key, u"SOFTWARE\\tarvex"));
     },
     "ok"},
    {"a leading, a doubled or a trailing backslash names the same key",
     [](HKEY key) {
         HKEY created = Create(key, u"Software\\Tarvex");
         SetDword(created, u"Seen", 7);
         HKEY opened = nullptr;
         RegOpenKeyExW(key, u"\\Software\\\\Tarvex\\", 0, 0, &opened);
         std::string outcome = Query(opened, u"Seen");
         RegCloseKey(opened);
         RegCloseKey(created);
         return outcome;
     },
     "ok type=4 size=4 dword=7"},
    {"opening a missing key fails and creates nothing",
     [](HKEY key) {
         std::string outcome = Code(Open(key, u"Missing\\Key"));
         return outcome + ", " + Code(Open(key, u"Missing"));
     },
     "not found, not found"},
    {"create makes the missing parents and tells created from opened",
     [](HKEY key) {
         DWORD first = 0, second = 0;
         RegCloseKey(Create(key, u"A\\B\\C", &first));
         RegCloseKey(Create(key, u"a\\b\\c", &second));
         return std::to_string(first) + " " + std::to_string(second) + " " + Code(Open(key, u"A\\B"));
     },
     "1 2 ok"},
    {"a key keeps the spelling it was created with; subkeys are listed sorted without regard to case",
     [](HKEY key) {
         for (LPCWSTR name : {u"beta", u"Gamma", u"ALPHA", u"BETA"}) RegCloseKey(Create(key, name));
         return SubkeyNames(key);
     },
     "ALPHA,beta,Gamma,no more items"},
    {"a null or an empty subkey opens the same key again as a new handle",
     [](HKEY key) {
         SetDword(key, u"V", 1);
         HKEY again = nullptr, empty = nullptr;
         RegOpenKeyExW(key, nullptr, 0, 0, &again);
         RegCreateKeyExW(key, u"", 0, nullptr, 0, 0, nullptr, &empty, nullptr);
         std::string outcome = std::string(again != key && empty != key && again != empty ? "new " : "same ") +
                               Query(again, u"V") + ", " + Query(empty, u"V");
         RegCloseKey(again);
         RegCloseKey(empty);
         return outcome + ", " + Query(key, u"V");
     },
     "new ok type=4 size=4 dword=1, ok type=4 size=4 dword=1, ok type=4 size=4 dword=1"},
    {"values are listed in creation order; a rewrite keeps its place and its first spelling",
     [](HKEY key) {
         SetDword(key, u"Alpha", 1);
         SetDword(key, u"Beta", 2);
         SetDword(key, u"Gamma", 3);
         SetString(key, u"ALPHA", u"text");
         return ValueNames(key) + " " + Query(key, u"alpha");
     },
     "Alpha,Beta,Gamma,no more items ok type=1 size=10"},
    {"a value deleted and written again goes to the end",
     [](HKEY key) {
         SetDword(key, u"Alpha", 1);
         SetDword(key, u"Beta", 2);
         std::string deleted = Code(RegDeleteValueW(key, u"ALPHA"));
         SetDword(key, u"Alpha", 3);
         return deleted + " " + ValueNames(key);
     },
     "ok Beta,Alpha,no more items"},
    {"deleting a key removes its whole subtree",
     [](HKEY key) {
         HKEY deep = Create(key, u"T\\U\\V");
         SetDword(deep, u"X", 1);
         RegCloseKey(deep);
         std::string deleted = Code(RegDeleteKeyW(key, u"t"));
         return deleted + " " + Code(Open(key, u"T\\U\\V")) + " " + SubkeyNames(key);
     },
     "ok not found no more items"},
    {"a handle inside a deleted subtree fails every call but close with ERROR_KEY_DELETED",
     [](HKEY key) {
         HKEY inner = Create(key, u"T\\U");
         SetDword(inner, u"X", 1);
         RegDeleteKeyW(key, u"T");
         HKEY sub = nullptr;
         DWORD length = 10;
         WCHAR name[10];
         std::string outcome = Query(inner, u"X");
         outcome += ", " + Code(SetDword(inner, u"X", 2));
         outcome += ", " + Code(RegEnumValueW(inner, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
         outcome += ", " + Code(RegCreateKeyExW(inner, u"W", 0, nullptr, 0, 0, nullptr, &sub, nullptr));
         outcome += ", " + Code(RegFlushKey(inner));
         return outcome + ", " + Code(RegCloseKey(inner));
     },
     "key deleted, key deleted, key deleted, key deleted, key deleted, ok"},
    {"a stale handle never reaches a key created later under the same name",
     [](HKEY key) {
         HKEY old = Create(key, u"T");
         RegDeleteKeyW(key, u"T");
         HKEY fresh = Create(key, u"T");
         SetDword(fresh, u"X", 1);
         std::string outcome = Query(old, u"X") + ", " + Query(fresh, u"X");
         RegCloseKey(old);
         RegCloseKey(fresh);
         return outcome;
     },
     "key deleted, ok type=4 size=4 dword=1"},
    {"an empty subkey deletes the key itself; a root cannot be deleted",
     [](HKEY key) {
         HKEY doomed = Create(key, u"D");
         std::string outcome = Code(RegDeleteKeyW(doomed, u""));
         outcome += " " + Code(Open(key, u"D"));
         RegCloseKey(doomed);
         return outcome + " " + Code(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u""));
     },
     "ok not found access denied"},
    {"a query without a buffer gives size and type; a small buffer gives ERROR_MORE_DATA and the size needed",
     [](HKEY key) {
         SetString(key, u"S", u"hello");
         return Query(key, u"S", -1) + ", " + Query(key, u"S", 11) + ", " + Query(key, u"S", 12);
     },
     "ok type=1 size=12, more data type=1 size=12, ok type=1 size=12"},
    {"a value is returned with the type it was stored with",
     [](HKEY key) {
         const BYTE bytes[] = {1, 0, 0, 0};
         RegSetValueExW(key, u"Flag", 0, REG_BINARY, bytes, sizeof bytes);
         return Query(key, u"Flag");
     },
     "ok type=3 size=4"},
    {"a missing value is not found, to query or to delete",
     [](HKEY key) { return Query(key, u"Nothing") + ", " + Code(RegDeleteValueW(key, u"Nothing")); },
     "not found, not found"},
    {"a null and an empty value name both mean the default value",
     [](HKEY key) {
         SetDword(key, nullptr, 5);
         return Query(key, u"") + ", " + ValueNames(key);
     },
     "ok type=4 size=4 dword=5, ,no more items"},
    {"data and sizes that do not go together are the caller's error",
     [](HKEY key) {
         const BYTE two[] = {1, 2};
         DWORD type;
         BYTE buffer[4];
         std::string outcome = Code(RegSetValueExW(key, u"D", 0, REG_DWORD, two, 2));
         outcome += ", " + Code(RegSetValueExW(key, u"N", 0, REG_BINARY, nullptr, 4));
         outcome += ", " + Code(RegSetValueExW(key, u"E", 0, REG_BINARY, nullptr, 0));
         return outcome + ", " + Code(RegQueryValueExW(key, u"E", nullptr, &type, buffer, nullptr));
     },
     "invalid parameter, invalid parameter, ok, invalid parameter"},
    {"enumeration counts the name's terminator, applies the query's data rules and ends with 259",
     [](HKEY key) {
         SetString(key, u"Abc", u"xyz");
         WCHAR name[8];
         BYTE data[8];
         DWORD length = 3, size = 4, type = 0;
         std::string outcome = Code(RegEnumValueW(key, 0, name, &length, nullptr, &type, data, &size));
         length = 4;
         outcome += ", " + Code(RegEnumValueW(key, 0, name, &length, nullptr, &type, data, &size));
         outcome += " length=" + std::to_string(length) + " size=" + std::to_string(size);
         length = 4;
         outcome += ", " + Code(RegEnumValueW(key, 1, name, &length, nullptr, nullptr, nullptr, nullptr));
         return outcome + " " + std::to_string(ERROR_NO_MORE_ITEMS);
     },
     "more data, more data length=3 size=8, no more items 259"},
    {"a subkey name that does not fit its buffer is ERROR_MORE_DATA",
     [](HKEY key) {
         RegCloseKey(Create(key, u"Four"));
         WCHAR name[8];
         DWORD length = 4;
         std::string outcome = Code(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
         length = 5;
         outcome += ", " + Code(RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
         return outcome + " " + device::Utf8(name);
     },
     "more data, ok Four"},
    {"handles that were never handed out, or are closed, are invalid; roots close harmlessly",
     [](HKEY key) {
         HKEY closed = Create(key, u"C");
         RegCloseKey(closed);
         std::string outcome = Query(nullptr, u"V") + ", " + Query(reinterpret_cast<HKEY>(0x12345678), u"V") + ", " +
                               Query(HKEY_USERS, u"V") + ", " + Query(closed, u"V");
         outcome += ", " + Code(RegCloseKey(closed));
         outcome += ", " + Code(RegCloseKey(HKEY_LOCAL_MACHINE));
         return outcome + " " + Code(Open(HKEY_LOCAL_MACHINE, u"nls"));
     },
     "invalid handle, invalid handle, invalid handle, invalid handle, invalid handle, ok ok"},
    {"a handle value is never handed out twice",
     [](HKEY key) {
         HKEY first = Create(key, u"H");
         RegCloseKey(first);
         HKEY second = Create(key, u"H");
         RegCloseKey(second);
         return std::string(first != second ? "different" : "reused");
     },
     "different"},
    {"required pointers that are null are the caller's error",
     [](HKEY key) {
         DWORD length = 4;
         return Code(RegOpenKeyExW(key, u"X", 0, 0, nullptr)) + ", " +
                Code(RegCreateKeyExW(key, u"X", 0, nullptr, 0, 0, nullptr, nullptr, nullptr)) + ", " +
                Code(RegDeleteKeyW(key, nullptr)) + ", " +
                Code(RegEnumValueW(key, 0, nullptr, &length, nullptr, nullptr, nullptr, nullptr)) + ", " +
                Code(RegEnumKeyExW(key, 0, nullptr, &length, nullptr, nullptr, nullptr, nullptr));
     },
     "invalid parameter, invalid parameter, invalid parameter, invalid parameter, invalid parameter"},
    {"names, data and nesting within the platform's limits are kept; beyond them they are refused",
     [](HKEY key) {
         std::u16string deep = u"1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12\\13";  // the case key is 3 levels down
         std::vector<BYTE> data(4097);
         HKEY sub = nullptr;
         auto create = [&](const std::u16string& path) {
             LONG error = RegCreateKeyExW(key, path.c_str(), 0, nullptr, 0, 0, nullptr, &sub, nullptr);
             RegCloseKey(sub);
             return Code(error);
         };
         auto set = [&](const std::u16string& name, DWORD size) {
             return Code(RegSetValueExW(key, name.c_str(), 0, REG_BINARY, data.data(), size));
         };
         return create(Repeated(u'k', 255)) + " " + create(Repeated(u'k', 256)) + ", " + create(deep) + " " +
                create(deep + u"\\14") + ", " + set(Repeated(u'v', 255), 1) + " " + set(Repeated(u'v', 256), 1) + ", " +
                set(u"Big", 4096) + " " + set(u"Big", 4097);
     },
     "ok invalid parameter, ok invalid parameter, ok invalid parameter, ok invalid parameter"},
};

}  // namespace

TEST_F(RegistryTest, BehavesAsThePlatformRegistry)
{
    int number = 0;
    for (const Case& testCase : kCases) {
        std::u16string path = u"Software\\Cases\\" + device::Utf16(std::to_string(++number));
        HKEY key = Create(HKEY_CURRENT_USER, path.c_str());
        EXPECT_EQ(testCase.run(key), testCase.expected) << testCase.behaviour;
        RegCloseKey(key);
    }
}

TEST_F(RegistryTest, FreshDeviceHoldsTheFactoryKeys)
{
    HKEY nls = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"NLS", 0, 0, &nls), ERROR_SUCCESS);
    EXPECT_EQ(Query(nls, u"DefaultLCID"), "ok type=4 size=4 dword=1033");
    RegCloseKey(nls);
}

TEST_F(RegistryTest, RecordsEachCallWithThePathItsKeyWasOpenedBy)
{
    EXPECT_TRUE(device::RegistryCalls().empty()) << "the factory state is not part of the log";
    HKEY key = Create(HKEY_CURRENT_USER, u"\\Software\\Tarvex\\Lexovia");
    SetDword(key, u"KbdEnabled", 1);
    RegFlushKey(key);
    RegCloseKey(key);
    RegCloseKey(key);

    std::string log;
    for (const device::RegistryCall& call : device::RegistryCalls())
        log += call.function + " [" + device::Utf8(call.key) + "] " + device::Utf8(call.name) + " -> " +
               Code(call.result) + "\n";
    EXPECT_EQ(log,
              "RegCreateKeyExW [HKCU] \\Software\\Tarvex\\Lexovia -> ok\n"
              "RegSetValueExW [HKCU\\Software\\Tarvex\\Lexovia] KbdEnabled -> ok\n"
              "RegFlushKey [HKCU\\Software\\Tarvex\\Lexovia]  -> ok\n"
              "RegCloseKey [HKCU\\Software\\Tarvex\\Lexovia]  -> ok\n"
              "RegCloseKey []  -> invalid handle\n");
}
