#include <dlfcn.h>

#include <algorithm>

#include <device/device.h>

#include "library_test_fixture.h"

namespace {
const char16_t kTestLibraryPath[] = u"\\Windows\\testlib.dll";
}

TEST_F(LibraryTest, APlacedLibraryLoadsByPathOrBareNameAsOneModule)
{
    HMODULE byPath = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(byPath) << device::LastLibraryFailure();
    EXPECT_EQ(LoadLibraryW(u"TESTLIB.DLL"), byPath) << "a bare name is looked for in \\Windows, in any case";
    EXPECT_EQ(LoadLibraryW(u"testlib"), byPath) << "a name without an extension is a .dll";
    for (int load = 0; load < 3; ++load) EXPECT_TRUE(FreeLibrary(byPath));
    EXPECT_FALSE(FreeLibrary(byPath));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(LibraryTest, GetProcAddressFindsOnlyTheLibrarysOwnExports)
{
    HMODULE library = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(library);
    FARPROC report = GetProcAddress(library, "TestLibrary_Report");
    EXPECT_TRUE(report);
    EXPECT_EQ(GetProcAddressW(library, u"TestLibrary_Report"), report);
    struct Case {
        const char* name;
        DWORD error;
    };
    const Case missing[] = {
        {"TestLibrary_Missing", ERROR_PROC_NOT_FOUND},
        {"LoadStringW", ERROR_PROC_NOT_FOUND},  // the library uses it, the platform exports it
        {"lexovia_resourcesX", ERROR_PROC_NOT_FOUND},
    };
    for (const Case& test : missing) {
        SetLastError(0);
        EXPECT_FALSE(GetProcAddress(library, test.name)) << test.name;
        EXPECT_EQ(GetLastError(), test.error) << test.name;
    }
    EXPECT_FALSE(GetProcAddress(library, reinterpret_cast<LPCSTR>(1))) << "no exports by ordinal";
    FreeLibrary(library);
    EXPECT_FALSE(GetProcAddress(library, "TestLibrary_Report")) << "a freed module has no exports";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(LibraryTest, DllMainSeesOneAttachAfterStaticsAndOneDetachAcrossTwoLoads)
{
    HMODULE library = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(library);
    ASSERT_EQ(LoadLibraryW(kTestLibraryPath), library);
    TestLibraryReport report = ReportOf(library);
    EXPECT_EQ(report.attaches, 1);
    EXPECT_TRUE(report.staticsBuiltBeforeAttach) << "static objects are built before DllMain runs";
    EXPECT_EQ(report.instanceAtAttach, library) << "DllMain gets the module handle LoadLibraryW returns";
    EXPECT_EQ(report.helloLengthAtAttach, 5) << "the library's resources can be read from DllMain";

    int detaches = 0;
    WatchDetach(library, &detaches);
    FreeLibrary(library);
    EXPECT_EQ(detaches, 0) << "still loaded once";
    FreeLibrary(library);
    EXPECT_EQ(detaches, 1);

    const auto& log = device::DllMainLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].module, kTestLibraryPath);
    EXPECT_EQ(log[0].reason, static_cast<DWORD>(DLL_PROCESS_ATTACH));
    EXPECT_EQ(log[1].reason, static_cast<DWORD>(DLL_PROCESS_DETACH));
}

TEST_F(LibraryTest, ALibraryLoadedAgainAfterItsLastFreeStartsAfreshUnderANewHandle)
{
    HMODULE first = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(first);
    FreeLibrary(first);
    HMODULE second = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(second);
    EXPECT_NE(second, first) << "module handles are never reused";
    EXPECT_EQ(ReportOf(second).attaches, 1) << "the library was unloaded: its statics start again";
    FreeLibrary(second);
}

