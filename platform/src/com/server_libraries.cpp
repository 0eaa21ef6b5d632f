#include "com/server_libraries.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<HMODULE> servers;

bool CanUnload(HMODULE module)
{
    auto canUnloadNow = platform::com::ServerEntryPoint<LPFNCANUNLOADNOW>(module, "DllCanUnloadNow");
    return canUnloadNow && canUnloadNow() == S_OK;
}

}  // namespace

namespace platform::com {

void KeepServerLibrary(HMODULE module)
{
    if (std::find(servers.begin(), servers.end(), module) != servers.end())
        FreeLibrary(module);
    else
        servers.push_back(module);
}

void FreeServerLibraries()
{
    std::vector<HMODULE> loaded;
    loaded.swap(servers);
    for (auto module = loaded.rbegin(); module != loaded.rend(); ++module) FreeLibrary(*module);
}

}  // namespace platform::com

void WINAPI CoFreeUnusedLibraries(void)
{
    std::vector<HMODULE> unused;
    std::copy_if(servers.begin(), servers.end(), std::back_inserter(unused), CanUnload);
    for (HMODULE module : unused) {
        servers.erase(std::find(servers.begin(), servers.end(), module));
        FreeLibrary(module);
    }
}
