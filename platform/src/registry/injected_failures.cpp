#include "registry/injected_failures.h"

#include <vector>

#include <crtwide.h>
#include <device/registry_failures.h>

namespace {

struct Failure {
    std::string function;
    std::u16string key;
    std::u16string name;
    LONG error;
};

std::vector<Failure> failures;

bool SameName(const std::u16string& a, const std::u16string& b) { return _wcsicmp(a.c_str(), b.c_str()) == 0; }

}  // namespace

namespace platform::registry {

std::optional<LONG> InjectedFailure(const char* function, const std::u16string& path, const std::u16string& name)
{
    for (const Failure& failure : failures) {
        if (failure.function == function && SameName(failure.key, path) && SameName(failure.name, name))
            return failure.error;
    }
    return std::nullopt;
}

void ClearInjectedFailures() { failures.clear(); }

}  // namespace platform::registry

namespace device {

void FailRegistryCall(const std::string& function, const std::u16string& key, const std::u16string& name, LONG error)
{
    failures.push_back({function, key, name, error});
}

}  // namespace device
