#include <gtest/gtest.h>
#include <windows.h>

#include "module_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// The handle the platform loads the library with is the one its resources
// are found through; the calls after the load leave it, and none fails.
TEST(ModuleHandle, IsKeptFromTheLoad)
{
    TheModuleState() = ModuleState{};
    HINSTANCE loaded = reinterpret_cast<HINSTANCE>(0x10000000);
    HINSTANCE other = reinterpret_cast<HINSTANCE>(0x20000000);
    EXPECT_TRUE(DllMain(loaded, DLL_PROCESS_ATTACH, nullptr));
    for (DWORD reason : {DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH})
        EXPECT_TRUE(DllMain(other, reason, nullptr)) << "reason " << reason;
    EXPECT_EQ(TheModuleState().moduleInstance, loaded);
}
