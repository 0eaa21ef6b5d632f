// The setup hooks' four exports, called as the cabinet installer calls
// them: over a top-level window of its own standing for the installer's,
// which the transcript says was hidden when a call hid it.
#include <ce_setup.h>
#include <device/text.h>

#include "device_path.h"
#include "number_words.h"
#include "setup_operation.h"
#include "switch_words.h"

namespace {

using Result = Parsed<std::string>;

// Made visible for one call, destroyed after it.
class InstallerWindow {
public:
    InstallerWindow()
        : window_(CreateWindowExW(0, u"static", u"Installer", WS_VISIBLE, 0, 0, 240, 320, nullptr, nullptr, nullptr,
                                  nullptr))
    {
    }
    InstallerWindow(const InstallerWindow&) = delete;
    InstallerWindow& operator=(const InstallerWindow&) = delete;
    ~InstallerWindow() { DestroyWindow(window_); }

    HWND handle() const { return window_; }

    // The hook's answer, and what became of the window when the call hid it.
    std::string Report(std::string answer) const
    {
        if (window_ && !IsWindowVisible(window_)) answer += " (the installer's window was hidden)";
        return answer;
    }

private:
    HWND window_;
};

const char* const kInstallInitCodes[] = {"codeINSTALL_INIT_CONTINUE", "codeINSTALL_INIT_CANCEL"};
const char* const kInstallExitCodes[] = {"codeINSTALL_EXIT_DONE", "codeINSTALL_EXIT_UNINSTALL"};
const char* const kUninstallInitCodes[] = {"codeUNINSTALL_INIT_CONTINUE", "codeUNINSTALL_INIT_CANCEL"};
const char* const kUninstallExitCodes[] = {"codeUNINSTALL_EXIT_DONE"};

// The installer gives the directory as it is, a trailing backslash
// included: the hooks must cope with one.
Parsed<std::u16string> InstallDirectory(const ScriptWord& word)
{
    Parsed<std::u16string> directory = ParseDevicePath(word);
    if (directory && word.text.size() > 1 && word.text.back() == '\\') directory = *directory + u"\\";
    return directory;
}

template <size_t count>
std::string CodeName(const char* const (&names)[count], int code)
{
    if (code >= 0 && static_cast<size_t>(code) < count) return names[code];
    return std::to_string(code);
}

Result InstallInit(std::span<const ScriptWord> args)
{
    Parsed<bool> previouslyInstalled = ParseYesNo(args[0]);
    if (!previouslyInstalled) return Result::Failure(previouslyInstalled.error());
    Parsed<std::u16string> directory = InstallDirectory(args[1]);
    if (!directory) return Result::Failure(directory.error());
    InstallerWindow installer;
    codeINSTALL_INIT code = Install_Init(installer.handle(), TRUE, *previouslyInstalled, directory->c_str());
    return installer.Report(CodeName(kInstallInitCodes, code));
}

// The five failure counts: directories, files, keys, values, shortcuts.
Result InstallExit(std::span<const ScriptWord> args)
{
    Parsed<std::u16string> directory = InstallDirectory(args[0]);
    if (!directory) return Result::Failure(directory.error());
    WORD failed[5] = {};
    for (size_t i = 0; i < 5; ++i) {
        Parsed<DWORD> count = ParseUnsigned(args[1 + i]);
        if (!count) return Result::Failure(count.error());
        if (*count > 0xFFFF) return Result::Failure("a failure count is at most 65535, got " + args[1 + i].text);
        failed[i] = static_cast<WORD>(*count);
    }
    InstallerWindow installer;
    codeINSTALL_EXIT code =
        Install_Exit(installer.handle(), directory->c_str(), failed[0], failed[1], failed[2], failed[3], failed[4]);
    return installer.Report(CodeName(kInstallExitCodes, code));
}

Result UninstallInit(std::span<const ScriptWord> args)
{
    Parsed<std::u16string> directory = InstallDirectory(args[0]);
    if (!directory) return Result::Failure(directory.error());
    InstallerWindow installer;
    codeUNINSTALL_INIT code = Uninstall_Init(installer.handle(), directory->c_str());
    return installer.Report(CodeName(kUninstallInitCodes, code));
}

Result UninstallExit(std::span<const ScriptWord>)
{
    InstallerWindow installer;
    return installer.Report(CodeName(kUninstallExitCodes, Uninstall_Exit(installer.handle())));
}

const SetupOperation kOperations[] = {
    {"Install_Init", "PREVIOUSLY_INSTALLED(yes|no) INSTALLDIR", 2, 2, &InstallInit},
    {"Install_Exit", "INSTALLDIR DIRS FILES KEYS VALUES SHORTCUTS", 6, 6, &InstallExit},
    {"Uninstall_Init", "INSTALLDIR", 1, 1, &UninstallInit},
    {"Uninstall_Exit", "", 0, 0, &UninstallExit},
};

}  // namespace

std::span<const SetupOperation> SetupFlowOperations() { return kOperations; }
