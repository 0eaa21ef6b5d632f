#include "registry/registry_store.h"

#include <memory>
#include <mutex>

#include <winerror.h>

#include "registry/call_log.h"
#include "registry/sqlite_errors.h"
#include "registry/sqlite_transaction.h"

namespace platform::registry {
namespace {

std::mutex registryLock;
std::unique_ptr<KeyStore> attached;
HandleTable handles;

bool Succeeded(LONG error) { return error == ERROR_SUCCESS || error == ERROR_MORE_DATA; }

LONG RunInTransaction(TransactionKind kind, const std::function<LONG(RegistrySession&)>& operation)
{
    SqliteTransaction transaction(attached->Connection(), kind);
    if (transaction.BeginResult() != SQLITE_OK) return PlatformError(transaction.BeginResult(), kind);
    RegistrySession session(*attached, handles);
    LONG error = operation(session);
    if (!Succeeded(error)) return error;
    int committed = transaction.Commit();
    if (committed != SQLITE_OK) return PlatformError(committed, kind);
    session.Keep();
    return error;
}

}  // namespace

bool Attach(const std::string& path)
{
    try {
        std::lock_guard<std::mutex> guard(registryLock);
        handles.Clear();
        device::ClearRegistryCalls();
        attached = KeyStore::Open(path);
        return attached != nullptr;
    } catch (...) {
        return false;
    }
}

void Detach()
{
    std::lock_guard<std::mutex> guard(registryLock);
    handles.Clear();
    attached.reset();
}

LONG Run(Access access, const std::function<LONG(RegistrySession&)>& operation)
{
    try {
        std::lock_guard<std::mutex> guard(registryLock);
        if (!attached) return ERROR_INVALID_HANDLE;
        if (access == Access::Direct) {
            RegistrySession session(*attached, handles);
            LONG error = operation(session);
            session.Keep();
            return error;
        }
        return RunInTransaction(access == Access::Write ? TransactionKind::Write : TransactionKind::Read, operation);
    } catch (...) {
        // Allocation is all that can throw in here.
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

std::u16string PathOfHandle(HKEY handle)
{
    std::u16string path;
    Run(Access::Direct, [&](RegistrySession& session) {
        path = session.PathOf(handle);
        return ERROR_SUCCESS;
    });
    return path;
}

}  // namespace platform::registry
