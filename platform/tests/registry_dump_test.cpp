#include <device/registry_dump.h>
#include <windows.h>

#include "fresh_device.h"

using RegistryDumpTest = FreshDevice;

TEST_F(RegistryDumpTest, ListsTheFactoryKeysAsCreated)
{
    EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, u"NLS"),
              "[HKLM\\nls]\n"
              "DefaultLCID = dword:0x00000409\n"
              "DefaultACP = dword:0x000004e4\n"
              "DefaultOCP = dword:0x000001b5\n");
}

TEST_F(RegistryDumpTest, ShowsEveryTypeAndSortsSubkeys)
{
    HKEY key = nullptr, sub = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"\\Software\\Tarvex", 0, nullptr, 0, 0, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char16_t text[] = u"C:\\\"x\"";
    const char16_t list[] = u"one\0two\0";
    const char16_t unterminated[] = u"ab";
    const BYTE bytes[] = {0x14, 0x00, 0xff};
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegSetValueExW(key, u"List", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(list), sizeof list);
    RegSetValueExW(key, u"Bytes", 0, REG_BINARY, bytes, sizeof bytes);
    RegSetValueExW(key, u"Cut", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), 4);
    RegSetValueExW(key, u"Other", 0, REG_NONE, bytes, 1);
    for (LPCWSTR name : {u"Zeta", u"alpha\\Inner", u"Beta"}) {
        RegCreateKeyExW(key, name, 0, nullptr, 0, 0, nullptr, &sub, nullptr);
        RegCloseKey(sub);
    }
    RegCloseKey(key);

    EXPECT_EQ(device::DumpRegistry(HKEY_CURRENT_USER, u"software\\tarvex"),
              "[HKCU\\Software\\Tarvex]\n"
              "@ = \"C:\\\\\\\"x\\\"\"\n"
              "List = multi_sz:\"one\",\"two\"\n"
              "Bytes = hex:14,00,ff\n"
              "Cut = hex(1):61,00,62,00\n"
              "Other = hex(0):14\n"
              "[HKCU\\Software\\Tarvex\\alpha]\n"
              "[HKCU\\Software\\Tarvex\\alpha\\Inner]\n"
              "[HKCU\\Software\\Tarvex\\Beta]\n"
              "[HKCU\\Software\\Tarvex\\Zeta]\n");
}

TEST_F(RegistryDumpTest, IsEmptyForAMissingKeyOrAnUnsupportedRoot)
{
    EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, u"Missing"), "");
    EXPECT_EQ(device::DumpRegistry(HKEY_USERS, u""), "");
}