TEST_F(LibraryTest, GetModuleFileNameGivesTheDevicePathCutSafelyToTheBuffer)
{
    HMODULE library = LoadLibraryW(u"testlib.dll");
    ASSERT_TRUE(library);
    struct Case {
        HMODULE module;
        DWORD size;
        std::u16string text;
        DWORD result;
        DWORD error;  // 0: not set
    };
    const Case cases[] = {
        {library, MAX_PATH, u"\\Windows\\testlib.dll", 20, 0},
        {library, 21, u"\\Windows\\testlib.dll", 20, 0},
        {library, 20, u"\\Windows\\testlib.dl", 20, ERROR_INSUFFICIENT_BUFFER},
        {library, 1, u"", 1, ERROR_INSUFFICIENT_BUFFER},
        {nullptr, MAX_PATH, u"\\Windows\\pocketsim.exe", 22, 0},
    };
    for (const Case& test : cases) {
        WCHAR buffer[MAX_PATH + 1];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        SetLastError(0);
        EXPECT_EQ(GetModuleFileNameW(test.module, buffer, test.size), test.result) << "size " << test.size;
        EXPECT_EQ(std::u16string(buffer), test.text) << "size " << test.size << ": terminated within the buffer";
        EXPECT_EQ(buffer[test.size], u'#') << "size " << test.size << ": nothing written past the buffer";
        EXPECT_EQ(GetLastError(), test.error) << "size " << test.size;
    }
    FreeLibrary(library);
    WCHAR buffer[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(library, buffer, MAX_PATH), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST_F(LibraryTest, LoadFailuresReturnNullWithThePlatformsError)
{
    ASSERT_TRUE(device::PlaceLibrary(TEST_LANGUAGE_FILE, u"\\Windows\\notcode.dll"));
    ASSERT_TRUE(device::PlaceLibrary(TEST_LIBRARY, u"\\Windows\\refuse.dll"));
    struct Case {
        const char16_t* name;
        HANDLE file;
        DWORD error;
    };
    const Case cases[] = {
        {u"\\Windows\\missing.dll", nullptr, ERROR_MOD_NOT_FOUND},
        {u"\\Temp\\testlib.dll", nullptr, ERROR_MOD_NOT_FOUND},
        {u"\\Windows\\notcode.dll", nullptr, ERROR_BAD_EXE_FORMAT},
        {u"", nullptr, ERROR_INVALID_PARAMETER},
        {nullptr, nullptr, ERROR_INVALID_PARAMETER},
        {kTestLibraryPath, INVALID_HANDLE_VALUE, ERROR_INVALID_PARAMETER},
        {u"\\Windows\\refuse.dll", nullptr, ERROR_DLL_INIT_FAILED},  // last: its failure is the driver's to see
    };
    for (const Case& test : cases) {
        SetLastError(0);
        EXPECT_FALSE(LoadLibraryExW(test.name, test.file, 0)) << "case #" << (&test - cases);
        EXPECT_EQ(GetLastError(), test.error) << "case #" << (&test - cases);
    }
    EXPECT_NE(device::LastLibraryFailure().find("refuse.dll"), std::string::npos)
        << "the driver learns why the last load failed: " << device::LastLibraryFailure();
    const auto& log = device::DllMainLog();
    ASSERT_EQ(log.size(), 2u) << "a library refusing the attach is detached again";
    EXPECT_EQ(log[1].module, u"\\Windows\\refuse.dll");
    EXPECT_EQ(log[1].reason, static_cast<DWORD>(DLL_PROCESS_DETACH));
}

TEST_F(LibraryTest, ClosingTheDeviceUnloadsEveryLibraryThroughDllMain)
{
    HMODULE library = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(library);
    LoadLibraryW(kTestLibraryPath);
    int detaches = 0;
    WatchDetach(library, &detaches);
    device::Close();
    EXPECT_EQ(detaches, 1);
}

TEST_F(LibraryTest, ALibraryTheHostKeepsLoadedAfterItsLastFreeIsAFault)
{
    HMODULE library = LoadLibraryW(kTestLibraryPath);
    ASSERT_TRUE(library);
    void* heldByHost = dlopen((device::FileRoot() + "/Windows/testlib.dll").c_str(), RTLD_LAZY | RTLD_NOLOAD);
    ASSERT_TRUE(heldByHost);
    FreeLibrary(library);
    dlclose(heldByHost);
    std::vector<std::string> faults = device::TakeFaults();
    EXPECT_EQ(std::count_if(faults.begin(), faults.end(),
                            [](const std::string& fault) {
                                return fault.find("\\Windows\\testlib.dll stayed loaded") != std::string::npos;
                            }),
              1);
}
