// The manifest the cabinet installer reads from a package folder: a scratch
// host folder holding the manifest and the files the packages name, made
// once and removed when the fuzzer ends.
//
// Input: the text of "manifest.txt".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "setup/package_manifest.h"

namespace fs = std::filesystem;

namespace {

const char* const kPackageFiles[] = {"pkgsetup.dll", "finkeys.dll",  "qvpen.dll",      "bootsip.exe",
                                     "localizer.cpl", "reboot.exe",  "mui_1.bin",      "plENU.htm",
                                     "plRUS.htm",     "plHEB.htm",   "wince.nl_",      "qvcour.tt_",
                                     "qvtahoma.tt_",  "qvtahomabd.tt_"};

class PackageFolder {
public:
    PackageFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "fuzz_manifest.XXXXXX").string();
        if (!mkdtemp(pattern.data())) abort();
        folder = pattern;
        for (const char* name : kPackageFiles) std::ofstream(folder / name) << name;
    }
    ~PackageFolder()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    PackageFolder(const PackageFolder&) = delete;
    PackageFolder& operator=(const PackageFolder&) = delete;

    void WriteManifest(const uint8_t* data, size_t size) const
    {
        std::ofstream(folder / "manifest.txt", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    std::string Path() const { return folder.string(); }

private:
    fs::path folder;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const PackageFolder package;
    package.WriteManifest(data, size);
    platform::setup::ReadManifest(package.Path());
    return 0;
}
