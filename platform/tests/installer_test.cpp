#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include <device/boot.h>
#include <device/installer.h>
#include <device/libraries.h>
#include <device/registry_dump.h>
#include <device/registry_failures.h>
#include <device/text.h>
#include <windows.h>

#include "device_files.h"
#include "fresh_device.h"
#include "setuphooks.h"
#include "testlib.h"

namespace fs = std::filesystem;

using device::InstallOutcome;
using device::RemovalOutcome;

namespace {

const char kManifest[] =
    "application \"Tarvex Test\"\n"
    "directory \"\\\\Program Files\\\\Test\"\n"
    "setup \"hooks.dll\"\n"
    "file \"server.dll\" \"\\\\Windows\\\\server.dll\" self-register\n"
    "file \"readme.txt\" \"%InstallDir%\\\\Docs\\\\readme.txt\"\n"
    "file \"reboot.exe\" \"%InstallDir%\\\\reboot.exe\"\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Tarvex\\Test]\n"
    "\"Language\"=dword:00000419\n"
    "[HKEY_LOCAL_MACHINE\\nls]\n"
    "\"DefaultLCID\"=dword:00000419\n";

const WCHAR kApplication[] = u"Tarvex Test";

// The device's registry and file tree, less the hooks' own notes.
std::string DeviceState()
{
    std::string state;
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        std::string dump = device::DumpRegistry(root, u"");
        std::string kept;
        bool hooksKey = false;
        for (size_t start = 0; start < dump.size();) {
            size_t end = dump.find('\n', start);
            std::string line = dump.substr(start, end - start);
            start = end == std::string::npos ? dump.size() : end + 1;
            if (line.starts_with("[")) hooksKey = line.starts_with("[HKCU\\SetupHooks");
            if (!hooksKey) kept += line + "\n";
        }
        state += kept;
    }
    std::function<void(const std::u16string&)> list = [&](const std::u16string& folder) {
        for (const std::u16string& name : device_files::List(folder + u"\\*")) {
            std::u16string path = folder + u"\\" + name;
            state += device::Utf8(path) + " " + std::to_string(GetFileAttributesW(path.c_str())) + "\n";
            if (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) list(path);
        }
    };
    list(u"");
    return state;
}

}  // namespace

class InstallerTest : public FreshDevice {
protected:
    void SetUp() override
    {
        FreshDevice::SetUp();
        char folder[] = "/tmp/lexovia-package-XXXXXX";
        ASSERT_TRUE(mkdtemp(folder));
        package_ = folder;
        WritePackage(kManifest);
        before_ = DeviceState();
    }

    void TearDown() override
    {
        fs::remove_all(package_);
        FreshDevice::TearDown();
    }

    void WritePackage(const std::string& manifest)
    {
        std::ofstream(package_ / "manifest.txt") << manifest;
        fs::copy_file(SETUP_HOOKS_LIBRARY, package_ / "hooks.dll", fs::copy_options::overwrite_existing);
        fs::copy_file(SETUP_HOOKS_LIBRARY, package_ / "server.dll", fs::copy_options::overwrite_existing);
        std::ofstream(package_ / "readme.txt") << "read me";
        std::ofstream(package_ / "reboot.exe") << "restart program";
    }

    static void Answer(const WCHAR* hook, DWORD answer)
    {
        HKEY key = nullptr;
        DWORD disposition = 0;
        RegCreateKeyExW(HKEY_CURRENT_USER, kHooksKey, 0, nullptr, 0, 0, nullptr, &key, &disposition);
        RegSetValueExW(key, hook, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&answer), sizeof answer);
        RegCloseKey(key);
    }

    static std::vector<std::string> HookCalls()
    {
        HKEY key = nullptr;
        std::u16string text(4096, u'\0');
        DWORD size = static_cast<DWORD>(text.size() * sizeof(char16_t)), type = 0;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kHooksKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
        LONG status = RegQueryValueExW(key, u"Calls", nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
        RegCloseKey(key);
        std::vector<std::string> calls;
        std::string all = status == ERROR_SUCCESS ? device::Utf8(text.substr(0, text.find(u'\0'))) : "";
        for (size_t at = 0, end; (end = all.find('\n', at)) != std::string::npos; at = end + 1)
            calls.push_back(all.substr(at, end - at));
        return calls;
    }

    InstallOutcome Install() { return device::InstallPackage(package_.string()); }

    fs::path package_;
    std::string before_;
};


