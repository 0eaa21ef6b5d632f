// write / write-backspace / translit select: the letter recogniser and the
// transliteration table it applies
#include <windows.h>

#include <device/recogniser.h>
#include <device/text.h>

#include "argument_checks.h"
#include "command_families.h"
#include "number_words.h"
#include "platform_errors.h"

namespace {

const DWORD kLastTable = 26;

CommandOutcome Write(const CommandCall& call)
{
    if (!device::WriteCharacters(device::Utf16(call.args[0].text)))
        return CommandOutcome::Failed("cannot write: " + device::RecogniserFailure());
    return CommandOutcome::Done();
}

CommandOutcome WriteBackspace(const CommandCall&)
{
    if (!device::WriteBackspace()) return CommandOutcome::Failed("cannot write: " + device::RecogniserFailure());
    return CommandOutcome::Done();
}

// As another program would: the value only, read when the panel next shows.
CommandOutcome SelectTable(const CommandCall& call)
{
    Parsed<DWORD> number = ParseUnsigned(call.args[0]);
    if (!number) return CommandOutcome::Failed(number.error());
    if (*number > kLastTable)
        return CommandOutcome::Failed("no table " + std::to_string(*number) + ": tables are 1 to 26, 0 is none");
    HKEY key = nullptr;
    LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, u"SOFTWARE\\Tarvex\\Lexovia", 0, nullptr, 0, 0, nullptr, &key,
                                  nullptr);
    if (result == ERROR_SUCCESS) {
        DWORD value = *number;
        result = RegSetValueExW(key, u"QVPenTranslitTable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                sizeof value);
        RegCloseKey(key);
    }
    if (result != ERROR_SUCCESS)
        return CommandOutcome::Failed("cannot store the table: " + ErrorText(static_cast<DWORD>(result)));
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"write", "", "TEXT", "writes the characters one by one in the letter recogniser", Needs::Device, &Write},
    {"write-backspace", "", "", "writes the letter recogniser's Backspace stroke", Needs::Device, &WriteBackspace},
    {"translit", "select", "N", "stores the transliteration table number, read at the next show", Needs::Device,
     &SelectTable,
     Block::None, Echo::Command, &FirstUnsigned},
};

}  // namespace

void AddRecogniserCommands(CommandTable& table) { table.Add(kCommands); }
