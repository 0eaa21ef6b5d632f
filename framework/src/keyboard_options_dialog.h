// The soft keyboard's options page (dialog resource 519): repeat on or off,
// repeat delay and rate, coloured keys. Full screen with the shell's OK
// button; nothing is stored before OK.
#pragma once

#include <windows.h>

class SipModule;

// Runs the page modally over PARENT; true when it ended with OK.
bool RunKeyboardOptionsDialog(SipModule& module, HWND parent);

BOOL CALLBACK KeyboardOptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
