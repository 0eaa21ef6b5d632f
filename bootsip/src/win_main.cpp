// bootsip: started at every boot with its launch number as the command line.
// It has no window and ends at once.
#include <windows.h>

#include "input_method_refresh.h"
#include "keyboard_enabled.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPWSTR lpCmdLine, int)
{
    if (IsKeyboardEnabled()) RefreshInputMethods();
    // The boot sequence holds back the programs that wait for this one until it signals.
    if (lpCmdLine[0] != 0) SignalStarted(static_cast<DWORD>(_wtol(lpCmdLine)));
    return 0;
}
