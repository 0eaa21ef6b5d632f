// Unpacking about 20 MB of interface-file containers (4 containers of 40
// files of 128 KB) into \Windows, as the installation does, against two
// baselines of the same run that move the same bytes with the platform's own
// file calls: copying the containers as they are, and copying the 160 files
// they hold as plain files. Every round writes new names, so no round pays
// for truncating or deleting what an earlier one wrote.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include <device/device.h>
#include <device/device_files.h>
#include <device/faults.h>
#include <device/libraries.h>
#include <device/text.h>
#include <windows.h>

#include "container_format.h"
#include "interface_files.h"
#include "module_state.h"

namespace {

constexpr int kContainers = 4;
constexpr int kFilesEach = 40;
constexpr size_t kFileSize = 128 * 1024;

const std::u16string kInstall = u"\\Program Files\\Lexovia";
const std::u16string kPlain = u"\\Program Files\\Plain";

struct InterfaceFile {
    std::string name;
    std::string data;
};

// The data varies so that no block is all zero.
std::vector<InterfaceFile> Files(int container, const std::string& prefix)
{
    std::vector<InterfaceFile> files;
    for (int f = 0; f < kFilesEach; ++f) {
        std::string data(kFileSize, '\0');
        for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + f + container);
        files.push_back({prefix + std::to_string(container) + "_" + std::to_string(f) + ".0419.mui", data});
    }
    return files;
}

std::u16string ContainerPath(int index) { return kInstall + u"\\mui_" + std::u16string(1, u'1' + index) + u".bin"; }

// The containers of one round; their total size.
int64_t PlaceContainers(int round)
{
    int64_t total = 0;
    for (int c = 0; c < kContainers; ++c) {
        std::string container;
        for (const InterfaceFile& file : Files(c, "r" + std::to_string(round) + "_"))
            container += mui_container::EntryBytes(file.name, file.data);
        if (device::WriteDeviceFile(ContainerPath(c), container) != ERROR_SUCCESS) return -1;
        total += static_cast<int64_t>(container.size());
    }
    return total;
}

// The same files unpacked beforehand, as a package without containers would carry them.
std::vector<std::u16string> PlacePlainFiles()
{
    std::vector<std::u16string> names;
    for (int c = 0; c < kContainers; ++c)
        for (const InterfaceFile& file : Files(c, "")) {
            names.push_back(device::Utf16(file.name));
            device::WriteDeviceFile(kPlain + u"\\" + names.back(), file.data);
        }
    return names;
}

bool CopyThroughPlatform(const std::u16string& from, const std::u16string& to)
{
    static BYTE buffer[0x10000];
    HANDLE source = CreateFileW(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE target = CreateFileW(to.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool copied = source != INVALID_HANDLE_VALUE && target != INVALID_HANDLE_VALUE;
    DWORD read = 0;
    while (copied && ReadFile(source, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        DWORD written = 0;
        copied = WriteFile(target, buffer, read, &written, nullptr) && written == read;
    }
    if (source != INVALID_HANDLE_VALUE) CloseHandle(source);
    if (target != INVALID_HANDLE_VALUE) CloseHandle(target);
    return copied;
}

std::u16string RoundName(int round, const std::u16string& name) { return u"r" + device::Utf16(std::to_string(round)) + u"_" + name; }

void BM_Baseline_CopyContainers(benchmark::State& state)
{
    int64_t total = -1;
    if (!device::CreateFresh() || (total = PlaceContainers(0)) < 0) state.SkipWithError("no device");
    int round = 0;
    for (auto _ : state) {
        for (int c = 0; c < kContainers; ++c)
            if (!CopyThroughPlatform(ContainerPath(c), u"\\Temp\\" + RoundName(round, u"mui.bin") + std::u16string(1, u'1' + c)))
                state.SkipWithError("a copy failed");
        ++round;
    }
    device::Close();
    state.SetBytesProcessed(state.iterations() * total);
}
BENCHMARK(BM_Baseline_CopyContainers)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Baseline_CopyPlainFiles(benchmark::State& state)
{
    if (!device::CreateFresh()) state.SkipWithError("no device");
    const std::vector<std::u16string> names = PlacePlainFiles();
    int round = 0;
    for (auto _ : state) {
        for (const std::u16string& name : names)
            if (!CopyThroughPlatform(kPlain + u"\\" + name, u"\\Windows\\" + RoundName(round, name)))
                state.SkipWithError("a copy failed");
        ++round;
    }
    device::Close();
    state.SetBytesProcessed(state.iterations() * kContainers * kFilesEach * static_cast<int64_t>(kFileSize));
}
BENCHMARK(BM_Baseline_CopyPlainFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_UnpackContainers(benchmark::State& state)
{
    if (!device::CreateFresh() || !device::PlaceLibrary(PKGSETUP_LIBRARY, u"\\Windows\\pkgsetup.dll"))
        state.SkipWithError("no device");
    HMODULE library = LoadLibraryW(u"\\Windows\\pkgsetup.dll");
    TheModuleState().moduleInstance = library;
    int64_t bytes = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        int64_t placed = PlaceContainers(round++);
        if (placed < 0) state.SkipWithError("the containers could not be placed");
        bytes += placed;
        state.ResumeTiming();
        if (!ExtractInterfaceFiles(kInstall.c_str())) state.SkipWithError("the unpacking failed");
    }
    if (!device::TakeFaults().empty()) state.SkipWithError("the unpacking left a device fault");
    FreeLibrary(library);
    device::Close();
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_UnpackContainers)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
