#include "library_entry.h"

#include <windows.h>

#include <device/libraries.h>
#include <device/text.h>

#include "platform_errors.h"

std::optional<std::string> CallRegistrationEntry(const std::u16string& devicePath, const char* entry)
{
    std::string name = device::Utf8(devicePath);
    HMODULE library = LoadLibraryW(devicePath.c_str());
    if (!library)
        return "could not load " + name + ": " + ErrorText(GetLastError()) + ", " + device::LastLibraryFailure();
    auto call = reinterpret_cast<HRESULT (*)()>(GetProcAddress(library, entry));
    std::optional<std::string> failure;
    if (!call) {
        failure = name + " has no " + entry + ": " + ErrorText(GetLastError());
    } else if (HRESULT result = call(); FAILED(result)) {
        failure = std::string(entry) + " of " + name + " failed with " + HresultText(result);
    }
    FreeLibrary(library);
    return failure;
}
