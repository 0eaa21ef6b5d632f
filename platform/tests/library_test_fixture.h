// A fresh device with the test library placed as \Windows\testlib.dll.
#pragma once

#include <device/libraries.h>
#include <windows.h>

#include "fresh_device.h"
#include "testlib.h"

class LibraryTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        ASSERT_TRUE(device::PlaceLibrary(TEST_LIBRARY, u"\\Windows\\testlib.dll"));
    }

    // Through void (*)(), the one function type any other converts to cleanly.
    template <typename Function>
    static Function ExportOf(HMODULE library, const char* name)
    {
        return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    }

    static TestLibraryReport ReportOf(HMODULE library)
    {
        TestLibraryReport report{};
        if (auto reportFunction = ExportOf<ReportFunction>(library, "TestLibrary_Report")) reportFunction(&report);
        return report;
    }

    static void WatchDetach(HMODULE library, int* detaches)
    {
        auto watch = ExportOf<WatchDetachFunction>(library, "TestLibrary_WatchDetach");
        ASSERT_TRUE(watch);
        watch(detaches);
    }
};

// The same, with the test library loaded for the test and freed after it.
class LoadedLibraryTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        library = LoadLibraryW(u"testlib.dll");
        ASSERT_TRUE(library) << device::LastLibraryFailure();
    }

    void TearDown() override
    {
        if (library) FreeLibrary(library);
        LibraryTest::TearDown();
    }

    HMODULE library = nullptr;
};
