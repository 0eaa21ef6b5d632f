#include <device/boot.h>
#include <device/clock.h>
#include <device/com.h>
#include <device/libraries.h>
#include <device/processes.h>
#include <device/sip.h>
#include <objbase.h>
#include <windows.h>

#include <string>
#include <vector>

#include "fresh_device.h"

namespace {

const CLSID kKeyboard = {0x42112D3E, 0xCDA6, 0x4AAB, {0x93, 0x1E, 0xCE, 0x21, 0x04, 0xF0, 0x7C, 0x21}};
const CLSID kRecognizer = {0x715587FD, 0xC4DA, 0x41DA, {0xA5, 0x04, 0x0B, 0xE8, 0xD2, 0x97, 0xD0, 0xAD}};

// The package's input methods stand in as the platform keyboard under their classes.
HRESULT CreateStandIn(IUnknown* outer, REFIID riid, void** ppv)
{
    return CoCreateInstance(device::kPlatformKeyboardClsid, outer, CLSCTX_INPROC_SERVER, riid, ppv);
}

HRESULT RefuseCreation(IUnknown*, REFIID, void** ppv)
{
    *ppv = nullptr;
    return E_OUTOFMEMORY;
}

using Kind = device::SipEvent::Kind;

struct Event {
    DWORD time;
    Kind kind;
    CLSID clsid;
    bool operator==(const Event& other) const
    {
        return time == other.time && kind == other.kind && clsid == other.clsid;
    }
};

std::vector<Event> SipEvents()
{
    std::vector<Event> events;
    for (const device::SipEvent& event : device::SipEventLog()) events.push_back({event.time, event.kind, event.clsid});
    return events;
}

std::ostream& operator<<(std::ostream& out, const Event& event)
{
    return out << event.time << " ms kind " << static_cast<int>(event.kind) << " class " << std::hex
               << event.clsid.Data1 << std::dec;
}

// The keyboard, 50 ms later the recogniser, 50 ms later the one before.
std::vector<Event> Refreshed(DWORD from)
{
    return {{from, Kind::Started, device::kPlatformKeyboardClsid},
            {from, Kind::Selected, kKeyboard},
            {from + 50, Kind::Selected, kRecognizer},
            {from + 100, Kind::Selected, device::kPlatformKeyboardClsid}};
}

class BootsipTest : public FreshDevice {
protected:
    void SetUp() override { Prepare(CreateStandIn); }

    // A fresh device with bootsip in \Windows, the clock at 1000.
    void Prepare(device::ClassCreator recognizer)
    {
        FreshDevice::SetUp();
        ASSERT_TRUE(device::PlaceLibrary(BOOTSIP_PROGRAM, u"\\Windows\\bootsip.exe"));
        device::AddBuiltinClass(kKeyboard, CreateStandIn);
        device::AddBuiltinClass(kRecognizer, recognizer);
        device::AdvanceClock(1000);
    }

