// Runs a scenario script against the device, one statement at a time; the
// first failure stops the run. Every bad line is reported before any runs.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

#include "command_result.h"
#include "command_table.h"
#include "run_context.h"
#include "transcript.h"

class ScenarioRunner {
public:
    ScenarioRunner(const CommandTable& commands, Transcript& transcript);

    // True when every command ran and every expectation held. SCRIPT_NAME
    // starts each error line; @HOSTFILE arguments are read from SCRIPT_FOLDER.
    bool Run(std::string_view scriptName, std::string_view text, const std::filesystem::path& scriptFolder);

    // What became of each command of the last run, those never reached too.
    const std::vector<CommandResult>& Results() const { return results_; }

    // A failing run also writes the screen, as the user would have seen it, to FILE.
    void WriteFailureScreenTo(std::filesystem::path file) { failureScreen_ = std::move(file); }

private:
    // Runs the next statement; false when none is left or the run has failed.
    // A modal dialog's loop calls it too, so the lines after the command that
    // opened the dialog act inside it.
    bool RunNextStatement(RunContext& context, HWND waitingDialog);
    std::optional<std::vector<ResolvedCommand>> ResolveAll(const Script& script, std::vector<ScriptError> errors,
                                                           const std::filesystem::path& scriptFolder);
    bool Fail(const ScriptError& error);
    void RecordUnreached();
    void WriteFailureScreen();

    const CommandTable& commands_;
    Transcript& transcript_;
    std::string scriptName_;
    const Script* script_ = nullptr;
    const std::vector<ResolvedCommand>* resolved_ = nullptr;
    size_t next_ = 0;
    std::optional<ScriptError> error_;  // the first failure: later ones follow from it
    std::vector<CommandResult> results_;
    std::filesystem::path failureScreen_;
};
