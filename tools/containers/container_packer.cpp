#include "container_packer.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "container_format.h"

namespace fs = std::filesystem;

namespace mui_container {
namespace {

std::optional<std::string> ReadWhole(const fs::path& file, std::string& bytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) return file.string() + ": cannot be read";
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) return file.string() + ": cannot be read";
    if (bytes.size() > UINT32_MAX) return file.string() + ": 4 GB or more, too large for an entry";
    return std::nullopt;
}

}  // namespace

Packed PackFolder(const fs::path& folder)
{
    std::error_code error;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        files.push_back(it->path());
    if (error) return {{}, folder.string() + ": " + error.message()};
    std::sort(files.begin(), files.end());

    Packed packed;
    for (const fs::path& file : files) {
        std::string name = file.filename().string();
        if (!fs::is_regular_file(fs::symlink_status(file, error))) return {{}, file.string() + ": not a file"};
        if (std::optional<std::string> problem = NameProblem(name)) return {{}, file.string() + ": " + *problem};
        std::string data;
        if (std::optional<std::string> failure = ReadWhole(file, data)) return {{}, *failure};
        packed.bytes += EntryBytes(name, data);
    }
    return packed;
}

}  // namespace mui_container
