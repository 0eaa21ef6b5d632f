#include <device/clock.h>
#include <device/registry_calls.h>
#include <device/registry_failures.h>
#include <device/text.h>

#include "boot_program.h"
#include "first_pass.h"
#include "restart_program.h"
#include "setup_device.h"

using BootLaunchTest = SetupDevice;

namespace {

using Bytes = std::vector<BYTE>;

const Bytes kRestartDependency = {0x14, 0x00, 0x1E, 0x00, 0x32, 0x00};

std::optional<std::u16string> InitString(LPCWSTR name) { return SetupDevice::String(HKEY_LOCAL_MACHINE, u"init", name); }

// The names of the "init" values whose data is PROGRAM.
std::vector<std::u16string> EntriesOf(const std::u16string& program)
{
    std::vector<std::u16string> names;
    HKEY init = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, 0, &init) != ERROR_SUCCESS) return names;
    WCHAR name[256];
    WCHAR data[512];
    DWORD type = 0;
    for (DWORD i = 0;; ++i) {
        DWORD length = 256, size = sizeof(data);
        if (RegEnumValueW(init, i, name, &length, nullptr, &type, reinterpret_cast<LPBYTE>(data), &size) !=
            ERROR_SUCCESS)
            break;
        if (type == REG_SZ && program == data) names.emplace_back(name);
    }
    RegCloseKey(init);
    return names;
}

}  // namespace

TEST_F(BootLaunchTest, TheBootProgramFollowsTheHighestNumberAndWaitsForTheShell)
{
    SetString(HKEY_LOCAL_MACHINE, u"init", u"Launch60", u"services.exe");
    HKEY init = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, 0, &init), ERROR_SUCCESS);
    const BYTE depend[] = {0x32, 0x00};
    RegSetValueExW(init, u"Depend60", 0, REG_BINARY, depend, sizeof(depend));
    RegCloseKey(init);

    EXPECT_TRUE(RegisterBootProgram());
    EXPECT_EQ(InitString(u"Launch61"), u"bootsip.exe");
    EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", u"Depend61"), (Bytes{0x32, 0x00}));
}

TEST_F(BootLaunchTest, RegisteringTwiceLeavesOneEntryUnderTheSameNumber)
{
    ASSERT_TRUE(RegisterBootProgram());
    std::string once = device::DumpRegistry(HKEY_LOCAL_MACHINE, u"init");
    ASSERT_TRUE(RegisterBootProgram());
    EXPECT_EQ(device::DumpRegistry(HKEY_LOCAL_MACHINE, u"init"), once);
    EXPECT_EQ(EntriesOf(u"bootsip.exe"), std::vector<std::u16string>{u"Launch51"});

    UnregisterBootProgram();
    EXPECT_TRUE(EntriesOf(u"bootsip.exe").empty());
    EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", u"Depend51"), std::nullopt);
}

// A dependency on 0 would keep the program from ever starting.
TEST_F(BootLaunchTest, TheBootProgramWaitsForTheShellHoweverItIsNamedAndForNothingWithoutOne)
{
    struct Case {
        const char* what;
        LPCWSTR shell;  // Launch50's program; null: no Launch50
        std::optional<Bytes> dependency;
    };
    const Case cases[] = {
        {"by its name", u"shell32.exe", Bytes{0x32, 0x00}},
        {"by a path", u"\\Windows\\Shell32.exe", Bytes{0x32, 0x00}},
        {"no shell", nullptr, std::nullopt},
        {"a program that only ends like the shell", u"\\Windows\\myshell32.exe", std::nullopt},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(device::CreateFresh());
        if (c.shell) SetString(HKEY_LOCAL_MACHINE, u"init", u"Launch50", c.shell);
        else DeleteValue(HKEY_LOCAL_MACHINE, u"init", u"Launch50");

        EXPECT_TRUE(RegisterBootProgram()) << c.what;
        EXPECT_EQ(InitString(u"Launch51"), u"bootsip.exe") << c.what << ": Depend50 still counts as a number in use";
        EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", u"Depend51"), c.dependency) << c.what;
    }
}

