// The registry's cost per call, on an in-memory device and on a device image
// on disk, against a baseline of a plain in-process map lookup.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <device/device.h>
#include <device/faults.h>
#include <windows.h>

namespace {

enum Storage { kInMemory = 0, kOnDisk = 1 };

// A fresh device for one benchmark, with its image folder when on disk.
class BenchDevice {
public:
    explicit BenchDevice(int64_t storage)
    {
        if (storage == kOnDisk) {
            char pattern[] = "/tmp/lexovia-registry-bench-XXXXXX";
            if (mkdtemp(pattern)) folder_ = pattern;
        }
        opened_ = folder_.empty() ? device::CreateFresh() : device::CreateImage(folder_ + "/image");
        device::TakeFaults();  // the file tree's factory state is none of this benchmark's business
    }

    ~BenchDevice()
    {
        device::Close();
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }

    bool Opened() const { return opened_; }

private:
    std::string folder_;
    bool opened_ = false;
};

HKEY CreateKey(LPCWSTR path)
{
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, 0, nullptr, &key, nullptr);
    return key;
}

void BM_Baseline_MapLookup(benchmark::State& state)
{
    std::map<std::u16string, DWORD> values;
    for (int i = 0; i < 16; ++i) values[u"Value" + std::u16string(1, static_cast<char16_t>(u'a' + i))] = i;
    const std::u16string name = u"Valuek";
    for (auto _ : state) benchmark::DoNotOptimize(values.find(name)->second);
}
BENCHMARK(BM_Baseline_MapLookup);

void BM_ReadValueOnOpenKey(benchmark::State& state)
{
    BenchDevice device(state.range(0));
    HKEY key = nullptr;
    if (!device.Opened() || RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"nls", 0, 0, &key) != ERROR_SUCCESS)
        return state.SkipWithError("no device");
    for (auto _ : state) {
        DWORD value = 0, size = sizeof value;
        RegQueryValueExW(key, u"DefaultLCID", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
        benchmark::DoNotOptimize(value);
    }
    RegCloseKey(key);
}
BENCHMARK(BM_ReadValueOnOpenKey)->ArgName("on_disk")->Arg(kInMemory)->Arg(kOnDisk);

void BM_WriteAndFlush(benchmark::State& state)
{
    BenchDevice device(state.range(0));
    HKEY key = CreateKey(u"Software\\Tarvex\\Lexovia");
    if (!device.Opened() || !key) return state.SkipWithError("no device");
    DWORD value = 0;
    for (auto _ : state) {
        ++value;
        RegSetValueExW(key, u"KbdRepeatDelay", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegFlushKey(key);
    }
    RegCloseKey(key);
}
BENCHMARK(BM_WriteAndFlush)->ArgName("on_disk")->Arg(kInMemory)->Arg(kOnDisk);

void BM_EnumerateThousandValues(benchmark::State& state)
{
    BenchDevice device(state.range(0));
    HKEY key = CreateKey(u"Software\\Tarvex\\Many");
    if (!device.Opened() || !key) return state.SkipWithError("no device");
    for (DWORD i = 0; i < 1000; ++i) {
        std::u16string name = u"Value" + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)) +
                              std::u16string(1, static_cast<char16_t>(u'0' + i / 10 % 10)) +
                              std::u16string(1, static_cast<char16_t>(u'0' + i / 100));
        RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&i), sizeof i);
    }
    for (auto _ : state) {
        DWORD index = 0;
        for (;; ++index) {
            WCHAR name[32];
            BYTE data[16];
            DWORD length = 32, size = sizeof data, type = 0;
            if (RegEnumValueW(key, index, name, &length, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        }
        if (index != 1000) return state.SkipWithError("walk ended early");
    }
    RegCloseKey(key);
}
BENCHMARK(BM_EnumerateThousandValues)->ArgName("on_disk")->Arg(kInMemory)->Arg(kOnDisk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
