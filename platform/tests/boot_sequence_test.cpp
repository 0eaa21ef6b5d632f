#include <device/boot.h>
#include <device/clock.h>
#include <device/libraries.h>
#include <device/processes.h>
#include <pkfuncs.h>
#include <windows.h>

#include <string>
#include <vector>

#include "device_files.h"
#include "fresh_device.h"

namespace {

class BootSequenceTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, 0, &init), ERROR_SUCCESS);
    }

    void TearDown() override
    {
        RegCloseKey(init);
        FreshDevice::TearDown();
    }

    void Launch(const std::u16string& name, const std::u16string& program)
    {
        RegSetValueExW(init, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(program.c_str()),
                       static_cast<DWORD>((program.size() + 1) * sizeof(char16_t)));
    }

    void Depend(const std::u16string& name, std::vector<BYTE> numbers)
    {
        RegSetValueExW(init, name.c_str(), 0, REG_BINARY, numbers.data(), static_cast<DWORD>(numbers.size()));
    }

    static std::vector<std::string> Described(const std::vector<device::BootStep>& steps)
    {
        std::vector<std::string> lines;
        for (const device::BootStep& step : steps) lines.push_back(device::DescribeBootStep(step));
        return lines;
    }

    HKEY init = nullptr;
};

DWORD ReadKept()
{
    HKEY product = nullptr;
    DWORD kept = 0;
    DWORD size = sizeof kept;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, 0, &product) != ERROR_SUCCESS) return 0;
    RegQueryValueExW(product, u"Kept", nullptr, nullptr, reinterpret_cast<BYTE*>(&kept), &size);
    RegCloseKey(product);
    return kept;
}

const std::vector<std::string> kFactoryBoot = {
    "Launch20 device.exe: signalled (exit code 0)",
    "Launch30 gwes.exe: signalled (exit code 0)",
    "Launch50 shell32.exe: signalled (exit code 0)",
};

}  // namespace

TEST_F(BootSequenceTest, AFreshDeviceBootsItsSystemProgramsInLaunchOrder)
{
    EXPECT_EQ(Described(device::Boot()), kFactoryBoot);
    EXPECT_EQ(device::StartedSignals(), (std::vector<DWORD>{20, 30, 50}));
    ASSERT_EQ(device::ProgramLaunches().size(), 3u);
    EXPECT_EQ(device::ProgramLaunches()[2].commandLine, u"50") << "a program gets its launch number";
}

TEST_F(BootSequenceTest, ProgramsStartInNumberOrderOnceTheirDependenciesSignalled)
{
    ASSERT_TRUE(device::PlaceLibrary(TEST_PROGRAM, u"\\Windows\\signal.exe"));
    ASSERT_TRUE(device::PlaceLibrary(TEST_PROGRAM, u"\\Windows\\silent.exe"));
    Launch(u"Launch90", u"signal.exe");   // listed before the numbers below it
    Depend(u"Depend90", {50, 0, 7, 0});
    Launch(u"launch07", u"signal.exe");   // the prefix in any case, the number with a leading zero
    Launch(u"Launch60", u"silent.exe");
    Launch(u"Launch61", u"signal.exe");
    Depend(u"Depend61", {60, 0});
    Launch(u"Launch62", u"\\Windows\\nothere.exe");
    Launch(u"Launch63", u"signal.exe");
    Depend(u"Depend63", {62, 0, 0x2C});   // the odd last byte is no number
    Launch(u"Launch64", u"signal.exe");
    Depend(u"Depend64", {95, 0});         // a number later in the list, or none at all
    DWORD notAProgram = 1;
    RegSetValueExW(init, u"Launch65", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&notAProgram), sizeof notAProgram);

    std::vector<std::string> expected = {
        "Launch7 signal.exe: signalled (exit code 0)",
        "Launch20 device.exe: signalled (exit code 0)",
        "Launch30 gwes.exe: signalled (exit code 0)",
        "Launch50 shell32.exe: signalled (exit code 0)",
        "Launch60 silent.exe: started, never signalled (exit code 3)",
        "Launch61 signal.exe: not started, waits for 60",
        "Launch62 \\Windows\\nothere.exe: not found",
        "Launch63 signal.exe: not started, waits for 62",
        "Launch64 signal.exe: not started, waits for 95",
        "Launch90 signal.exe: signalled (exit code 0)",
    };
    EXPECT_EQ(Described(device::Boot()), expected);
    EXPECT_EQ(device::StartedSignals(), (std::vector<DWORD>{7, 20, 30, 50, 90}));
}