// Another program's entry under the same number, spelt otherwise, stays;
// every entry of the boot program goes, under the name it was found by.
TEST_F(BootLaunchTest, OnlyTheBootProgramsOwnEntriesAreDeleted)
{
    struct Value {
        LPCWSTR name;
        LPCWSTR data;
    };
    struct Case {
        const char* what;
        std::vector<Value> added;
        std::vector<LPCWSTR> kept;
        std::vector<LPCWSTR> deleted;
    };
    const Case cases[] = {
        {"written by hand with a leading zero",
         {{u"Launch7", u"other.exe"}, {u"Depend7", u"x"}, {u"Launch07", u"BootSip.exe"}, {u"Depend07", u"x"}},
         {u"Launch7", u"Depend7"},
         {u"Launch07", u"Depend07"}},
        {"two entries, the other program's number first",
         {{u"Launch60", u"other.exe"}, {u"Launch60x", u"bootsip.exe"}, {u"Depend60x", u"x"},
          {u"launch61", u"bootsip.exe"}},
         {u"Launch60"},
         {u"Launch60x", u"Depend60x", u"launch61"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(device::CreateFresh());
        for (const Value& value : c.added) SetString(HKEY_LOCAL_MACHINE, u"init", value.name, value.data);
        UnregisterBootProgram();
        for (LPCWSTR name : c.kept) EXPECT_TRUE(InitString(name).has_value()) << c.what << ": " << device::Utf8(name);
        for (LPCWSTR name : c.deleted) EXPECT_FALSE(InitString(name).has_value()) << c.what << ": " << device::Utf8(name);
        EXPECT_TRUE(EntriesOf(u"bootsip.exe").empty()) << c.what;
    }
}

TEST_F(BootLaunchTest, RegisteringOverAnEntryBesideAnotherProgramsKeepsBoth)
{
    SetString(HKEY_LOCAL_MACHINE, u"init", u"Launch60", u"other.exe");
    SetString(HKEY_LOCAL_MACHINE, u"init", u"Launch60x", u"bootsip.exe");
    EXPECT_TRUE(RegisterBootProgram());
    EXPECT_EQ(InitString(u"Launch60"), u"other.exe");
    EXPECT_EQ(EntriesOf(u"bootsip.exe"), std::vector<std::u16string>{u"Launch61"});
}

TEST_F(BootLaunchTest, TheRestartProgramTakesTheFirstFreeNumberAfterTheShell)
{
    struct Case {
        const char* what;
        std::vector<std::pair<LPCWSTR, LPCWSTR>> added;  // string values after the factory's
        bool withoutShell;
        DWORD number;
        LPCWSTR launchName;
    };
    const Case cases[] = {
        {"nothing after the shell", {}, false, 51, u"Launch51"},
        {"Launch51 taken, then a gap", {{u"Launch51", u"a.exe"}, {u"Launch60", u"b.exe"}}, false, 52, u"Launch52"},
        {"no shell: one number per string value", {}, true, 2, u"Launch02"},
        {"the number after the shell's listed later", {{u"Launch53", u"a.exe"}, {u"launch051", u"b.exe"}}, false, 52,
         u"Launch52"},
        {"a number held only by a dependency", {{u"Launch53", u"a.exe"}, {u"Depend51", u"x"}}, false, 52, u"Launch52"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(device::TakeFaults().empty());
        ASSERT_TRUE(device::CreateFresh());
        if (c.withoutShell) DeleteValue(HKEY_LOCAL_MACHINE, u"init", u"Launch50");
        for (const auto& [name, program] : c.added) SetString(HKEY_LOCAL_MACHINE, u"init", name, program);

        EXPECT_EQ(RegisterRestartProgram(u"\\Program Files\\Pack"), c.number) << c.what;
        EXPECT_TRUE(EndedWithFlushAndClose()) << c.what;
        EXPECT_EQ(InitString(c.launchName), u"\\Program Files\\Pack\\reboot.exe") << c.what;
        std::u16string dependName = u"Depend" + std::u16string(c.launchName + 6);
        EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", dependName.c_str()), kRestartDependency) << c.what;
    }
}

TEST_F(BootLaunchTest, TheRestartProgramPathHasOneBackslashBeforeItsName)
{
    struct Case {
        std::u16string directory;
        DWORD number;  // 0: nothing written
        std::u16string program;
    };
    const Case cases[] = {
        {u"\\Program Files\\Pack\\", 51, u"\\Program Files\\Pack\\reboot.exe"},
        {u"\\Program Files\\Pack", 51, u"\\Program Files\\Pack\\reboot.exe"},
        {u"\\", 51, u"\\reboot.exe"},
        {u"", 51, u"\\reboot.exe"},
        {u"\\" + std::u16string(247, u'a'), 51, u"\\" + std::u16string(247, u'a') + u"\\reboot.exe"},
        {u"\\" + std::u16string(248, u'a'), 0, u""},  // the path would not fit MAX_PATH
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RegisterRestartProgram(c.directory.c_str()), c.number) << device::Utf8(c.directory);
        if (c.number) {
            EXPECT_EQ(InitString(u"Launch51"), c.program) << device::Utf8(c.directory);
        } else {
            EXPECT_EQ(InitString(u"Launch51"), std::nullopt) << "a cut path must not be written";
        }
        DeleteAnyValue(HKEY_LOCAL_MACHINE, u"init", u"Launch51");
        DeleteAnyValue(HKEY_LOCAL_MACHINE, u"init", u"Depend51");
    }
}

TEST_F(BootLaunchTest, UnregisteringTheRestartProgramWaitsAndReportsAValueItCannotDelete)
{
    DWORD before = device::Now();
    ASSERT_EQ(RegisterRestartProgram(u"\\Program Files\\Pack"), 51u);
    EXPECT_TRUE(UnregisterRestartProgram(51));
    EXPECT_EQ(device::Now() - before, 1000u);
    EXPECT_EQ(InitString(u"Launch51"), std::nullopt);
    EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", u"Depend51"), std::nullopt);
    EXPECT_TRUE(device::MessageBoxLog().empty());

    struct Case {
        LPCWSTR present;  // the one value of the entry left
        std::u16string message;
    };
    const Case cases[] = {{u"Depend51", u"Launch51"}, {u"Launch51", u"Depend51"}};
    for (const Case& c : cases) {
        SetString(HKEY_LOCAL_MACHINE, u"init", c.present, u"x");
        device::ClearMessageBoxLog();
        AnswerOk(1);
        EXPECT_FALSE(UnregisterRestartProgram(51)) << device::Utf8(c.message);
        EXPECT_EQ(SetupErrorsShown(), std::vector<std::u16string>{c.message});
        EXPECT_EQ(InitString(c.present), std::nullopt) << "the value left goes all the same";
    }
}

// A removal stopped by a power loss runs its steps again: each must finish
// what the stopped run began, not add to it.
TEST_F(BootLaunchTest, EntriesLeftHalfWayByAPowerLossAreFinishedNotAddedTo)
{
    // The restart program's entry made once already, its dependency not yet.
    SetString(HKEY_LOCAL_MACHINE, u"init", u"Launch51", u"\\Program Files\\Pack\\reboot.exe");
    EXPECT_EQ(RegisterRestartProgram(u"\\Program Files\\Pack"), 51u);
    EXPECT_EQ(EntriesOf(u"\\Program Files\\Pack\\reboot.exe"), std::vector<std::u16string>{u"Launch51"});
    EXPECT_EQ(Binary(HKEY_LOCAL_MACHINE, u"init", u"Depend51"), kRestartDependency);

    // The boot program's dependency deleted, its entry not yet: the entry is
    // still found by what it names.
    ASSERT_TRUE(RegisterBootProgram());
    DeleteAnyValue(HKEY_LOCAL_MACHINE, u"init", u"Depend52");
    UnregisterBootProgram();
    EXPECT_TRUE(EntriesOf(u"bootsip.exe").empty());
    EXPECT_EQ(InitString(u"Launch52"), std::nullopt);
}

TEST_F(BootLaunchTest, TheFirstPassIsReadOnceAndLeavesNothingBehind)
{
    device::ClearRegistryCalls();
    EXPECT_EQ(TakeFirstPass(), 0u);
    for (const device::RegistryCall& call : device::RegistryCalls()) {
        EXPECT_NE(call.function, "RegSetValueExW") << "nothing is written without a first pass";
        EXPECT_NE(call.function, "RegDeleteValueW") << "nothing is deleted without a first pass";
    }

    EXPECT_TRUE(WriteFirstPass(51));
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"FirstPass"), 51u);
    EXPECT_EQ(TakeFirstPass(), 51u);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, kTestProductKey, u"FirstPass"), std::nullopt);
    EXPECT_EQ(TakeFirstPass(), 0u);
}

TEST_F(BootLaunchTest, ALaunchListThatCannotBeReadEndsTheWalkInsteadOfHanging)
{
    device::FailRegistryCall("RegEnumValueW", u"HKLM\\init", u"", ERROR_REGISTRY_CORRUPT);
    EXPECT_TRUE(RegisterBootProgram());
    EXPECT_EQ(InitString(u"Launch2"), u"bootsip.exe") << "an unreadable list is taken as empty";
    EXPECT_EQ(RegisterRestartProgram(u"\\Program Files\\Pack"), 0u);
    EXPECT_EQ(InitString(u"Launch00"), std::nullopt) << "0 stands for no entry; none may be written under it";
}
