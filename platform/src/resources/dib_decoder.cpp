#include "resources/dib_decoder.h"

#include <cstring>
#include <optional>
#include <vector>

namespace platform::resources {

namespace {

constexpr DWORD kInfoHeaderSize = 40;
constexpr DWORD kUncompressed = 0;  // BI_RGB
// Far beyond any bitmap of a 240 x 320 device, and small enough that no
// size computation below can overflow.
constexpr LONG kLargestSide = 4096;

struct InfoHeader {
    DWORD size;
    LONG width;
    LONG height;
    WORD planes;
    WORD bitCount;
    DWORD compression;
    DWORD sizeImage;
    LONG xPelsPerMeter;
    LONG yPelsPerMeter;
    DWORD colorsUsed;
    DWORD colorsImportant;
};
static_assert(sizeof(InfoHeader) == kInfoHeaderSize);

// The palette as colours, the layout of the rows, and where they start.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::vector<COLORREF> palette;
    size_t rowBytes = 0;
    size_t pixelsAt = 0;
};

DecodedDib Failure(const std::string& what) { return {nullptr, "not a sound bitmap: " + what}; }

bool IsSupportedDepth(WORD bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24; }

std::string CheckHeader(const InfoHeader& header, size_t dataSize)
{
    if (header.size < kInfoHeaderSize || header.size > dataSize) return "header size " + std::to_string(header.size);
    if (header.planes != 1) return std::to_string(header.planes) + " planes";
    if (!IsSupportedDepth(header.bitCount)) return std::to_string(header.bitCount) + " bits per pixel";
    if (header.compression != kUncompressed) return "compression " + std::to_string(header.compression);
    if (header.width <= 0 || header.width > kLargestSide || header.height == 0 || header.height > kLargestSide ||
        header.height < -kLargestSide)
        return "size " + std::to_string(header.width) + " x " + std::to_string(header.height);
    if (header.bitCount <= 8 && header.colorsUsed > (1u << header.bitCount))
        return std::to_string(header.colorsUsed) + " palette entries for " + std::to_string(header.bitCount) +
               " bits per pixel";
    if (header.colorsUsed > 256) return std::to_string(header.colorsUsed) + " palette entries";
    return {};
}

// Palette entries are blue, green, red, reserved.
std::vector<COLORREF> ReadPalette(std::span<const BYTE> entries)
{
    std::vector<COLORREF> palette;
    for (size_t at = 0; at + 4 <= entries.size(); at += 4)
        palette.push_back(RGB(entries[at + 2], entries[at + 1], entries[at]));
    return palette;
}

std::optional<Layout> ReadLayout(const InfoHeader& header, std::span<const BYTE> data, std::string& error)
{
    Layout layout;
    layout.width = header.width;
    layout.height = header.height < 0 ? -header.height : header.height;
    layout.topDown = header.height < 0;
    layout.bitsPerPixel = header.bitCount;
    size_t paletteSize = header.colorsUsed ? header.colorsUsed : header.bitCount <= 8 ? 1u << header.bitCount : 0;
    size_t paletteBytes = paletteSize * 4;
    if (data.size() - header.size < paletteBytes) {
        error = "the palette runs past the end";
        return std::nullopt;
    }
    layout.palette = ReadPalette(data.subspan(header.size, paletteBytes));
    layout.rowBytes = (static_cast<size_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
    layout.pixelsAt = header.size + paletteBytes;
    if (data.size() - layout.pixelsAt < layout.rowBytes * layout.height) {
        error = "the pixel rows run past the end";
        return std::nullopt;
    }
    return layout;
}

// An index beyond the palette shows black, as on the platform.
COLORREF PixelColour(const Layout& layout, std::span<const BYTE> row, int x)
{
    if (layout.bitsPerPixel == 24) {
        size_t at = static_cast<size_t>(x) * 3;
        return RGB(row[at + 2], row[at + 1], row[at]);
    }
    int bits = layout.bitsPerPixel;
    int perByte = 8 / bits;
    int shift = 8 - bits * (x % perByte + 1);
    size_t index = (row[x / perByte] >> shift) & ((1 << bits) - 1);
    return index < layout.palette.size() ? layout.palette[index] : RGB(0, 0, 0);
}

}  // namespace

DecodedDib DecodeDib(std::span<const BYTE> data)
{
    InfoHeader header;
    if (data.size() < sizeof header) return Failure("the header is cut short");
    std::memcpy(&header, data.data(), sizeof header);
    if (std::string problem = CheckHeader(header, data.size()); !problem.empty()) return Failure(problem);
    std::string error;
    std::optional<Layout> layout = ReadLayout(header, data, error);
    if (!layout) return Failure(error);

    auto bitmap = std::make_unique<gdi::Bitmap>(layout->width, layout->height, layout->bitsPerPixel);
    for (int y = 0; y < layout->height; ++y) {
        int storedRow = layout->topDown ? y : layout->height - 1 - y;
        std::span<const BYTE> row = data.subspan(layout->pixelsAt + storedRow * layout->rowBytes, layout->rowBytes);
        for (int x = 0; x < layout->width; ++x) bitmap->SetPixel(x, y, PixelColour(*layout, row, x));
    }
    return {std::move(bitmap), {}};
}

}  // namespace platform::resources
