#include "host_file.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace {

std::string Why(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return "it does not exist";
    if (error) return error.message();
    if (status.type() == std::filesystem::file_type::directory) return "it is a folder";
    if (status.type() != std::filesystem::file_type::regular) return "it is not a regular file";
    return "no permission to read it";
}

std::string Unreadable(const std::filesystem::path& path, const std::string& why)
{
    return "cannot read host file " + FullHostPath(path) + ": " + why;
}

}  // namespace

std::string FullHostPath(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path.string() : absolute.lexically_normal().string();
}

Parsed<std::string> ReadHostFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return Parsed<std::string>::Failure(Unreadable(path, Why(path)));
    std::ifstream file(path, std::ios::binary);
    if (!file) return Parsed<std::string>::Failure(Unreadable(path, Why(path)));
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return Parsed<std::string>::Failure(Unreadable(path, "reading it failed"));
    return bytes;
}

std::optional<std::string> HostFileProblem(std::span<const ScriptWord> args, const std::filesystem::path& folder)
{
    for (const ScriptWord& word : args) {
        if (word.quoted || !word.text.starts_with('@')) continue;
        std::filesystem::path path = folder / word.text.substr(1);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) return Unreadable(path, Why(path));
    }
    return std::nullopt;
}
