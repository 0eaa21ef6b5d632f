// Reading a container back into its entries, checking it on the way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mui_container {

struct StoredEntry {
    uint64_t offset;  // of its header in the container
    std::string name;
    uint32_t attributes;
    std::string data;  // unscrambled
};

struct Damage {
    uint64_t offset;  // where the fault lies
    std::string what;
};

struct Contents {
    std::vector<StoredEntry> entries;  // the sound entries before any damage
    std::optional<Damage> damage;
};

// The entries of the container BYTES, up to the first fault: trailing bytes
// too few for a header, a name that cannot name a file, or a data length
// beyond the end.
Contents ReadContainer(std::string_view bytes);

}  // namespace mui_container