    static void SetEnabled(DWORD type, std::vector<BYTE> data)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExW(key, u"KbdEnabled", 0, type, data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static DWORD Run(std::u16string commandLine)
    {
        PROCESS_INFORMATION info = {};
        EXPECT_TRUE(CreateProcessW(u"bootsip.exe", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   nullptr, &info));
        EXPECT_EQ(WaitForSingleObject(info.hProcess, INFINITE), WAIT_OBJECT_0);
        DWORD exitCode = 0xBAD;
        EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        return exitCode;
    }
};

}  // namespace

TEST_F(BootsipTest, SwitchesBothInputMethodsOnlyWhenTheKeyboardIsEnabledAndAlwaysSignals)
{
    struct Case {
        const char* setting;
        DWORD type;
        std::vector<BYTE> data;  // none: no value at all
        bool refreshes;
    };
    const Case cases[] = {
        {"KbdEnabled = 1", REG_DWORD, {1, 0, 0, 0}, true},
        {"KbdEnabled = 0", REG_DWORD, {0, 0, 0, 0}, false},
        {"KbdEnabled = 2", REG_DWORD, {2, 0, 0, 0}, false},
        {"no KbdEnabled", REG_DWORD, {}, false},
        {"KbdEnabled two bytes 01 00", REG_BINARY, {1, 0}, false},
        {"KbdEnabled eight bytes", REG_BINARY, {1, 0, 0, 0, 0, 0, 0, 0}, false},
        {"KbdEnabled as the text \"1\"", REG_SZ, {'1', 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        EXPECT_EQ(device::TakeFaults(), std::vector<std::string>{});
        SetUp();
        if (!c.data.empty()) SetEnabled(c.type, c.data);

        EXPECT_EQ(Run(u"35"), 0u) << "bootsip always ends with 0";

        EXPECT_EQ(SipEvents(), c.refreshes ? Refreshed(1000) : std::vector<Event>{})
            << "the input methods are switched only for exactly 1";
        EXPECT_EQ(device::StartedSignals(), std::vector<DWORD>{35}) << "the launch number is signalled either way";
        EXPECT_EQ(device::Now(), c.refreshes ? 1100u : 1000u) << "the switches are 50 ms apart on the device's clock";
    }
}

TEST_F(BootsipTest, AnEmptyCommandLineIsNotSignalled)
{
    SetEnabled(REG_DWORD, {1, 0, 0, 0});
    EXPECT_EQ(Run(u""), 0u);
    EXPECT_EQ(SipEvents(), Refreshed(1000));
    EXPECT_TRUE(device::StartedSignals().empty());
}

TEST_F(BootsipTest, GivesThePanelBackToTheInputMethodThatWasCurrent)
{
    SetEnabled(REG_DWORD, {1, 0, 0, 0});
    ASSERT_TRUE(device::SelectInputMethod(kRecognizer));
    device::ClearSipEventLog();

    Run(u"35");

    // The recogniser is current again after the second switch: the restore changes nothing.
    std::vector<Event> expected = {{1000, Kind::Selected, kKeyboard}, {1050, Kind::Selected, kRecognizer}};
    EXPECT_EQ(SipEvents(), expected);
    EXPECT_EQ(device::Now(), 1100u);
    EXPECT_EQ(device::CurrentInputMethod(), kRecognizer);
}

TEST_F(BootsipTest, AnInputMethodThatCannotBeCreatedDoesNotStopTheRestore)
{
    Prepare(RefuseCreation);
    SetEnabled(REG_DWORD, {1, 0, 0, 0});

    Run(u"35");

    std::vector<Event> expected = {{1000, Kind::Started, device::kPlatformKeyboardClsid},
                                   {1000, Kind::Selected, kKeyboard},
                                   {1050, Kind::Refused, kRecognizer},
                                   {1100, Kind::Selected, device::kPlatformKeyboardClsid}};
    EXPECT_EQ(SipEvents(), expected);
    EXPECT_EQ(device::CurrentInputMethod(), device::kPlatformKeyboardClsid);
    EXPECT_EQ(device::StartedSignals(), std::vector<DWORD>{35});
}

TEST_F(BootsipTest, StartsAfterTheShellAtBootWithItsLaunchNumber)
{
    SetEnabled(REG_DWORD, {1, 0, 0, 0});
    HKEY init = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, 0, &init), ERROR_SUCCESS);
    const WCHAR program[] = u"bootsip.exe";
    const BYTE shell[] = {50, 0};
    RegSetValueExW(init, u"Launch51", 0, REG_SZ, reinterpret_cast<const BYTE*>(program), sizeof program);
    RegSetValueExW(init, u"Depend51", 0, REG_BINARY, shell, sizeof shell);
    RegCloseKey(init);

    std::vector<device::BootStep> steps = device::Boot();

    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(device::DescribeBootStep(steps[3]), "Launch51 bootsip.exe: signalled (exit code 0)");
    EXPECT_EQ(device::StartedSignals(), (std::vector<DWORD>{20, 30, 50, 51}));
    EXPECT_EQ(SipEvents(), Refreshed(1000));
}
