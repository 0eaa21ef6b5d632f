// reg set / delete / expect / expect-missing / dump
#include <device/registry_dump.h>
#include <device/text.h>

#include "argument_checks.h"
#include "command_families.h"
#include "platform_errors.h"
#include "registry_access.h"

namespace {

// "HKCU\SOFTWARE\Tarvex\Lexovia "KbdRepeat"", the value's full name in messages.
std::string Place(const RegistryPath& key, const ScriptWord& name) { return key.shown + " " + ValueLabel(name.text); }

std::string KeyMissing(const RegistryPath& key) { return "no key " + key.shown; }

// What a read found, for "expected ..., found ..." messages.
std::string Found(LONG status, const RegistryValue& value, const RegistryPath& key)
{
    if (status == ERROR_SUCCESS) return DescribeValue(value);
    if (status == ERROR_FILE_NOT_FOUND) return FindRegistryKey(key) == ERROR_SUCCESS ? "no such value" : KeyMissing(key);
    return "an error, " + ErrorText(status);
}

CommandOutcome Set(const CommandCall& call)
{
    Parsed<RegistryPath> key = ParseRegistryPath(call.args[0]);
    if (!key) return CommandOutcome::Failed(key.error());
    Parsed<RegistryValue> value = EncodeValue(call.args[2], call.args.subspan(3));
    if (!value) return CommandOutcome::Failed(value.error());
    LONG status = WriteRegistryValue(*key, device::Utf16(call.args[1].text), *value);
    if (status != ERROR_SUCCESS)
        return CommandOutcome::Failed("could not set " + Place(*key, call.args[1]) + ": " + ErrorText(status));
    return CommandOutcome::Done();
}

CommandOutcome Delete(const CommandCall& call)
{
    Parsed<RegistryPath> key = ParseRegistryPath(call.args[0]);
    if (!key) return CommandOutcome::Failed(key.error());
    if (call.args.size() == 1 && key->subkey.empty())
        return CommandOutcome::Failed("a root key cannot be deleted: " + key->shown);
    bool wholeKey = call.args.size() == 1;
    LONG status = wholeKey ? DeleteRegistryKey(*key) : DeleteRegistryValue(*key, device::Utf16(call.args[1].text));
    if (status == ERROR_SUCCESS) return CommandOutcome::Done();
    std::string what = wholeKey ? key->shown : Place(*key, call.args[1]);
    return CommandOutcome::Failed("could not delete " + what + ": " + ErrorText(status));
}

CommandOutcome Expect(const CommandCall& call)
{
    Parsed<RegistryPath> key = ParseRegistryPath(call.args[0]);
    if (!key) return CommandOutcome::Failed(key.error());
    Parsed<RegistryValue> expected = EncodeValue(call.args[2], call.args.subspan(3));
    if (!expected) return CommandOutcome::Failed(expected.error());
    RegistryValue found{};
    LONG status = ReadRegistryValue(*key, device::Utf16(call.args[1].text), found);
    if (status == ERROR_SUCCESS && found == *expected) return CommandOutcome::Done();
    return CommandOutcome::Failed(Place(*key, call.args[1]) + ": expected " + DescribeValue(*expected) +
                                  ", found " + Found(status, found, *key));
}

CommandOutcome ExpectMissing(const CommandCall& call)
{
    Parsed<RegistryPath> key = ParseRegistryPath(call.args[0]);
    if (!key) return CommandOutcome::Failed(key.error());
    if (call.args.size() == 1) {
        LONG status = FindRegistryKey(*key);
        if (status == ERROR_FILE_NOT_FOUND) return CommandOutcome::Done();
        std::string found = status == ERROR_SUCCESS ? "the key" : "an error, " + ErrorText(status);
        return CommandOutcome::Failed("expected " + KeyMissing(*key) + ", found " + found);
    }
    RegistryValue found{};
    LONG status = ReadRegistryValue(*key, device::Utf16(call.args[1].text), found);
    if (status == ERROR_FILE_NOT_FOUND) return CommandOutcome::Done();
    return CommandOutcome::Failed(Place(*key, call.args[1]) + ": expected no such value, found " +
                                  Found(status, found, *key));
}

CommandOutcome DumpAll(const CommandCall& call)
{
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CLASSES_ROOT})
        call.context.transcript.Output(device::DumpRegistry(root, u""));
    return CommandOutcome::Done();
}

CommandOutcome Dump(const CommandCall& call)
{
    if (call.args.empty()) return DumpAll(call);
    Parsed<RegistryPath> key = ParseRegistryPath(call.args[0]);
    if (!key) return CommandOutcome::Failed(key.error());
    LONG status = FindRegistryKey(*key);
    if (status != ERROR_SUCCESS) return CommandOutcome::Failed("cannot dump " + key->shown + ": " + ErrorText(status));
    call.context.transcript.Output(device::DumpRegistry(key->root, key->subkey));
    return CommandOutcome::Done();
}

const CommandEntry kCommands[] = {
    {"reg", "set", "KEY NAME TYPE [VALUE...]", "writes a value, creating the key", Needs::Device, &Set,
     Block::None, Echo::Command, &RegistryValueWords},
    {"reg", "delete", "KEY [NAME]", "deletes a value, or the key with all below it", Needs::Device, &Delete},
    {"reg", "expect", "KEY NAME TYPE [VALUE...]", "checks a value's type and data", Needs::Device, &Expect},
    {"reg", "expect-missing", "KEY [NAME]", "checks that a value, or a key, does not exist", Needs::Device,
     &ExpectMissing},
    {"reg", "dump", "[KEY]", "prints a key with its values and subkeys (all roots without KEY)", Needs::Device,
     &Dump},
};

}  // namespace

void AddRegistryCommands(CommandTable& table) { table.Add(kCommands); }

