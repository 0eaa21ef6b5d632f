// Makes a dialog's windows from its template's records.
#pragma once

#include <string>

#include <winuser.h>

#include "user/dialog_template.h"

namespace platform::user {

struct DialogRequest {
    HINSTANCE instance;
    HWND owner;
    DLGPROC procedure;
    LPARAM initParam;
    std::string templateName;  // "519", for messages; empty when not known
    bool modal;
};

// The dialog, its controls created and WM_INITDIALOG sent; shown now only
// when the template asks for WS_VISIBLE. Null, with the platform's error,
// when the dialog or one of its controls could not be made.
HWND CreateDialogFromTemplate(const DialogTemplate& dialog, const DialogRequest& request);

}  // namespace platform::user
