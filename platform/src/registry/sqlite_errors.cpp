#include "registry/sqlite_errors.h"

#include <sqlite3.h>
#include <winerror.h>

namespace platform::registry {

LONG PlatformError(int sqliteResult, TransactionKind kind)
{
    switch (sqliteResult & 0xFF) {
        case SQLITE_OK:
        case SQLITE_ROW:
        case SQLITE_DONE:
            return ERROR_SUCCESS;
        case SQLITE_NOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case SQLITE_ERROR:
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_FORMAT:
        case SQLITE_SCHEMA:
            return ERROR_BADDB;
        default:
            return kind == TransactionKind::Write ? ERROR_CANTWRITE : ERROR_CANTREAD;
    }
}

}  // namespace platform::registry
