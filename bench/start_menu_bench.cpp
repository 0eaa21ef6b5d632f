// The Start menu's localisation as its folders grow: a copy of the English
// menu, its removal and renaming and the shell's registry paths, against a
// baseline of the copy alone.
#include <benchmark/benchmark.h>

#include <string>

#include <device/device.h>
#include <device/faults.h>
#include <device/libraries.h>
#include <windows.h>

#include "folder_tree.h"
#include "shortcut_name_table.h"
#include "start_menu_localization.h"

namespace {

std::u16string Numbered(const char16_t* name, int64_t number)
{
    std::string digits = std::to_string(number);
    return name + std::u16string(digits.begin(), digits.end());
}

bool MakeFile(const std::u16string& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

// A fresh device whose Programs folder holds COUNT more shortcuts, every
// tenth in a folder of its own under a name the Russian pairs rename, and
// the shell's Russian file.
bool PrepareDevice(int64_t count)
{
    if (!device::CreateFresh()) return false;
    device::TakeFaults();
    if (!device::PlaceLibrary(LANGUAGE_FILES "/shell32.exe.0419.mui.res", u"\\Windows\\shell32.exe.0419.mui"))
        return false;
    const std::u16string programs = u"\\Windows\\Start Menu\\Programs\\";
    for (int64_t i = 0; i < count; ++i) {
        if (i % 10 != 0) {
            if (!MakeFile(programs + Numbered(u"Program", i) + u".lnk")) return false;
            continue;
        }
        std::u16string folder = programs + Numbered(u"Folder", i);
        if (!CreateDirectoryW(folder.c_str(), nullptr) || !MakeFile(folder + u"\\Notes.lnk")) return false;
    }
    return BuildShortcutNameTable(1049);
}

void BM_LocalizeStartMenu(benchmark::State& state)
{
    if (!PrepareDevice(state.range(0))) state.SkipWithError("the device could not be prepared");
    for (auto _ : state) benchmark::DoNotOptimize(LocalizeStartMenu(1049, TRUE, FALSE));
    state.SetComplexityN(state.range(0));
    device::Close();
}
BENCHMARK(BM_LocalizeStartMenu)->Arg(10)->Arg(100)->Arg(1000)->Complexity()->Unit(benchmark::kMillisecond);

// The baseline: the English menu copied once.
void BM_CopyTreeBaseline(benchmark::State& state)
{
    if (!PrepareDevice(state.range(0))) state.SkipWithError("the device could not be prepared");
    for (auto _ : state) benchmark::DoNotOptimize(CopyTree(u"\\Windows\\Start Menu", u"\\Copy", TRUE));
    state.SetComplexityN(state.range(0));
    device::Close();
}
BENCHMARK(BM_CopyTreeBaseline)->Arg(10)->Arg(100)->Arg(1000)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
