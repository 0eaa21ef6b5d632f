#include "shell/input_services.h"

#include <device/sip.h>

#include "apps/text_editor.h"
#include "com/com_runtime.h"
#include "shell/letter_recogniser.h"
#include "shell/sip_manager.h"

namespace platform::shell {

// The input method goes before COM lets its library go, so that the
// library's objects die while its code is still there.
void CloseInputServices()
{
    SipManager::Stop();
    com::CloseCom();
    device::ClearCallbackLog();
    device::ClearSipEventLog();
    device::ClearSipPreferenceLog();
    apps::FocusedEditor().Clear();
    SetLetterRecogniserPresent(true);
}

}  // namespace platform::shell
