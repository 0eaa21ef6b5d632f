// The registry's keys and values as the database holds them.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

#include "registry/key_id.h"
#include "registry/sqlite_connection.h"

namespace platform::registry {

struct StoredValue {
    std::u16string name;  // as first written: a rewrite keeps the spelling
    DWORD type;
    std::vector<BYTE> data;
};

struct StoredKey {
    KeyId id;
    std::u16string name;  // as created
};

// Every operation answers a platform error code. Names are matched without
// regard to case; subkeys are listed sorted by folded name, values in the
// order they were created. The caller wraps each call in a transaction.
class KeyStore {
public:
    // Null when PATH cannot be opened or is not a registry database.
    static std::unique_ptr<KeyStore> Open(const std::string& path);

    SqliteConnection& Connection() { return *connection_; }

    // ERROR_KEY_DELETED for a key that no longer exists.
    LONG CheckExists(KeyId key);
    // 0 for a root.
    LONG Depth(KeyId key, int& depth);
    LONG KeyName(KeyId key, std::u16string& name);
    LONG FindChild(KeyId parent, std::u16string_view name, KeyId& child);
    LONG AddChild(KeyId parent, int parentDepth, std::u16string_view name, KeyId& child);
    // Removes the key with all its subkeys and values.
    LONG DeleteTree(KeyId key);
    // ERROR_NO_MORE_ITEMS past the last subkey.
    LONG ChildAt(KeyId parent, DWORD index, std::u16string& name);
    LONG Children(KeyId parent, std::vector<StoredKey>& children);

    LONG FindValue(KeyId key, std::u16string_view name, StoredValue& value);
    // Adds the value, or rewrites the one of that name in its place.
    LONG PutValue(KeyId key, std::u16string_view name, DWORD type, const BYTE* data, DWORD size);
    LONG RemoveValue(KeyId key, std::u16string_view name);
    // ERROR_NO_MORE_ITEMS past the last value.
    LONG ValueAt(KeyId key, DWORD index, StoredValue& value);
    LONG Values(KeyId key, std::vector<StoredValue>& values);

    // Makes every committed change durable on disk.
    LONG Flush();

private:
    explicit KeyStore(std::unique_ptr<SqliteConnection> connection);

    // Where the last ValueAt stopped, so that a walk through the values
    // continues from there instead of counting from the first again.
    struct ValueCursor {
        KeyId key = 0;
        DWORD index = 0;
        int64_t rowId = 0;
        int64_t stamp = -1;
    };

    std::unique_ptr<SqliteConnection> connection_;
    ValueCursor valueCursor_;
};

}  // namespace platform::registry
