#include <device/registry_calls.h>
#include <device/registry_failures.h>
#include <windows.h>

#include "fresh_device.h"

using RegistryFailuresTest = FreshDevice;

namespace {

bool KeyExists(HKEY root, LPCWSTR path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

TEST_F(RegistryFailuresTest, AFailedCallChangesNothingAndIsRecordedWithItsError)
{
    device::FailRegistryCall("RegDeleteKeyW", u"hklm", u"nls", ERROR_ACCESS_DENIED);
    device::ClearRegistryCalls();

    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"NLS"), ERROR_ACCESS_DENIED)
        << "key and name match without regard to case";
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, u"nls")) << "the failed call must not delete the key";
    ASSERT_FALSE(device::RegistryCalls().empty());
    EXPECT_EQ(device::RegistryCalls().front().function, "RegDeleteKeyW");
    EXPECT_EQ(device::RegistryCalls().front().result, ERROR_ACCESS_DENIED);

    EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, u"nls"), ERROR_ACCESS_DENIED) << "the failure lasts";
}

TEST_F(RegistryFailuresTest, OnlyTheNamedFunctionKeyAndNameFail)
{
    device::FailRegistryCall("RegSetValueExW", u"HKLM\\nls", u"DefaultACP", ERROR_CANTWRITE);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"nls", 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
    DWORD value = 1252;
    const BYTE* data = reinterpret_cast<const BYTE*>(&value);

    EXPECT_EQ(RegSetValueExW(key, u"DefaultACP", 0, REG_DWORD, data, sizeof(value)), ERROR_CANTWRITE);
    EXPECT_EQ(RegSetValueExW(key, u"DefaultOCP", 0, REG_DWORD, data, sizeof(value)), ERROR_SUCCESS)
        << "another value of the key";
    EXPECT_EQ(RegDeleteValueW(key, u"DefaultACP"), ERROR_SUCCESS) << "another function on the value";
    RegCloseKey(key);
}

TEST_F(RegistryFailuresTest, AFailedOpenGivesNoHandleAndAFreshDeviceForgetsTheFailure)
{
    device::FailRegistryCall("RegCreateKeyExW", u"HKCU", u"SOFTWARE\\Tarvex\\Lexovia", ERROR_CANTOPEN);
    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &key,
                              nullptr),
              ERROR_CANTOPEN);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia"));

    ASSERT_TRUE(device::CreateFresh());
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}
