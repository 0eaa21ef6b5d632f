// Each family of commands adds itself to the table; StandardCommands() is the
// one place that lists the families.
#pragma once

#include "command_table.h"

void AddDeviceCommands(CommandTable& table);
void AddDeviceMarkCommands(CommandTable& table);
void AddRegistryCommands(CommandTable& table);
void AddFileCommands(CommandTable& table);
void AddMessageBoxCommands(CommandTable& table);
void AddInputMethodCommands(CommandTable& table);
void AddSipCommands(CommandTable& table);
void AddSipLogCommands(CommandTable& table);
void AddTextCommands(CommandTable& table);
void AddEventCommands(CommandTable& table);
void AddPenCommands(CommandTable& table);
void AddScreenPenCommands(CommandTable& table);
void AddRecogniserCommands(CommandTable& table);
void AddKeyboardCommands(CommandTable& table);
void AddClockCommands(CommandTable& table);
void AddScreenshotCommands(CommandTable& table);
void AddDialogCommands(CommandTable& table);
void AddEchoCommands(CommandTable& table);
void AddBootCommands(CommandTable& table);
void AddProgramCommands(CommandTable& table);
void AddHelpCommands(CommandTable& table);
void AddSetupCommands(CommandTable& table);
void AddInstallCommands(CommandTable& table);
void AddPowerCommands(CommandTable& table);
void AddProgressCommands(CommandTable& table);

const CommandTable& StandardCommands();
