// A library for the loader's tests: it records what it sees of its own
// loading and unloading, and refuses to attach when placed as refuse.dll.
#include "testlib.h"

namespace {

bool staticsBuilt = false;

struct StaticProbe {
    StaticProbe() { staticsBuilt = true; }
} probe;

TestLibraryReport report{};
int* detachCounter = nullptr;

bool PlacedAsRefuse(HINSTANCE instance)
{
    WCHAR path[MAX_PATH];
    GetModuleFileNameW(instance, path, MAX_PATH);
    return _wcsicmp(path, TEXT("\\Windows\\refuse.dll")) == 0;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_DETACH && detachCounter) ++*detachCounter;
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    ++report.attaches;
    report.staticsBuiltBeforeAttach = staticsBuilt;
    report.instanceAtAttach = instance;
    WCHAR hello[16];
    report.helloLengthAtAttach = LoadStringW(instance, IDS_HELLO, hello, 16);
    return !PlacedAsRefuse(instance);
}

extern "C" void TestLibrary_Report(TestLibraryReport* out) { *out = report; }

extern "C" void TestLibrary_WatchDetach(int* counter) { detachCounter = counter; }
