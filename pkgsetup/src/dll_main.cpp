// The library's entry: it keeps the handle it was loaded with. Without an
// entry of its own the library would take the input methods' one from the
// framework it links.
#include <windows.h>

#include "module_state.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) TheModuleState().moduleInstance = instance;
    return TRUE;
}
