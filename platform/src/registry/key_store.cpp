#include "registry/key_store.h"

#include <winerror.h>

#include "registry/registry_schema.h"
#include "registry/sqlite_errors.h"
#include "registry/stored_name.h"

namespace platform::registry {
namespace {

LONG ReadFailure(int result) { return PlatformError(result, TransactionKind::Read); }
LONG WriteFailure(int result) { return PlatformError(result, TransactionKind::Write); }

// A statement that changes rows, run to its end.
LONG RunWrite(SqliteStatement& statement)
{
    int result = statement.Step();
    return result == SQLITE_DONE ? ERROR_SUCCESS : WriteFailure(result);
}

std::u16string NameColumn(const SqliteStatement& row, int column)
{
    std::string_view blob = row.Blob(column);
    return NameFromBlob(blob.data(), blob.size());
}

// Columns name, type, data.
StoredValue ReadValue(const SqliteStatement& row)
{
    std::string_view data = row.Blob(2);
    return {NameColumn(row, 0), static_cast<DWORD>(row.Integer(1)), std::vector<BYTE>(data.begin(), data.end())};
}

// Answers ERROR_SUCCESS with the one row in STATEMENT, MISSING without one.
LONG StepToRow(SqliteStatement& statement, LONG missing)
{
    int result = statement.Step();
    if (result == SQLITE_ROW) return ERROR_SUCCESS;
    return result == SQLITE_DONE ? missing : ReadFailure(result);
}

}  // namespace

std::unique_ptr<KeyStore> KeyStore::Open(const std::string& path)
{
    int result = SQLITE_OK;
    std::unique_ptr<SqliteConnection> connection = SqliteConnection::Open(path, result);
    if (!connection || PrepareSchema(*connection) != SQLITE_OK) return nullptr;
    return std::unique_ptr<KeyStore>(new KeyStore(std::move(connection)));
}

KeyStore::KeyStore(std::unique_ptr<SqliteConnection> connection) : connection_(std::move(connection)) {}

LONG KeyStore::CheckExists(KeyId key)
{
    SqliteStatement statement = connection_->Prepare("SELECT 1 FROM keys WHERE id = ?");
    return StepToRow(statement.Bind(1, key), ERROR_KEY_DELETED);
}

LONG KeyStore::Depth(KeyId key, int& depth)
{
    SqliteStatement statement = connection_->Prepare("SELECT depth FROM keys WHERE id = ?");
    LONG error = StepToRow(statement.Bind(1, key), ERROR_KEY_DELETED);
    if (error == ERROR_SUCCESS) depth = static_cast<int>(statement.Integer(0));
    return error;
}

LONG KeyStore::KeyName(KeyId key, std::u16string& name)
{
    SqliteStatement statement = connection_->Prepare("SELECT name FROM keys WHERE id = ?");
    LONG error = StepToRow(statement.Bind(1, key), ERROR_KEY_DELETED);
    if (error == ERROR_SUCCESS) name = NameColumn(statement, 0);
    return error;
}

LONG KeyStore::FindChild(KeyId parent, std::u16string_view name, KeyId& child)
{
    SqliteStatement statement = connection_->Prepare("SELECT id FROM keys WHERE parent = ? AND folded = ?");
    LONG error = StepToRow(statement.Bind(1, parent).BindBlob(2, NameBlob(FoldName(name))), ERROR_FILE_NOT_FOUND);
    if (error == ERROR_SUCCESS) child = statement.Integer(0);
    return error;
}

LONG KeyStore::AddChild(KeyId parent, int parentDepth, std::u16string_view name, KeyId& child)
{
    LONG error = RunWrite(connection_->Prepare("INSERT INTO keys (parent, depth, name, folded) VALUES (?, ?, ?, ?)")
                              .Bind(1, parent)
                              .Bind(2, parentDepth + 1)
                              .BindBlob(3, NameBlob(name))
                              .BindBlob(4, NameBlob(FoldName(name))));
    if (error == ERROR_SUCCESS) child = connection_->LastInsertId();
    return error;
}

// The key and every key below it.
#define DOOMED_KEYS                  \
    "WITH RECURSIVE doomed (id) AS " \
    "(SELECT ?1 UNION ALL SELECT keys.id FROM keys JOIN doomed ON keys.parent = doomed.id) "

LONG KeyStore::DeleteTree(KeyId key)
{
    LONG error = RunWrite(connection_->Prepare(DOOMED_KEYS "DELETE FROM key_values WHERE key IN doomed").Bind(1, key));
    if (error != ERROR_SUCCESS) return error;
    return RunWrite(connection_->Prepare(DOOMED_KEYS "DELETE FROM keys WHERE id IN doomed").Bind(1, key));
}

LONG KeyStore::ChildAt(KeyId parent, DWORD index, std::u16string& name)
{
    SqliteStatement statement =
        connection_->Prepare("SELECT name FROM keys WHERE parent = ? ORDER BY folded LIMIT 1 OFFSET ?");
    LONG error = StepToRow(statement.Bind(1, parent).Bind(2, index), ERROR_NO_MORE_ITEMS);
    if (error == ERROR_SUCCESS) name = NameColumn(statement, 0);
    return error;
}

LONG KeyStore::Children(KeyId parent, std::vector<StoredKey>& children)
{
    SqliteStatement statement = connection_->Prepare("SELECT id, name FROM keys WHERE parent = ? ORDER BY folded");
    statement.Bind(1, parent);
    int result;
    while ((result = statement.Step()) == SQLITE_ROW) {
        children.push_back({statement.Integer(0), NameColumn(statement, 1)});
    }
    return result == SQLITE_DONE ? ERROR_SUCCESS : ReadFailure(result);
}

LONG KeyStore::FindValue(KeyId key, std::u16string_view name, StoredValue& value)
{
    SqliteStatement statement =
        connection_->Prepare("SELECT name, type, data FROM key_values WHERE key = ? AND folded = ?");
    LONG error = StepToRow(statement.Bind(1, key).BindBlob(2, NameBlob(FoldName(name))), ERROR_FILE_NOT_FOUND);
    if (error == ERROR_SUCCESS) value = ReadValue(statement);
    return error;
}

LONG KeyStore::PutValue(KeyId key, std::u16string_view name, DWORD type, const BYTE* data, DWORD size)
{
    return RunWrite(connection_
                        ->Prepare(R"sql(
        INSERT INTO key_values (key, name, folded, type, data) VALUES (?, ?, ?, ?, ?)
        ON CONFLICT (key, folded) DO UPDATE SET type = excluded.type, data = excluded.data)sql")
                        .Bind(1, key)
                        .BindBlob(2, NameBlob(name))
                        .BindBlob(3, NameBlob(FoldName(name)))
                        .Bind(4, type)
                        .BindBlob(5, data, size));
}

LONG KeyStore::RemoveValue(KeyId key, std::u16string_view name)
{
    LONG error = RunWrite(connection_->Prepare("DELETE FROM key_values WHERE key = ? AND folded = ?")
                              .Bind(1, key)
                              .BindBlob(2, NameBlob(FoldName(name))));
    if (error == ERROR_SUCCESS && connection_->Changes() == 0) return ERROR_FILE_NOT_FOUND;
    return error;
}

LONG KeyStore::ValueAt(KeyId key, DWORD index, StoredValue& value)
{
    int64_t stamp = connection_->ChangeStamp();
    bool continues = valueCursor_.key == key && valueCursor_.index + 1 == index && valueCursor_.stamp == stamp;
    SqliteStatement statement =
        continues ? connection_->Prepare(
                        "SELECT name, type, data, id FROM key_values WHERE key = ? AND id > ? ORDER BY id LIMIT 1")
                  : connection_->Prepare(
                        "SELECT name, type, data, id FROM key_values WHERE key = ? ORDER BY id LIMIT 1 OFFSET ?");
    statement.Bind(1, key).Bind(2, continues ? valueCursor_.rowId : index);
    LONG error = StepToRow(statement, ERROR_NO_MORE_ITEMS);
    if (error != ERROR_SUCCESS) return error;
    value = ReadValue(statement);
    valueCursor_ = {key, index, statement.Integer(3), stamp};
    return ERROR_SUCCESS;
}

LONG KeyStore::Values(KeyId key, std::vector<StoredValue>& values)
{
    SqliteStatement statement =
        connection_->Prepare("SELECT name, type, data FROM key_values WHERE key = ? ORDER BY id");
    statement.Bind(1, key);
    int result;
    while ((result = statement.Step()) == SQLITE_ROW) values.push_back(ReadValue(statement));
    return result == SQLITE_DONE ? ERROR_SUCCESS : ReadFailure(result);
}

LONG KeyStore::Flush()
{
    int result = connection_->Checkpoint();
    return result == SQLITE_OK ? ERROR_SUCCESS : WriteFailure(result);
}

}  // namespace platform::registry
