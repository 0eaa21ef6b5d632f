// Every entry of \Windows that installing and removing a package touches,
// taken from the device's file call log, is made missing, then read-only,
// on a fresh device, and the package is installed and removed again: the
// installation must finish or stop with its message, no fault may be left,
// and the device must end as it was, the faulted entry included, but for
// what the table below names with its reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <device/device.h>
#include <device/faults.h>
#include <device/file_calls.h>
#include <device/message_boxes.h>
#include <device/text.h>
#include <windows.h>

#include "device_snapshot.h"
#include "factory_image.h"
#include "install_remove_journey.h"
#include "named_differences.h"
#include "removal_leftovers.h"
#include "touched_windows_paths.h"
#include "windows_file_fault.h"

namespace fs = std::filesystem;

namespace {

// The sanitizer build, many times slower, tries every STRIDE-th entry.
#ifndef WINDOWS_FILE_FAULT_STRIDE
#define WINDOWS_FILE_FAULT_STRIDE 1
#endif

// An entry the clean journey touched, as a fresh device has it.
struct FreshEntry {
    EntryKind kind;    // as the journey uses it
    DWORD attributes;  // INVALID_FILE_ATTRIBUTES: there is none
};

using FreshEntries = std::map<std::u16string, FreshEntry, NoCase>;

// One run: the package, the entry and its fault.
struct FaultCase {
    std::string package;
    std::u16string path;
    WindowsFileFault fault;
};

class WindowsFileFaultsTest : public ::testing::TestWithParam<const char*> {
protected:
    // In memory where the host has a memory file system: every run commits
    // its registry durably.
    static void SetUpTestSuite()
    {
        std::error_code error;
        fs::path parent = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (parent / "lexovia-winfiles-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        Parsed<DeviceSnapshot> factory = MakeFactoryImage((root_ / "factory").string());
        ASSERT_TRUE(factory) << factory.error();
        factory_ = *factory;
    }

    static void TearDownTestSuite()
    {
        device::Close();
        std::error_code error;
        fs::remove_all(root_, error);
    }

    void TearDown() override { device::Close(); }

    std::string Package() const { return std::string(LEXOVIA_PACKAGE_FOLDER) + "/" + GetParam(); }

    // A fresh device, from a copy of the factory image.
    static void OpenFreshCopy()
    {
        std::error_code error;
        device::Close();
        fs::remove_all(root_ / "image", error);
        fs::copy(root_ / "factory", root_ / "image", fs::copy_options::recursive, error);
        ASSERT_FALSE(error) << error.message();
        ASSERT_TRUE(device::OpenImage((root_ / "image").string()));
    }

    // The paths the clean journey touches, each with its attributes on a
    // fresh device; the journey itself must leave the device as it found it.
    FreshEntries CleanJourney()
    {
        OpenFreshCopy();
        JourneyEnd end = InstallAndRemove(Package());
        EXPECT_EQ(end.install.result, device::InstallOutcome::Result::Installed);
        EXPECT_FALSE(end.stillInstalled);
        EXPECT_EQ(device::TakeFaults(), std::vector<std::string>());
        TouchedPaths touched = TouchedWindowsPaths(device::FileCalls());
        Parsed<DeviceSnapshot> after = TakeDeviceSnapshot();
        EXPECT_TRUE(after) << after.error();
        if (after) {
            EXPECT_EQ(UnexpectedChanges(factory_, *after), std::vector<std::string>());
        }
        OpenFreshCopy();
        FreshEntries entries;
        for (const auto& [path, kind] : touched) entries[path] = {kind, GetFileAttributesW(path.c_str())};
        return entries;
    }

    static std::vector<std::string> UnexpectedChanges(const DeviceSnapshot& before, const DeviceSnapshot& after)
    {
        std::vector<std::string> changes;
        for (const std::string& line : DescribeChanges(before, after))
            if (!LegitimatelyLeft(line)) changes.push_back(line);
        return changes;
    }

    // Runs CASE: what went wrong, nothing when all is well.
    std::vector<std::string> Run(const FaultCase& run, EntryKind kind)
    {
        OpenFreshCopy();
        if (!ApplyFault(run.fault, run.path, kind)) return {"the fault could not be set up"};
        Parsed<DeviceSnapshot> before = TakeDeviceSnapshot();
        if (!before) return {before.error()};
        JourneyEnd end = InstallAndRemove(Package());
        std::vector<std::string> problems;
        for (const std::string& fault : device::TakeFaults()) problems.push_back("device fault: " + fault);
        if (!EndedClearly(end.install)) problems.push_back("the installation stopped without a word");
        if (end.stillInstalled) problems.push_back("still installed after the removal");
        ++(end.install.result == device::InstallOutcome::Result::Installed ? tally_.finished : tally_.stopped);
        Parsed<DeviceSnapshot> after = TakeDeviceSnapshot();
        if (!after) return {after.error()};
        std::set<const NamedDifference*> reasons;
        for (const std::string& change : UnexpectedChanges(*before, *after)) {
            if (const NamedDifference* named = FindNamedDifference(run.package, run.path, run.fault, change, factory_))
                reasons.insert(named);
            else
                problems.push_back(change);
        }
        if (problems.empty()) ++(reasons.empty() ? tally_.restored : tally_.named);
        for (const NamedDifference* named : reasons) ++tally_.reasons[named];
        if (!problems.empty()) problems.insert(problems.begin(), Describe(end));
        return problems;
    }

    // An installation that did not finish must have said why.
    static bool EndedClearly(const device::InstallOutcome& install)
    {
        using Result = device::InstallOutcome::Result;
        if (install.result == Result::Installed) return true;
        if (install.result == Result::Refused) return !install.message.empty();
        return !device::MessageBoxLog().empty();
    }

    static std::string Describe(const JourneyEnd& end)
    {
        std::string text = "install: " + device::DescribeInstallOutcome(end.install);
        for (const device::RemovalOutcome& removal : end.removals)
            text += "; remove: " + device::DescribeRemovalOutcome(removal);
        for (const device::MessageBoxRecord& box : device::MessageBoxLog())
            text += "; box \"" + device::Utf8(box.text) + "\"";
        return text;
    }

    struct Tally {
        int tried = 0;
        std::map<std::string, int> notApplicable;  // by reason
        int finished = 0;
        int stopped = 0;  // with its message
        int restored = 0;
        int named = 0;
        std::map<const NamedDifference*, int> reasons;
    };

    void Report(size_t paths) const
    {
        std::cout << GetParam() << ": " << paths << " entries of \\Windows touched; " << tally_.tried
                  << " faults tried: the installation finished " << tally_.finished << " times and stopped with "
                  << "its message " << tally_.stopped << " times; " << tally_.restored << " ended exactly as before, "
                  << tally_.named << " with the named differences\n";
        for (const auto& [reason, count] : tally_.notApplicable)
            std::cout << "  " << count << " not tried: " << reason << "\n";
        for (const auto& [named, count] : tally_.reasons) std::cout << "  " << count << " runs: " << named->why << "\n";
    }

    static fs::path root_;
    static DeviceSnapshot factory_;
    Tally tally_;
};

fs::path WindowsFileFaultsTest::root_;
DeviceSnapshot WindowsFileFaultsTest::factory_;

}  // namespace

TEST_P(WindowsFileFaultsTest, EachEntryOfWindowsTheJourneyTouchesMissingOrReadOnly)
{
    FreshEntries paths = CleanJourney();
    ASSERT_FALSE(paths.empty());
    std::vector<std::string> problems;
    size_t index = 0;
    for (const auto& [path, entry] : paths) {
        if (index++ % WINDOWS_FILE_FAULT_STRIDE != 0) continue;
        for (WindowsFileFault fault : {WindowsFileFault::Missing, WindowsFileFault::ReadOnly}) {
            if (std::optional<std::string> why = WhyNotApplicable(fault, entry.attributes)) {
                ++tally_.notApplicable[*why];
                continue;
            }
            ++tally_.tried;
            std::vector<std::string> found = Run({GetParam(), path, fault}, entry.kind);
            if (!found.empty())
                problems.push_back(device::Utf8(path) + " " + FaultName(fault) + ": " +
                                   ::testing::PrintToString(found));
        }
    }
    Report(paths.size());
    EXPECT_TRUE(problems.empty()) << ::testing::PrintToString(problems);
}

INSTANTIATE_TEST_SUITE_P(Packages, WindowsFileFaultsTest, ::testing::Values("russian", "hebrew"));
