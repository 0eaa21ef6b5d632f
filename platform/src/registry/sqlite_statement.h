// A prepared statement borrowed from a connection's cache for one use.
#pragma once

#include <cstdint>
#include <string_view>

#include <sqlite3.h>

namespace platform::registry {

// Reset, with its bindings cleared, when it goes out of scope. A statement
// that failed to prepare or to bind answers that failure from Step.
class SqliteStatement {
public:
    SqliteStatement(sqlite3_stmt* statement, int error);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& BindBlob(int index, const void* bytes, size_t size);
    SqliteStatement& BindBlob(int index, std::string_view bytes);

    // SQLITE_ROW, SQLITE_DONE or the error.
    int Step();

    int64_t Integer(int column) const;
    // Valid until the next Step.
    std::string_view Blob(int column) const;

private:
    sqlite3_stmt* statement_;
    int error_;
};

}  // namespace platform::registry
