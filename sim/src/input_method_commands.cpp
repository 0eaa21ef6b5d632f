// im register / unregister / select / expect-current
#include <device/libraries.h>
#include <device/sip.h>
#include <device/text.h>

#include "command_families.h"
#include "device_path.h"
#include "input_method_names.h"
#include "library_entry.h"
#include "product_libraries.h"

namespace {

// A product library by name, or a library already in the device's file tree.
Parsed<std::u16string> LibraryPath(const ScriptWord& word)
{
    if (word.text.starts_with('\\')) return ParseDevicePath(word);
    const ProductLibrary* library = FindProductLibrary(word.text);
    if (!library)
        return Parsed<std::u16string>::Failure("unknown library \"" + word.text + "\": write " +
                                               ProductLibraryNames() + " or a device path such as \\Windows\\x.dll");
    if (library->hostFile.empty()) return Parsed<std::u16string>::Failure(word.text + " is not built yet");
    return std::u16string(library->devicePath);
}

CommandOutcome RunEntry(const CommandCall& call, const char* entry)
{
    Parsed<std::u16string> path = LibraryPath(call.args[0]);
    if (!path) return CommandOutcome::Failed(path.error());
    std::optional<std::string> failure = CallRegistrationEntry(*path, entry);
    return failure ? CommandOutcome::Failed(*failure) : CommandOutcome::Done();
}

// A product library is first copied from the build onto the device.
CommandOutcome Register(const CommandCall& call)
{
    const ProductLibrary* library = FindProductLibrary(call.args[0].text);
    if (library && !library->hostFile.empty() &&
        !device::PlaceLibrary(std::string(library->hostFile), std::u16string(library->devicePath)))
        return CommandOutcome::Failed("could not place " + std::string(library->hostFile) + " on the device as " +
                                      device::Utf8(library->devicePath));
    return RunEntry(call, "DllRegisterServer");
}

CommandOutcome Unregister(const CommandCall& call) { return RunEntry(call, "DllUnregisterServer"); }

CommandOutcome Select(const CommandCall& call)
{
    Parsed<CLSID> method = ParseInputMethod(call.args[0]);
    if (!method) return CommandOutcome::Failed(method.error());
    if (!device::SelectInputMethod(*method))
        return CommandOutcome::Failed("could not select " + InputMethodName(*method) + ": it cannot be created; " +
                                      InputMethodName(device::CurrentInputMethod()) + " stays current");
    return CommandOutcome::Done();
}

CommandOutcome ExpectCurrent(const CommandCall& call)
{
    Parsed<CLSID> expected = ParseInputMethod(call.args[0]);
    if (!expected) return CommandOutcome::Failed(expected.error());
    CLSID current = device::CurrentInputMethod();
    if (current == *expected) return CommandOutcome::Done();
    return CommandOutcome::Failed("expected input method " + InputMethodName(*expected) + ", found " +
                                  InputMethodName(current));
}

const CommandEntry kCommands[] = {
    {"im", "register", "LIB", "registers an input-method library (finkeys, qvpen or a device path)", Needs::Device,
     &Register},
    {"im", "unregister", "LIB", "unregisters an input-method library (finkeys, qvpen or a device path)",
     Needs::Device, &Unregister},
    {"im", "select", "IM", "makes IM current: finkeys, qvpen, keyboard or {CLSID}", Needs::Device, &Select},
    {"im", "expect-current", "IM", "checks which input method is current", Needs::Device, &ExpectCurrent},
};

}  // namespace

void AddInputMethodCommands(CommandTable& table) { table.Add(kCommands); }
