// The dialog resources of qvpen and the ids of their controls.
#pragma once

#include <windows.h>

// WM_COMMAND's wParam for notification CODE from CONTROL.
constexpr WPARAM Notification(int control, int code)
{
    return (static_cast<WPARAM>(code) << 16) | static_cast<WPARAM>(control);
}

// The options page.
const int kOptionsDialog = 519;
const int kTitleText = 1011;
const int kTableList = 1012;
const int kRuleList = 1013;
const int kAddButton = 1014;
const int kRemoveButton = 1015;
const int kChangeButton = 1016;

// The rule dialog.
const int kRuleDialog = 416;
const int kMapEdit = 1013;
const int kAndCheck = 1017;
const int kAndEdit = 1018;
const int kToCodeEdit = 1019;
const int kToEdit = 1020;
const int kMapCodeText = 1021;
const int kAndCodeText = 1022;
