#include "process/device_programs.h"

#include "process/program_launcher.h"
#include "process/restart_request.h"
#include "process/started_signals.h"
#include "shell/help_viewer.h"

namespace platform::process {

void ForgetPrograms()
{
    ClearProgramLaunches();
    ClearStartedSignals();
    ClearRestartRequest();
    platform::shell::ForgetHelpViewer();
}

}  // namespace platform::process