TEST_F(BootSequenceTest, AProgramThatNeverSignalsHoldsBackOnlyThoseWaitingForIt)
{
    // Long enough for the programs that do answer, even on a busy machine.
    device::SetProgramSilenceLimit(std::chrono::milliseconds(2000));
    ASSERT_TRUE(device::PlaceLibrary(TEST_PROGRAM, u"\\Windows\\hang.exe"));
    ASSERT_TRUE(device::PlaceLibrary(TEST_PROGRAM, u"\\Windows\\signal.exe"));
    Launch(u"Launch70", u"hang.exe");
    Launch(u"Launch71", u"signal.exe");
    Depend(u"Depend71", {70, 0});
    Launch(u"Launch72", u"signal.exe");
    Depend(u"Depend72", {50, 0});

    std::vector<std::string> steps = Described(device::Boot());

    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[3], "Launch70 hang.exe: started, never signalled (hung: ended by the device after 2000 ms of silence)");
    EXPECT_EQ(steps[4], "Launch71 signal.exe: not started, waits for 70");
    EXPECT_EQ(steps[5], "Launch72 signal.exe: signalled (exit code 0)");
}

TEST_F(BootSequenceTest, ARestartKeepsRegistryAndFilesDropsWhatRanAndBootsAgain)
{
    ASSERT_TRUE(device_files::Write(u"\\My Documents\\kept.txt", "kept"));
    HKEY product = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &product,
                              nullptr),
              ERROR_SUCCESS);
    DWORD kept = 1;
    RegSetValueExW(product, u"Kept", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kept), sizeof kept);
    ASSERT_TRUE(device::PlaceLibrary(TEST_LIBRARY, u"\\Windows\\testlib.dll"));
    HMODULE library = LoadLibraryW(u"testlib.dll");
    ASSERT_NE(library, nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.lpszClassName = u"BeforeRestart";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, u"BeforeRestart", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    device::AdvanceClock(5000);
    Launch(u"Launch51", u"shell32.exe");
    device::Boot();
    WCHAR commandLine[] = u"";
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessW(u"shell32.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                               &info));
    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
    ASSERT_TRUE(device::RestartPending());

    std::vector<std::string> steps = Described(device::Restart());

    std::vector<std::string> expected = kFactoryBoot;
    expected.push_back("Launch51 shell32.exe: signalled (exit code 0)");
    EXPECT_EQ(steps, expected) << "the boot runs again";
    EXPECT_FALSE(device::RestartPending());
    EXPECT_EQ(device::Now(), 0u) << "the clock starts again";
    EXPECT_EQ(device_files::Read(u"\\My Documents\\kept.txt"), "kept");
    DWORD read = 0;
    DWORD size = sizeof read;
    EXPECT_EQ(RegQueryValueExW(product, u"Kept", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &size),
              ERROR_INVALID_HANDLE)
        << "the handles of the processes that went are gone";
    EXPECT_EQ(ReadKept(), 1u);
    EXPECT_FALSE(IsWindow(window));
    WCHAR path[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(library, path, MAX_PATH), 0u) << "loaded libraries go";
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 0), WAIT_FAILED);
    ASSERT_EQ(device::ProgramLaunches().size(), 4u) << "only the starts since the restart";
    init = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, 0, &init), ERROR_SUCCESS);
}
