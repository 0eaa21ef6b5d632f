#include "controls/system_classes.h"

#include <windows.h>

#include "controls/control_procedures.h"

namespace {

using namespace platform::controls;

struct SystemClass {
    LPCWSTR name;
    WNDPROC procedure;
    UINT style;
    int extraBytes = 0;
    int background = NULL_BRUSH;  // a stock brush
};

// DWL_MSGRESULT and the two slots after it.
constexpr int kDialogExtraBytes = 3 * sizeof(LONG_PTR);

// Each control's procedure keeps its own state record behind the window.
const SystemClass kSystemClasses[] = {
    {u"#32770", DefDlgProcW, 0, kDialogExtraBytes, WHITE_BRUSH},
    {u"static", StaticProcedure, 0},
    {u"button", ButtonProcedure, CS_DBLCLKS},
    {u"edit", EditProcedure, CS_DBLCLKS},
    {u"listbox", ListBoxProcedure, CS_DBLCLKS},
    {u"combobox", ComboBoxProcedure, CS_DBLCLKS},
    {u"ComboLBox", ComboListProcedure, CS_DBLCLKS},
    {u"msctls_trackbar32", TrackbarProcedure, 0},
    {u"msctls_progress32", ProgressProcedure, 0},
    {u"msctls_updown32", UpDownProcedure, 0},
    {u"SIPPREF", SipPrefProcedure, 0},
};

}  // namespace

namespace platform::controls {

void RegisterSystemClasses()
{
    for (const SystemClass& entry : kSystemClasses) {
        WNDCLASSW windowClass = {};
        windowClass.style = entry.style;
        windowClass.lpfnWndProc = entry.procedure;
        windowClass.cbWndExtra = entry.extraBytes;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(entry.background));
        windowClass.lpszClassName = entry.name;
        RegisterClassW(&windowClass);
    }
}

}  // namespace platform::controls
