#include "registry/sqlite_statement.h"

#include <limits>

namespace platform::registry {

SqliteStatement::SqliteStatement(sqlite3_stmt* statement, int error) : statement_(statement), error_(error) {}

SqliteStatement::~SqliteStatement()
{
    if (!statement_) return;
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value)
{
    if (error_ == SQLITE_OK) error_ = sqlite3_bind_int64(statement_, index, value);
    return *this;
}

// An empty blob is bound as a zero-length blob: a null pointer would bind NULL.
SqliteStatement& SqliteStatement::BindBlob(int index, const void* bytes, size_t size)
{
    if (error_ != SQLITE_OK) return *this;
    if (size > static_cast<size_t>(std::numeric_limits<int>::max())) {
        error_ = SQLITE_TOOBIG;
    } else if (size == 0) {
        error_ = sqlite3_bind_zeroblob(statement_, index, 0);
    } else {
        error_ = sqlite3_bind_blob(statement_, index, bytes, static_cast<int>(size), SQLITE_TRANSIENT);
    }
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, std::string_view bytes)
{
    return BindBlob(index, bytes.data(), bytes.size());
}

int SqliteStatement::Step()
{
    if (error_ != SQLITE_OK) return error_;
    return sqlite3_step(statement_);
}

int64_t SqliteStatement::Integer(int column) const { return sqlite3_column_int64(statement_, column); }

std::string_view SqliteStatement::Blob(int column) const
{
    const void* bytes = sqlite3_column_blob(statement_, column);
    int size = sqlite3_column_bytes(statement_, column);
    return bytes ? std::string_view(static_cast<const char*>(bytes), static_cast<size_t>(size)) : std::string_view();
}

}  // namespace platform::registry
