#include "registry/sqlite_transaction.h"

namespace platform::registry {

SqliteTransaction::SqliteTransaction(SqliteConnection& connection, TransactionKind kind)
    : connection_(connection),
      beginResult_(connection.Prepare(kind == TransactionKind::Write ? "BEGIN IMMEDIATE" : "BEGIN").Step()),
      open_(beginResult_ == SQLITE_DONE)
{
    if (open_) beginResult_ = SQLITE_OK;
}

SqliteTransaction::~SqliteTransaction()
{
    if (open_) connection_.Prepare("ROLLBACK").Step();
}

int SqliteTransaction::Commit()
{
    int result = connection_.Prepare("COMMIT").Step();
    if (result != SQLITE_DONE) return result;
    open_ = false;
    return SQLITE_OK;
}

}  // namespace platform::registry
