#include "registry/handle_table.h"

#include <utility>

namespace platform::registry {
namespace {

// Handles step by four, as the platform's do; the predefined roots start here.
constexpr uintptr_t kStep = 4;
constexpr uintptr_t kFirstRoot = 0x80000000;

uintptr_t Number(HKEY handle) { return reinterpret_cast<uintptr_t>(handle); }

}  // namespace

HKEY HandleTable::Add(OpenKey key)
{
    if (next_ >= kFirstRoot) return nullptr;
    uintptr_t number = next_;
    open_.emplace(number, std::move(key));
    next_ += kStep;
    return reinterpret_cast<HKEY>(number);
}

bool HandleTable::Remove(HKEY handle) { return open_.erase(Number(handle)) > 0; }

const OpenKey* HandleTable::Find(HKEY handle) const
{
    auto found = open_.find(Number(handle));
    return found == open_.end() ? nullptr : &found->second;
}

void HandleTable::Clear() { open_.clear(); }

}  // namespace platform::registry
