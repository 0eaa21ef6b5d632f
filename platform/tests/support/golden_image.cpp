#include "golden_image.h"

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

bool Regenerating()
{
    const char* value = std::getenv("LEXOVIA_REGENERATE_GOLDEN");
    return value && std::string(value) == "1";
}

std::string FailurePath(const std::string& referencePath, const std::string& suffix)
{
    fs::path folder(GOLDEN_FAILURE_FOLDER);
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return (folder / (fs::path(referencePath).stem().string() + suffix)).string();
}

// Differing pixels red; matching ones a pale grey of their own brightness.
device::Image Difference(const device::Image& actual, const device::Image& expected)
{
    device::Image difference = actual;
    for (size_t i = 0; i < actual.pixels.size(); ++i) {
        COLORREF pixel = actual.pixels[i];
        if (pixel != expected.pixels[i]) {
            difference.pixels[i] = RGB(255, 0, 0);
            continue;
        }
        int grey = 160 + (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 9;
        difference.pixels[i] = RGB(grey, grey, grey);
    }
    return difference;
}

std::string Saved(const device::Image& image, const std::string& path)
{
    std::string error;
    return device::SavePng(image, path, error) ? path : "(not written: " + error + ")";
}

::testing::AssertionResult Regenerate(const device::Image& actual, const std::string& referencePath)
{
    std::error_code ignored;
    fs::create_directories(fs::path(referencePath).parent_path(), ignored);
    std::string error;
    if (!device::SavePng(actual, referencePath, error)) return ::testing::AssertionFailure() << error;
    return ::testing::AssertionSuccess() << "regenerated " << referencePath;
}

size_t CountDifferences(const device::Image& actual, const device::Image& expected, size_t& first)
{
    size_t count = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i)
        if (actual.pixels[i] != expected.pixels[i] && count++ == 0) first = i;
    return count;
}

}  // namespace

::testing::AssertionResult MatchesGolden(const device::Image& actual, const std::string& referencePath)
{
    if (Regenerating()) return Regenerate(actual, referencePath);
    device::Image expected;
    std::string error;
    if (!device::LoadPng(referencePath, expected, error))
        return ::testing::AssertionFailure()
               << "no usable reference: " << error << "; actual image: " << Saved(actual, FailurePath(referencePath, ".actual.png"))
               << "; run with LEXOVIA_REGENERATE_GOLDEN=1 to write the reference";
    if (expected.width != actual.width || expected.height != actual.height)
        return ::testing::AssertionFailure()
               << "size " << actual.width << " x " << actual.height << ", reference " << expected.width << " x "
               << expected.height << "; actual image: " << Saved(actual, FailurePath(referencePath, ".actual.png"));
    size_t first = 0;
    size_t differing = CountDifferences(actual, expected, first);
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differing << " pixels differ from " << referencePath << ", the first at (" << first % actual.width
           << ", " << first / actual.width << "); actual image: "
           << Saved(actual, FailurePath(referencePath, ".actual.png"))
           << ", difference: " << Saved(Difference(actual, expected), FailurePath(referencePath, ".diff.png"));
}
