// Runs a scenario script against the device, one statement at a time; the
// first failure stops the run.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

#include "command_table.h"
#include "run_context.h"
#include "transcript.h"

class ScenarioRunner {
public:
    ScenarioRunner(const CommandTable& commands, Transcript& transcript);

    // True when every command ran and every expectation held. SCRIPT_NAME
    // starts each error line; @HOSTFILE arguments are read from SCRIPT_FOLDER.
    bool Run(std::string_view scriptName, std::string_view text, const std::filesystem::path& scriptFolder);

private:
    // Runs the next statement; false when none is left or the run has failed.
    // A modal dialog's loop calls it too, so the lines after the command that
    // opened the dialog act inside it.
    bool RunNextStatement(RunContext& context, HWND waitingDialog);
    std::optional<std::vector<ResolvedCommand>> ResolveAll(const Script& script);
    bool Fail(const ScriptError& error);

    const CommandTable& commands_;
    Transcript& transcript_;
    std::string scriptName_;
    const Script* script_ = nullptr;
    const std::vector<ResolvedCommand>* resolved_ = nullptr;
    size_t next_ = 0;
    std::optional<ScriptError> error_;  // the first failure: later ones follow from it
};
