// The window procedures of the system's control classes.
#pragma once

#include <windows.h>

namespace platform::controls {

LRESULT CALLBACK StaticProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
// The list a drop-down combo box shows below itself ("ComboLBox").
LRESULT CALLBACK ComboListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackbarProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SipPrefProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::controls
