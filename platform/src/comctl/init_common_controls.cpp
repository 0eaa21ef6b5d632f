#include <commctrl.h>

// The common controls' classes are registered with every device's system
// classes, so there is nothing left to do.
void WINAPI InitCommonControls(void) {}
