#include "registry/registry_schema.h"

#include <string>

#include "registry/folded_names.h"
#include "registry/root_keys.h"
#include "registry/sqlite_transaction.h"

namespace platform::registry {
namespace {

constexpr int64_t kLayoutVersion = 1;

// Keys and values take their ids from AUTOINCREMENT, so an id is never given
// twice in the database's life: a handle to a deleted key can never reach a
// key created later, and value ids give the creation order. A rewritten value
// keeps its row, and with it its place. Names are compared, indexed and
// sorted through their folded form, made with the case rules registry_info
// records.
const char kCreateTables[] = R"sql(
CREATE TABLE keys (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    parent INTEGER,
    depth INTEGER NOT NULL,
    name BLOB NOT NULL,
    folded BLOB NOT NULL);
CREATE UNIQUE INDEX keys_by_name ON keys (parent, folded);
CREATE TABLE key_values (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    key INTEGER NOT NULL,
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL);
CREATE UNIQUE INDEX values_by_name ON key_values (key, folded);
CREATE INDEX values_in_order ON key_values (key, id);
CREATE TABLE registry_info (case_rules INTEGER NOT NULL);
INSERT INTO registry_info VALUES (0);
)sql";

int ReadVersion(SqliteConnection& connection, int64_t& version)
{
    SqliteStatement statement = connection.Prepare("PRAGMA user_version");
    int result = statement.Step();
    if (result != SQLITE_ROW) return result;
    version = statement.Integer(0);
    return SQLITE_OK;
}

int CreateTables(SqliteConnection& connection)
{
    int result = connection.Execute(kCreateTables);
    for (const RootKey& root : RootKeys()) {
        if (result != SQLITE_OK) return result;
        result = connection.Prepare("INSERT INTO keys (id, parent, depth, name, folded) VALUES (?, NULL, 0, x'', x'')")
                     .Bind(1, root.id)
                     .Step();
        if (result == SQLITE_DONE) result = SQLITE_OK;
    }
    if (result == SQLITE_OK) result = RecordCaseRules(connection);
    if (result != SQLITE_OK) return result;
    return connection.Execute(("PRAGMA user_version = " + std::to_string(kLayoutVersion)).c_str());
}

}  // namespace

int PrepareSchema(SqliteConnection& connection)
{
    SqliteTransaction transaction(connection, TransactionKind::Write);
    if (transaction.BeginResult() != SQLITE_OK) return transaction.BeginResult();
    int64_t version = 0;
    int result = ReadVersion(connection, version);
    if (result != SQLITE_OK) return result;
    if (version == kLayoutVersion) {
        result = RefoldForCurrentCaseRules(connection);
    } else if (version == 0) {
        result = CreateTables(connection);
    } else {
        return SQLITE_NOTADB;
    }
    return result == SQLITE_OK ? transaction.Commit() : result;
}

}  // namespace platform::registry
