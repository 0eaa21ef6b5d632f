#include "library/own_symbol.h"

#include <dlfcn.h>
#include <link.h>

namespace platform::library {

void* OwnSymbol(void* code, const char* name)
{
    void* symbol = dlsym(code, name);
    if (!symbol) return nullptr;
    Dl_info info;
    link_map* owner = nullptr;
    link_map* self = nullptr;
    if (!dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP)) return nullptr;
    if (dlinfo(code, RTLD_DI_LINKMAP, &self) != 0) return nullptr;
    return owner == self ? symbol : nullptr;
}

}  // namespace platform::library