TEST_F(InstallerTest, InstallsAndRemovesLeavingTheDeviceAsItWas)
{
    HKEY nls = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"nls", 0, KEY_READ, &nls), ERROR_SUCCESS);
    RegCloseKey(nls);

    InstallOutcome installed = Install();
    ASSERT_EQ(installed.result, InstallOutcome::Result::Installed) << installed.message;
    EXPECT_EQ(device::DescribeInstallOutcome(installed), "installed");
    EXPECT_EQ(installed.application, kApplication);
    EXPECT_EQ(device_files::Read(u"\\Program Files\\Test\\Docs\\readme.txt"), "read me");
    EXPECT_EQ(device::DumpRegistry(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Test"),
              "[HKCU\\Software\\Tarvex\\Test]\nLanguage = dword:0x00000419\n");
    EXPECT_NE(device::DumpRegistry(HKEY_CURRENT_USER, kHooksKey).find("Registered = dword:0x00000001"),
              std::string::npos) << "the server registered itself";
    EXPECT_EQ(device::InstalledApplications(), std::vector<std::u16string>{kApplication});
    std::string listed = device::DumpRegistry(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Apps\\Tarvex Test");
    EXPECT_NE(listed.find("Instl = dword:0x00000001\n"), std::string::npos) << listed;
    EXPECT_NE(listed.find("InstlDir = \"\\\\Program Files\\\\Test\"\n"), std::string::npos) << listed;
    EXPECT_EQ(GetFileAttributesW(u"\\Windows\\AppMgr\\Tarvex Test.dll"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));

    RemovalOutcome removed = device::RemovePackage(kApplication);
    EXPECT_EQ(device::DescribeRemovalOutcome(removed), "removed");
    EXPECT_EQ(HookCalls(), (std::vector<std::string>{
                               "Install_Init [Tarvex Test] 1 0 \\Program Files\\Test",
                               "Install_Exit [Tarvex Test] \\Program Files\\Test 0 0 0 0 0",
                               "Uninstall_Init [Tarvex Test] \\Program Files\\Test",
                               "Uninstall_Exit [Tarvex Test]",
                           }));
    EXPECT_NE(device::DumpRegistry(HKEY_CURRENT_USER, kHooksKey).find("Registered = dword:0x00000000"),
              std::string::npos) << "the server unregistered itself";
    EXPECT_EQ(DeviceState(), before_) << "the previous DefaultLCID is back, and nothing placed is left";
    EXPECT_TRUE(device::InstalledApplications().empty());
    EXPECT_EQ(device::RemovePackage(kApplication).result, RemovalOutcome::Result::NotInstalled);
}

// What a power loss before "Instl" leaves: a record of what was being placed.
TEST_F(InstallerTest, AnInstallationStoppedPartWayIsUndoneByTheNextRemovalOrInstallation)
{
    for (bool reinstall : {false, true}) {
        ASSERT_EQ(Install().result, InstallOutcome::Result::Installed);
        HKEY app = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Apps\\Tarvex Test", 0, 0, &app), ERROR_SUCCESS);
        RegDeleteValueW(app, u"Instl");
        RegCloseKey(app);
        EXPECT_TRUE(device::InstalledApplications().empty());
        if (reinstall) {
            RegDeleteKeyW(HKEY_CURRENT_USER, kHooksKey);
            EXPECT_EQ(Install().result, InstallOutcome::Result::Installed);
            EXPECT_EQ(HookCalls().size(), 2u) << "a clean installation, hooks and all";
            EXPECT_EQ(device::RemovePackage(kApplication).result, RemovalOutcome::Result::Removed);
        } else {
            RegDeleteKeyW(HKEY_CURRENT_USER, kHooksKey);
            EXPECT_EQ(device::RemovePackage(kApplication).result, RemovalOutcome::Result::Removed);
            EXPECT_TRUE(HookCalls().empty()) << "the hooks never heard of an installation that did not finish";
        }
        EXPECT_EQ(DeviceState(), before_) << reinstall;
    }
}

TEST_F(InstallerTest, AMalformedPackageIsRefusedBeforeAnythingIsPlaced)
{
    const std::string header = "application \"Tarvex Test\"\ndirectory \"\\\\Program Files\\\\Test\"\n";
    struct Case {
        std::string manifest;
        std::string message;
    } cases[] = {
        {header + "setup \"hooks.dll\"\nfile \"readme.txt\" \"\\\\Windows\\\\..\\\\x.txt\"\n",
         "manifest.txt line 4: the destination is not a file in the device's folders: \\Windows\\..\\x.txt"},
        {header + "setup \"hooks.dll\"\nfile \"readme.txt\" \"Windows\\\\x.txt\"\n",
         "manifest.txt line 4: the destination is not a file in the device's folders: Windows\\x.txt"},
        {header + "setup \"hooks.dll\"\nfile \"readme.txt\" \"%InstallDir%\\\\\"\n",
         "manifest.txt line 4: the destination is not a file in the device's folders: %InstallDir%\\"},
        {header + "setup \"hooks.dll\"\nfile \"readme.txt\" \"\\\\\"\n",
         "manifest.txt line 4: the destination is not a file in the device's folders: \\"},
        {header + "setup \"hooks.dll\"\nfile \"../manifest.txt\" \"\\\\x.txt\"\n",
         "manifest.txt line 4: the source is not a plain file name: ../manifest.txt"},
        {header + "setup \"hooks.dll\"\nfile \"missing.txt\" \"\\\\x.txt\"\n",
         "manifest.txt line 4: the package holds no file missing.txt"},
        {header + "setup \"hooks.dll\"\nfile \"readme.txt\" \"\\\\x.txt\"\nfile \"reboot.exe\" \"\\\\X.TXT\"\n",
         "manifest.txt line 5: a second file for \\X.TXT"},
        {header + "setup \"hooks.dll\"\nsetup \"hooks.dll\"\n", "manifest.txt line 4: setup is given twice"},
        {header + "setup \"missing.dll\"\n", "the package holds no setup library missing.dll"},
        {header, "manifest.txt: no setup line"},
        {header + "setup \"hooks.dll\"\n\"Orphan\"=dword:1\n", "manifest.txt line 4: a registry value before any key"},
        {header + "setup \"hooks.dll\"\n[HKEY_NOWHERE\\x]\n", "manifest.txt line 4: not a registry key: [HKEY_NOWHERE\\x]"},
        {header + "setup \"hooks.dll\"\nfolder \"\\\\x\"\n", "manifest.txt line 4: not a line of the manifest: folder \"\\\\x\""},
        {"application \"Tarvex Test\"\ndirectory \"Program Files\"\nsetup \"hooks.dll\"\n",
         "manifest.txt: the directory is not a folder of the device: Program Files"},
    };
    for (const Case& c : cases) {
        WritePackage(c.manifest);
        InstallOutcome outcome = Install();
        EXPECT_EQ(outcome.result, InstallOutcome::Result::Refused) << c.manifest;
        EXPECT_EQ(outcome.message, c.message) << c.manifest;
        EXPECT_EQ(DeviceState(), before_) << c.manifest;
    }
    EXPECT_TRUE(HookCalls().empty());
    fs::remove(package_ / "manifest.txt");
    EXPECT_EQ(device::DescribeInstallOutcome(Install()),
              "refused: " + (package_ / "manifest.txt").string() + " cannot be read");
}

TEST_F(InstallerTest, ASetupLibraryWithoutTheHooksIsRefused)
{
    fs::copy_file(TEST_LIBRARY, package_ / "hooks.dll", fs::copy_options::overwrite_existing);
    InstallOutcome outcome = Install();
    EXPECT_EQ(outcome.result, InstallOutcome::Result::Refused);
    EXPECT_EQ(outcome.message, "the setup library \\Windows\\AppMgr\\Tarvex Test.dll has no Install_Init");
    EXPECT_EQ(DeviceState(), before_);
}

TEST_F(InstallerTest, EachKindOfFailureIsCountedAndTheRestPlaced)
{
    WritePackage(std::string(kManifest) +
                 "file \"readme.txt\" \"\\\\Temp\\\\taken.txt\"\n"
                 "file \"readme.txt\" \"\\\\Temp\\\\blocker\\\\x.txt\"\n"
                 "file \"notserver.dll\" \"\\\\Windows\\\\notserver.dll\" self-register\n"
                 "[HKEY_CURRENT_USER\\SOFTWARE\\Refused]\n"
                 "\"A\"=dword:1\n\"B\"=dword:2\n");
    fs::copy_file(TEST_LIBRARY, package_ / "notserver.dll");
    ASSERT_TRUE(device_files::Write(u"\\Temp\\taken.txt", "the user's"));
    ASSERT_TRUE(device_files::Write(u"\\Temp\\blocker", "a file where a folder would go"));
    device::FailRegistryCall("RegCreateKeyExW", u"HKCU", u"SOFTWARE\\Refused", ERROR_ACCESS_DENIED);
    device::FailRegistryCall("RegSetValueExW", u"HKLM\\nls", u"DefaultLCID", ERROR_ACCESS_DENIED);

    InstallOutcome outcome = Install();
    EXPECT_EQ(device::DescribeInstallOutcome(outcome),
              "installed (failed directories 1, failed files 3, failed registry keys 1, failed registry values 3)");
    EXPECT_EQ(HookCalls().at(1), "Install_Exit [Tarvex Test] \\Program Files\\Test 1 3 1 3 0");
    EXPECT_EQ(device_files::Read(u"\\Temp\\taken.txt"), "the user's") << "an existing file is not replaced";
    EXPECT_EQ(device_files::Read(u"\\Program Files\\Test\\Docs\\readme.txt"), "read me");

    EXPECT_EQ(device::RemovePackage(kApplication).result, RemovalOutcome::Result::Removed);
    EXPECT_EQ(device_files::Read(u"\\Temp\\taken.txt"), "the user's") << "what was not placed is not removed";
    EXPECT_EQ(GetFileAttributesW(u"\\Windows\\notserver.dll"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallerTest, TheHooksCanCancelOrRollBackAnInstallation)
{
    struct Case {
        const WCHAR* hook;
        InstallOutcome::Result result;
        size_t calls;
    } cases[] = {
        {u"Install_Init", InstallOutcome::Result::Cancelled, 1},
        {u"Install_Exit", InstallOutcome::Result::RolledBack, 2},
    };
    for (const Case& c : cases) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kHooksKey);
        Answer(c.hook, 1);
        EXPECT_EQ(Install().result, c.result) << device::Utf8(c.hook);
        EXPECT_EQ(HookCalls().size(), c.calls) << device::Utf8(c.hook);
        EXPECT_EQ(DeviceState(), before_) << device::Utf8(c.hook);
    }
}

TEST_F(InstallerTest, AnInstallationOverAnInstalledOneIsToldSoAndCancellingItKeepsTheFirst)
{
    ASSERT_EQ(Install().result, InstallOutcome::Result::Installed);
    Answer(u"Install_Init", 1);
    EXPECT_EQ(Install().result, InstallOutcome::Result::Cancelled);
    EXPECT_EQ(HookCalls().at(2), "Install_Init [Tarvex Test] 1 1 \\Program Files\\Test");
    Answer(u"Install_Init", 0);
    EXPECT_EQ(device::RemovePackage(kApplication).result, RemovalOutcome::Result::Removed)
        << "the first installation's setup library is still there";
    EXPECT_EQ(DeviceState(), before_);
}

TEST_F(InstallerTest, ARemovalTheHooksCancelLeavesThePackageInstalled)
{
    ASSERT_EQ(Install().result, InstallOutcome::Result::Installed);
    std::string installed = DeviceState();
    Answer(u"Uninstall_Init", 1);
    EXPECT_EQ(device::DescribeRemovalOutcome(device::RemovePackage(kApplication)), "cancelled");
    EXPECT_EQ(DeviceState(), installed);
    EXPECT_EQ(device::InstalledApplications(), std::vector<std::u16string>{kApplication});
}

TEST_F(InstallerTest, ARemovalWaitingForARestartResumesAfterIt)
{
    ASSERT_EQ(Install().result, InstallOutcome::Result::Installed);
    Answer(u"Uninstall_Init", kRestartFirst);
    HKEY init = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, nullptr, 0, 0, nullptr, &init, &disposition),
              ERROR_SUCCESS);
    const WCHAR restartProgram[] = u"\\Program Files\\Test\\reboot.exe";
    RegSetValueExW(init, u"Launch52", 0, REG_SZ, reinterpret_cast<const BYTE*>(restartProgram), sizeof restartProgram);
    RegCloseKey(init);

    EXPECT_EQ(device::DescribeRemovalOutcome(device::RemovePackage(kApplication)), "awaiting restart");
    EXPECT_EQ(device::InstalledApplications(), std::vector<std::u16string>{kApplication});
    EXPECT_FALSE(device::LastResumedRemoval());

    device::Restart();
    ASSERT_TRUE(device::LastResumedRemoval());
    EXPECT_EQ(device::LastResumedRemoval()->result, RemovalOutcome::Result::Removed);
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"init", 0, KEY_ALL_ACCESS, &init), ERROR_SUCCESS);
    RegDeleteValueW(init, u"Launch52");
    RegCloseKey(init);
    EXPECT_EQ(DeviceState(), before_);

    device::Restart();
    EXPECT_FALSE(device::LastResumedRemoval()) << "a later boot resumed nothing";
}
