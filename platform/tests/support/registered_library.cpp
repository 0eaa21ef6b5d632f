#include "registered_library.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <unknwn.h>

#include <device/libraries.h>

void PlaceAndRegisterLibrary(const std::string& hostFile, const std::u16string& devicePath)
{
    ASSERT_TRUE(device::PlaceLibrary(hostFile, devicePath)) << device::LastLibraryFailure();
    HMODULE library = LoadLibraryW(devicePath.c_str());
    ASSERT_NE(library, nullptr) << device::LastLibraryFailure();
    auto registerServer = reinterpret_cast<HRESULT (*)()>(GetProcAddress(library, "DllRegisterServer"));
    ASSERT_NE(registerServer, nullptr);
    EXPECT_EQ(registerServer(), S_OK);
    FreeLibrary(library);
}
