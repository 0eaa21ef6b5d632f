#include "files/attribute_store.h"

#include <initializer_list>
#include <string_view>

#include <sqlite3.h>

#include <device/faults.h>
#include <winbase.h>

namespace platform::files {
namespace {

// A record of KEY or of something beneath it: "a/b" covers "a/b" and "a/b/c".
// substr and length count characters on both sides, so they agree.
const char kAtOrBeneath[] = "(path = ?1 OR substr(path, 1, length(?1) + 1) = ?1 || '/')";

using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Statement Prepare(sqlite3* db, const std::string& sql, std::initializer_list<std::string_view> texts)
{
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    Statement statement(raw, sqlite3_finalize);
    int index = 1;
    for (std::string_view text : texts)
        if (raw) sqlite3_bind_text(raw, index++, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return statement;
}

bool RunToEnd(const Statement& statement) { return statement && sqlite3_step(statement.get()) == SQLITE_DONE; }

}  // namespace

std::unique_ptr<AttributeStore> AttributeStore::Open(const std::string& path)
{
    sqlite3* db = nullptr;
    int result = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<AttributeStore> store(new AttributeStore(db));
    if (result != SQLITE_OK) {
        store->Fault("opening");
        return nullptr;
    }
    // Another process on the image may hold the lock for a moment. A
    // write-ahead log commits without waiting for the disk each time and
    // still shows each change to other processes at once. Setting up an
    // empty store has nothing to lose, so it does not wait for the disk.
    sqlite3_busy_timeout(db, 2000);
    const char* setup =
        "PRAGMA synchronous = OFF; PRAGMA journal_mode = WAL;"
        "CREATE TABLE IF NOT EXISTS file_attributes (path TEXT PRIMARY KEY, attributes INTEGER NOT NULL);"
        "PRAGMA synchronous = NORMAL";
    if (sqlite3_exec(db, setup, nullptr, nullptr, nullptr) != SQLITE_OK) {
        store->Fault("creating");
        return nullptr;
    }
    return store;
}

AttributeStore::AttributeStore(sqlite3* db) : db_(db) {}

AttributeStore::~AttributeStore() { sqlite3_close(db_); }

std::optional<DWORD> AttributeStore::Find(const std::string& key) const
{
    Statement statement = Prepare(db_, "SELECT attributes FROM file_attributes WHERE path = ?1", {key});
    int step = statement ? sqlite3_step(statement.get()) : SQLITE_ERROR;
    if (step == SQLITE_ROW) return static_cast<DWORD>(sqlite3_column_int64(statement.get(), 0));
    if (step != SQLITE_DONE) Fault("reading");
    return std::nullopt;
}

bool AttributeStore::Set(const std::string& key, DWORD attributes)
{
    Statement statement =
        Prepare(db_, "INSERT OR REPLACE INTO file_attributes (path, attributes) VALUES (?1, ?2)", {key});
    if (statement) sqlite3_bind_int64(statement.get(), 2, attributes);
    return RunToEnd(statement) || Fault("writing");
}

bool AttributeStore::Move(const std::string& key, const std::string& newKey)
{
    Statement statement = Prepare(db_,
                                  std::string("UPDATE OR REPLACE file_attributes SET path = ?2 || "
                                              "substr(path, length(?1) + 1) WHERE ") +
                                      kAtOrBeneath,
                                  {key, newKey});
    return RunToEnd(statement) || Fault("moving");
}

bool AttributeStore::Forget(const std::string& key)
{
    Statement statement = Prepare(db_, std::string("DELETE FROM file_attributes WHERE ") + kAtOrBeneath, {key});
    return RunToEnd(statement) || Fault("deleting");
}

bool AttributeStore::Fault(const char* doing) const
{
    SetLastError(ERROR_GEN_FAILURE);
    device::ReportFault(std::string("file attribute store: ") + doing + ": " +
                        (db_ ? sqlite3_errmsg(db_) : "out of memory"));
    return false;
}

}  // namespace platform::files
