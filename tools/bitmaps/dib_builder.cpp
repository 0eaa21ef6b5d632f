#include "dib_builder.h"

namespace {

void PutWord(std::vector<BYTE>& out, uint32_t value)
{
    out.push_back(static_cast<BYTE>(value));
    out.push_back(static_cast<BYTE>(value >> 8));
}

void PutDword(std::vector<BYTE>& out, uint32_t value)
{
    PutWord(out, value & 0xFFFF);
    PutWord(out, value >> 16);
}

std::vector<BYTE> PackRow(const DibSpec& spec, int y)
{
    size_t rowBytes = (static_cast<size_t>(spec.width) * spec.bitsPerPixel + 31) / 32 * 4;
    std::vector<BYTE> row(rowBytes, 0);
    for (int x = 0; x < spec.width; ++x) {
        uint32_t pixel = spec.pixels[static_cast<size_t>(y) * spec.width + x];
        if (spec.bitsPerPixel == 24) {
            row[x * 3] = GetBValue(pixel);
            row[x * 3 + 1] = GetGValue(pixel);
            row[x * 3 + 2] = GetRValue(pixel);
            continue;
        }
        int perByte = 8 / spec.bitsPerPixel;
        int shift = 8 - spec.bitsPerPixel * (x % perByte + 1);
        row[x / perByte] |= static_cast<BYTE>(pixel << shift);
    }
    return row;
}

}  // namespace

std::vector<BYTE> BuildDib(const DibSpec& spec)
{
    std::vector<BYTE> out;
    PutDword(out, 40);
    PutDword(out, static_cast<uint32_t>(spec.width));
    PutDword(out, static_cast<uint32_t>(spec.topDown ? -spec.height : spec.height));
    PutWord(out, 1);
    PutWord(out, static_cast<uint32_t>(spec.bitsPerPixel));
    for (int field = 0; field < 4; ++field) PutDword(out, 0);  // compression, image size, resolution
    PutDword(out, static_cast<uint32_t>(spec.palette.size()));
    PutDword(out, 0);
    for (COLORREF colour : spec.palette) {
        out.push_back(GetBValue(colour));
        out.push_back(GetGValue(colour));
        out.push_back(GetRValue(colour));
        out.push_back(0);
    }
    for (int i = 0; i < spec.height; ++i) {
        std::vector<BYTE> row = PackRow(spec, spec.topDown ? i : spec.height - 1 - i);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<BYTE> BuildBitmapFile(const DibSpec& spec)
{
    std::vector<BYTE> dib = BuildDib(spec);
    constexpr uint32_t kFileHeaderSize = 14;
    std::vector<BYTE> out{'B', 'M'};
    PutDword(out, kFileHeaderSize + static_cast<uint32_t>(dib.size()));
    PutDword(out, 0);
    PutDword(out, kFileHeaderSize + 40 + static_cast<uint32_t>(spec.palette.size()) * 4);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}
