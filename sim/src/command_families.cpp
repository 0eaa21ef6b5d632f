#include "command_families.h"

namespace {

CommandTable BuildStandardCommands()
{
    CommandTable table;
    AddDeviceCommands(table);
    AddDeviceMarkCommands(table);
    AddBootCommands(table);
    AddProgramCommands(table);
    AddHelpCommands(table);
    AddRegistryCommands(table);
    AddFileCommands(table);
    AddMessageBoxCommands(table);
    AddInputMethodCommands(table);
    AddSipCommands(table);
    AddSipLogCommands(table);
    AddTextCommands(table);
    AddEventCommands(table);
    AddPenCommands(table);
    AddScreenPenCommands(table);
    AddRecogniserCommands(table);
    AddKeyboardCommands(table);
    AddClockCommands(table);
    AddScreenshotCommands(table);
    AddDialogCommands(table);
    AddProgressCommands(table);
    AddInstallCommands(table);
    AddPowerCommands(table);
    AddSetupCommands(table);
    AddEchoCommands(table);
    return table;
}

}  // namespace

const CommandTable& StandardCommands()
{
    static const CommandTable table = BuildStandardCommands();
    return table;
}
