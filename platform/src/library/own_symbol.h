// Looking up a symbol that a loaded host object defines itself. The host
// linker would also answer with the libraries it uses (the platform's own
// functions among them); a module's exports are only its own.
#pragma once

namespace platform::library {

// CODE is a handle from dlopen (or dlopen(nullptr) for the program).
void* OwnSymbol(void* code, const char* name);

}  // namespace platform::library
