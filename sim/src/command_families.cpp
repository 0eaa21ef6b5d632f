#include "command_families.h"

namespace {

CommandTable BuildStandardCommands()
{
    CommandTable table;
    AddDeviceCommands(table);
    AddRegistryCommands(table);
    AddFileCommands(table);
    AddMessageBoxCommands(table);
    AddInputMethodCommands(table);
    AddSipCommands(table);
    AddTextCommands(table);
    AddEventCommands(table);
    AddPenCommands(table);
    AddKeyboardCommands(table);
    AddClockCommands(table);
    AddEchoCommands(table);
    return table;
}

}  // namespace

const CommandTable& StandardCommands()
{
    static const CommandTable table = BuildStandardCommands();
    return table;
}
