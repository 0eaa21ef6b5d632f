#include <device/boot.h>
#include <device/clock.h>
#include <device/libraries.h>
#include <device/processes.h>
#include <device/text.h>
#include <pkfuncs.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"

namespace {

class ProcessTest : public FreshDevice {
protected:
    // Starts PROGRAM and hands back its exit code; the platform's error when it could not start.
    static DWORD Start(const std::u16string& program, std::u16string commandLine, DWORD& error)
    {
        PROCESS_INFORMATION info = {};
        error = ERROR_SUCCESS;
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                            &info)) {
            error = GetLastError();
            return 0;
        }
        DWORD exitCode = 0;
        EXPECT_EQ(WaitForSingleObject(info.hProcess, INFINITE), WAIT_OBJECT_0);
        EXPECT_EQ(WaitForSingleObject(info.hThread, 0), WAIT_OBJECT_0);
        EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
        EXPECT_TRUE(CloseHandle(info.hThread));
        EXPECT_TRUE(CloseHandle(info.hProcess));
        return exitCode;
    }

    static void Place(const std::u16string& devicePath) { ASSERT_TRUE(device::PlaceLibrary(TEST_PROGRAM, devicePath)); }
};

}  // namespace

TEST_F(ProcessTest, AProgramThatCannotBeStartedFailsWithThePlatformsError)
{
    ASSERT_TRUE(device_files::Write(u"\\Windows\\notes.exe", "#!/bin/sh\necho a script is no program\n"));
    ASSERT_TRUE(CreateDirectoryW(u"\\Windows\\folder.exe", nullptr));
    struct Case {
        const char16_t* program;
        DWORD error;
        const char* why;
    };
    const Case cases[] = {
        {u"\\Windows\\nothere.exe", ERROR_FILE_NOT_FOUND, "a missing program is not found"},
        {u"nothere", ERROR_FILE_NOT_FOUND, "a bare name is looked for in \\Windows with .exe"},
        {u"\\Windows\\folder.exe", ERROR_FILE_NOT_FOUND, "a folder is no program"},
        {u"\\Windows\\notes.exe", ERROR_BAD_EXE_FORMAT, "a file that is no program for the host is never run"},
        {u"\\Temp\\reboot.exe", ERROR_FILE_NOT_FOUND, "the restart program's stand-in needs its file"},
        {u"\\Temp\\shell32.exe", ERROR_FILE_NOT_FOUND, "the platform's own programs are only in \\Windows"},
        {u"", ERROR_INVALID_PARAMETER, "an empty name is refused"},
    };
    for (const Case& c : cases) {
        DWORD error = 0;
        Start(c.program, u"", error);
        EXPECT_EQ(error, c.error) << c.why;
    }
    ASSERT_EQ(device::ProgramLaunches().size(), 6u) << "every start that got as far as looking is recorded";
    EXPECT_EQ(device::ProgramLaunches()[1].program, u"\\Windows\\nothere.exe");
    EXPECT_EQ(device::ProgramLaunches()[3].error, DWORD(ERROR_BAD_EXE_FORMAT));

    PROCESS_INFORMATION info = {};
    WCHAR commandLine[] = u"";
    EXPECT_FALSE(CreateProcessW(u"shell32.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                                nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << "the process information is required";
    EXPECT_FALSE(CreateProcessW(u"shell32.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr, u"\\Temp", nullptr,
                                &info));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << "the device has no current folder";
}

TEST_F(ProcessTest, AProgramOnTheDeviceRunsInItsOwnProcessOnTheDevicesClock)
{
    Place(u"\\Windows\\clock.exe");
    device::AdvanceClock(1000);
    DWORD error = 0;

    EXPECT_EQ(Start(u"clock", u"12", error), 0u);

    EXPECT_EQ(error, DWORD(ERROR_SUCCESS));
    EXPECT_EQ(device::Now(), 1070u) << "the program's Sleep moves the device's clock";
    EXPECT_EQ(device::StartedSignals(), (std::vector<DWORD>{1070, 12}))
        << "the program reads the device's time and signals the device's boot sequence";
    ASSERT_EQ(device::ProgramLaunches().size(), 1u);
    EXPECT_EQ(device::ProgramLaunches()[0].program, u"\\Windows\\clock.exe");
    EXPECT_EQ(device::ProgramLaunches()[0].commandLine, u"12");
    EXPECT_EQ(device::ProgramLaunches()[0].ending, "exit code 0");
}

TEST_F(ProcessTest, HowAProgramEndedIsItsExitCodeOrWhatTheDeviceSaw)
{
    using std::chrono::milliseconds;
    struct Case {
        const char16_t* program;
        milliseconds silenceLimit;  // short only where the program is meant to hang
        DWORD exitCode;
        const char* ending;
    };
    const Case cases[] = {
        {u"\\Windows\\silent.exe", milliseconds(10000), 3, "exit code 3"},
        {u"\\Windows\\crash.exe", milliseconds(10000), 0xFFFFFFFF, "died of signal 6"},
        {u"\\Windows\\hang.exe", milliseconds(300), 0xFFFFFFFF, "hung: ended by the device after 300 ms of silence"},
    };
    for (const Case& c : cases) {
        Place(c.program);
        device::SetProgramSilenceLimit(c.silenceLimit);
        DWORD error = 0;
        EXPECT_EQ(Start(c.program, u"", error), c.exitCode) << device::Utf8(c.program);
        EXPECT_EQ(error, DWORD(ERROR_SUCCESS));
        EXPECT_EQ(device::ProgramLaunches().back().ending, c.ending);
    }
}

TEST_F(ProcessTest, TheRestartProgramAsksForARestartUnlessTheBootStartedIt)
{
    ASSERT_TRUE(CreateDirectoryW(u"\\Program Files", nullptr));
    ASSERT_TRUE(CreateDirectoryW(u"\\Program Files\\Pack", nullptr));
    ASSERT_TRUE(device_files::Write(u"\\Program Files\\Pack\\reboot.exe", "stand-in"));
    DWORD error = 0;

    Start(u"\\Program Files\\Pack\\reboot.exe", u"52", error);
    EXPECT_FALSE(device::RestartPending()) << "started by the boot, it only signals";
    EXPECT_EQ(device::StartedSignals(), std::vector<DWORD>{52});

    Start(u"\\Program Files\\Pack\\reboot.exe", u"\\Program Files\\Pack\\reboot.exe", error);
    EXPECT_EQ(error, DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(device::RestartPending());
}

TEST_F(ProcessTest, ARestartIsAskedForWithTheHalRebootControlCodeFromAnyProcess)
{
    EXPECT_FALSE(KernelIoControl(0x01010040, nullptr, 0, nullptr, 0, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
    EXPECT_FALSE(device::RestartPending());

    Place(u"\\Windows\\restart.exe");
    DWORD error = 0;
    Start(u"restart.exe", u"7", error);
    EXPECT_TRUE(device::RestartPending()) << "a program's request reaches the device";
}

TEST_F(ProcessTest, OnlyProcessHandlesAreWaitedOn)
{
    HANDLE file = CreateFileW(u"\\Temp\\x.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WaitForSingleObject(file, 0), WAIT_FAILED);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    DWORD exitCode = 0;
    EXPECT_FALSE(GetExitCodeProcess(file, &exitCode));
    CloseHandle(file);

    PROCESS_INFORMATION info = {};
    WCHAR commandLine[] = u"";
    ASSERT_TRUE(CreateProcessW(u"shell32.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                               &info));
    EXPECT_TRUE(CloseHandle(info.hProcess));
    EXPECT_FALSE(CloseHandle(info.hProcess));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 0), WAIT_FAILED) << "a closed process handle names nothing";
    EXPECT_TRUE(CloseHandle(info.hThread));
}
