#include "shell/input_services.h"

#include <device/sip.h>

#include "com/apartment.h"
#include "shell/text_editor.h"

namespace platform::shell {

void CloseInputServices()
{
    device::ClearCallbackLog();
    FocusedEditor().Clear();
    com::ResetApartment();
}

}  // namespace platform::shell
