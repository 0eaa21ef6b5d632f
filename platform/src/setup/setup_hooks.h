// A package's setup-hook library, loaded from its copy in \Windows\AppMgr
// with the platform's loader; its four hooks are found by their plain names.
#pragma once

#include <memory>
#include <string>

#include <windef.h>

namespace platform::setup {

// The hooks' answers, as the platform's setup header numbers them.
enum HookAnswer : int { kContinue = 0, kCancelOrUninstall = 1 };

class SetupHooks {
public:
    using InstallInit = int (*)(HWND parent, BOOL firstCall, BOOL previouslyInstalled, LPCWSTR installDirectory);
    using InstallExit = int (*)(HWND parent, LPCWSTR installDirectory, WORD failedDirectories, WORD failedFiles,
                                WORD failedKeys, WORD failedValues, WORD failedShortcuts);
    using UninstallInit = int (*)(HWND parent, LPCWSTR installDirectory);
    using UninstallExit = int (*)(HWND parent);

    // The library at DEVICE_PATH with all four hooks; null, with PROBLEM
    // said, when it does not load or lacks one.
    static std::unique_ptr<SetupHooks> Load(const std::u16string& devicePath, std::string& problem);
    ~SetupHooks();
    SetupHooks(const SetupHooks&) = delete;
    SetupHooks& operator=(const SetupHooks&) = delete;

    InstallInit installInit = nullptr;
    InstallExit installExit = nullptr;
    UninstallInit uninstallInit = nullptr;
    UninstallExit uninstallExit = nullptr;

private:
    explicit SetupHooks(HMODULE library) : library_(library) {}

    HMODULE library_;
};

// Where the installer keeps APPLICATION's setup library: "\Windows\AppMgr\<application>.dll".
std::u16string SetupLibraryPath(const std::u16string& application);

}  // namespace platform::setup
