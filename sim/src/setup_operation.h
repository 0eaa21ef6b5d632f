// The setup hooks' operations that "setup call" runs, as rows of constant
// tables: a family of operations lists its own.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "command_outcome.h"
#include "run_context.h"
#include "script_line.h"

using SetupOperationHandler = CommandOutcome (*)(std::span<const ScriptWord> args, RunContext& context);

struct SetupOperation {
    std::string_view name;   // "LocalizeStartMenu", as the setup hooks name it
    std::string_view usage;  // "LCID TO_LOCALIZED REMOVE_SOURCE"
    size_t leastArgs;
    size_t mostArgs;
    SetupOperationHandler handler;
};

// The Start-menu operations.
std::span<const SetupOperation> StartMenuOperations();
