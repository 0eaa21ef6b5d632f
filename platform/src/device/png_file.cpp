#include <device/image.h>

#include <png.h>

namespace device {

namespace {

constexpr int kChannels = 3;
// Far beyond any picture of the device; keeps a hostile file from asking for
// memory without end.
constexpr png_uint_32 kLargestSide = 16384;

std::vector<png_byte> RgbBytes(const Image& image)
{
    std::vector<png_byte> bytes;
    bytes.reserve(image.pixels.size() * kChannels);
    for (COLORREF pixel : image.pixels) {
        bytes.push_back(GetRValue(pixel));
        bytes.push_back(GetGValue(pixel));
        bytes.push_back(GetBValue(pixel));
    }
    return bytes;
}

bool IsWhole(const Image& image)
{
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() == static_cast<size_t>(image.width) * image.height;
}

png_image Writer(const Image& image)
{
    png_image writer{};
    writer.version = PNG_IMAGE_VERSION;
    writer.width = static_cast<png_uint_32>(image.width);
    writer.height = static_cast<png_uint_32>(image.height);
    writer.format = PNG_FORMAT_RGB;
    return writer;
}

}  // namespace

bool SavePng(const Image& image, const std::string& hostPath, std::string& error)
{
    if (!IsWhole(image)) {
        error = "cannot write an empty image to " + hostPath;
        return false;
    }
    png_image writer = Writer(image);
    std::vector<png_byte> bytes = RgbBytes(image);
    if (png_image_write_to_file(&writer, hostPath.c_str(), 0, bytes.data(), 0, nullptr)) return true;
    error = "could not write " + hostPath + ": " + writer.message;
    png_image_free(&writer);
    return false;
}

std::string EncodePng(const Image& image)
{
    if (!IsWhole(image)) return {};
    png_image writer = Writer(image);
    std::vector<png_byte> bytes = RgbBytes(image);
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&writer, nullptr, &size, 0, bytes.data(), 0, nullptr)) return {};
    std::string png(size, '\0');
    if (png_image_write_to_memory(&writer, png.data(), &size, 0, bytes.data(), 0, nullptr)) {
        png.resize(size);
        return png;
    }
    png_image_free(&writer);
    return {};
}

bool LoadPng(const std::string& hostPath, Image& image, std::string& error)
{
    png_image reader{};
    reader.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&reader, hostPath.c_str())) {
        error = "could not read " + hostPath + ": " + reader.message;
        return false;
    }
    if (reader.width > kLargestSide || reader.height > kLargestSide) {
        error = hostPath + " is too large: " + std::to_string(reader.width) + " x " + std::to_string(reader.height);
        png_image_free(&reader);
        return false;
    }
    reader.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(reader));
    if (!png_image_finish_read(&reader, nullptr, bytes.data(), 0, nullptr)) {
        error = "could not read " + hostPath + ": " + reader.message;
        png_image_free(&reader);
        return false;
    }
    image = {static_cast<int>(reader.width), static_cast<int>(reader.height), {}};
    image.pixels.reserve(bytes.size() / kChannels);
    for (size_t at = 0; at + kChannels <= bytes.size(); at += kChannels)
        image.pixels.push_back(RGB(bytes[at], bytes[at + 1], bytes[at + 2]));
    return true;
}

}  // namespace device
