// The tables of a registry database.
#pragma once

#include "registry/sqlite_connection.h"

namespace platform::registry {

// Creates the tables and the root keys in a new database and checks that an
// existing one is a registry of this layout. SQLITE_OK, or why not.
int PrepareSchema(SqliteConnection& connection);

}  // namespace platform::registry
