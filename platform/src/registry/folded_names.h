// Keeping the stored folded names in step with the platform's case rules.
#pragma once

#include "registry/sqlite_connection.h"

namespace platform::registry {

// The signature of the case rules the folded names were made with.
int RecordCaseRules(SqliteConnection& connection);

// An image written under other case rules (before the runtime's full Unicode
// tables, say) has its folded names made again, so that no key or value
// becomes unreachable. Runs inside the caller's transaction; SQLITE_OK, or
// why not (two names that the new rules make equal, for one).
int RefoldForCurrentCaseRules(SqliteConnection& connection);

}  // namespace platform::registry
