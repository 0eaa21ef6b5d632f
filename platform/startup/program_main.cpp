// The host entry linked into every program built for the device: the device
// that starts the program hands it its command line, and WinMain runs.
#include <device/processes.h>
#include <windows.h>

int main() { return device::RunDeviceProgram(&WinMain); }
