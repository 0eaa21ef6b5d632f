#include "registry/handle_table.h"

namespace platform::registry {
namespace {

// Handles step by four, as the platform's do; the predefined roots start here.
constexpr uintptr_t kStep = 4;
constexpr uintptr_t kFirstRoot = 0x80000000;

uintptr_t Number(HKEY handle) { return reinterpret_cast<uintptr_t>(handle); }

}  // namespace

HKEY HandleTable::Add(KeyId key)
{
    if (next_ >= kFirstRoot) return nullptr;
    uintptr_t number = next_;
    open_.emplace(number, key);
    next_ += kStep;
    return reinterpret_cast<HKEY>(number);
}

bool HandleTable::Remove(HKEY handle) { return open_.erase(Number(handle)) > 0; }

std::optional<KeyId> HandleTable::Find(HKEY handle) const
{
    auto found = open_.find(Number(handle));
    if (found == open_.end()) return std::nullopt;
    return found->second;
}

void HandleTable::Clear() { open_.clear(); }

}  // namespace platform::registry
