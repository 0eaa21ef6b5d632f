// Creating many files in one folder, as unpacking and tree copies do: the
// time per file should not grow with the folder. Baseline: the same files
// created directly on the host.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <device/device.h>
#include <device/faults.h>
#include <windows.h>

namespace {

std::u16string FileName(int i) { return u"File" + std::u16string(1, u'A' + i % 26) + std::u16string(1, u'0' + i / 26 % 10) + u"_" + std::u16string(1, u'a' + i / 260 % 26) + std::u16string(1, u'a' + i / 6760 % 26) + u".mui"; }

void BM_Baseline_HostCreate(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "lexovia-files-bench-baseline";
    int round = 0;
    for (auto _ : state) {
        std::filesystem::path here = folder / std::to_string(round++);
        std::filesystem::create_directories(here);
        for (int i = 0; i < count; ++i) std::ofstream(here / std::to_string(i));
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_Baseline_HostCreate)->Arg(500)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_CreateFilesInOneFolder(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    if (!device::CreateFresh()) state.SkipWithError("no device");
    device::TakeFaults();
    int round = 0;
    for (auto _ : state) {
        std::u16string folder = u"\\Temp\\bulk" + std::u16string(1, u'a' + round++ % 26);
        CreateDirectoryW(folder.c_str(), nullptr);
        for (int i = 0; i < count; ++i) {
            std::u16string path = folder + u"\\" + FileName(i);
            HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE) state.SkipWithError("a file could not be created");
            CloseHandle(file);
        }
    }
    device::Close();
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CreateFilesInOneFolder)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
