#include "module_state.h"

namespace {

ModuleState state;

}  // namespace

ModuleState& TheModuleState() { return state; }
