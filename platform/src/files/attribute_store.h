// File attributes kept beside the files, which the host cannot hold: one
// SQLite table in the device image, keyed by the entry's host path below the
// file root. Nothing is cached, and every change commits at once, so another
// process on the same image (bootsip) sees it at once.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <windef.h>

struct sqlite3;

namespace platform::files {

class AttributeStore {
public:
    // Opens the store at PATH, creating it when missing; nullptr (and a
    // device fault) when it cannot.
    static std::unique_ptr<AttributeStore> Open(const std::string& path);
    ~AttributeStore();
    AttributeStore(const AttributeStore&) = delete;
    AttributeStore& operator=(const AttributeStore&) = delete;

    // The attributes recorded for KEY; none for an entry never given any.
    std::optional<DWORD> Find(const std::string& key) const;
    bool Set(const std::string& key, DWORD attributes);
    // Moves the records of KEY and of everything beneath it to NEWKEY.
    bool Move(const std::string& key, const std::string& newKey);
    // Forgets the records of KEY and of everything beneath it.
    bool Forget(const std::string& key);

private:
    explicit AttributeStore(sqlite3* db);
    // Failures of the store are the simulator's, not the caller's: they are
    // reported as device faults (and ERROR_GEN_FAILURE).
    bool Fault(const char* doing) const;

    sqlite3* db_;
};

}  // namespace platform::files
