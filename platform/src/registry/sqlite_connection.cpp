#include "registry/sqlite_connection.h"

namespace platform::registry {
namespace {

// Long enough for another process's call to finish; a call holds its lock
// only for the few statements it runs.
constexpr int kBusyTimeoutMs = 5000;

}  // namespace

std::unique_ptr<SqliteConnection> SqliteConnection::Open(const std::string& path, int& error)
{
    std::unique_ptr<SqliteConnection> connection(new SqliteConnection(nullptr));
    // Even a failed open gives a database handle, which the connection closes.
    error = sqlite3_open_v2(path.c_str(), &connection->database_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (error != SQLITE_OK) return nullptr;
    sqlite3_busy_timeout(connection->database_, kBusyTimeoutMs);
    // Commits reach the log without a sync; RegFlushKey makes them durable.
    error = connection->Execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    if (error != SQLITE_OK) return nullptr;
    return connection;
}

SqliteConnection::SqliteConnection(sqlite3* database) : database_(database) {}

SqliteConnection::~SqliteConnection()
{
    for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
    sqlite3_close(database_);
}

SqliteStatement SqliteConnection::Prepare(std::string_view sql)
{
    auto cached = statements_.find(sql);
    if (cached != statements_.end()) return SqliteStatement(cached->second, SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    int error = sqlite3_prepare_v3(database_, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                   &statement, nullptr);
    if (error != SQLITE_OK) {
        sqlite3_finalize(statement);
        return SqliteStatement(nullptr, error);
    }
    statements_.emplace(sql, statement);
    return SqliteStatement(statement, SQLITE_OK);
}

int SqliteConnection::Execute(const char* sql) { return sqlite3_exec(database_, sql, nullptr, nullptr, nullptr); }

int64_t SqliteConnection::LastInsertId() const { return sqlite3_last_insert_rowid(database_); }

int SqliteConnection::Changes() const { return sqlite3_changes(database_); }

int64_t SqliteConnection::ChangeStamp()
{
    SqliteStatement statement = Prepare("PRAGMA data_version");
    int64_t othersCommits = statement.Step() == SQLITE_ROW ? statement.Integer(0) : -1;
    return (othersCommits << 32) ^ sqlite3_total_changes64(database_);
}

int SqliteConnection::DefineFunction(const char* name, void (*function)(sqlite3_context*, int, sqlite3_value**))
{
    return sqlite3_create_function(database_, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, function, nullptr,
                                   nullptr);
}

int SqliteConnection::Checkpoint()
{
    return sqlite3_wal_checkpoint_v2(database_, nullptr, SQLITE_CHECKPOINT_FULL, nullptr, nullptr);
}

}  // namespace platform::registry
