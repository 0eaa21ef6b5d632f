// One registry call's transaction.
#pragma once

#include "registry/sqlite_connection.h"

namespace platform::registry {

enum class TransactionKind {
    Read,
    Write,  // takes the write lock at once, so that it never fails half-way for a lock
};

// Rolled back unless committed.
class SqliteTransaction {
public:
    SqliteTransaction(SqliteConnection& connection, TransactionKind kind);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    // SQLITE_OK when the transaction began.
    int BeginResult() const { return beginResult_; }
    int Commit();

private:
    SqliteConnection& connection_;
    int beginResult_;
    bool open_;
};

}  // namespace platform::registry
