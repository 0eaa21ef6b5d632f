// One connection to a registry database, its prepared statements cached.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include <sqlite3.h>

#include "registry/sqlite_statement.h"

namespace platform::registry {

class SqliteConnection {
public:
    // Opens (creating when missing) the database at PATH in write-ahead-log
    // mode, so that other processes on the same image read while one writes
    // and see each commit at once; waits a while for a busy database rather
    // than failing at once. Null on failure, with the SQLite result in ERROR.
    static std::unique_ptr<SqliteConnection> Open(const std::string& path, int& error);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // SQL is kept as the cache's key: pass a string literal.
    SqliteStatement Prepare(std::string_view sql);
    // Runs SQL statements that return no rows.
    int Execute(const char* sql);
    int64_t LastInsertId() const;
    // Rows changed by the last statement.
    int Changes() const;
    // Moves whenever the database may have changed: a write through this
    // connection or a commit by any other.
    int64_t ChangeStamp();
    // Makes FUNCTION, of one argument, callable from SQL as NAME.
    int DefineFunction(const char* name, void (*function)(sqlite3_context*, int, sqlite3_value**));
    // Copies the log into the database and syncs both to disk.
    int Checkpoint();

private:
    explicit SqliteConnection(sqlite3* database);

    sqlite3* database_;
    std::unordered_map<std::string_view, sqlite3_stmt*> statements_;
};

}  // namespace platform::registry
