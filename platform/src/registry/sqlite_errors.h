// SQLite failures as the platform's registry error codes.
#pragma once

#include <windef.h>

#include "registry/sqlite_transaction.h"

namespace platform::registry {

// A damaged or foreign database is ERROR_BADDB; a failure to read or write
// it (locked by another process for too long, an I/O error, a full disk) is
// ERROR_CANTREAD or ERROR_CANTWRITE by what the call was doing.
LONG PlatformError(int sqliteResult, TransactionKind kind);

}  // namespace platform::registry
