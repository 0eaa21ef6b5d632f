// Writes the test library's bitmaps into the folder given, for the resource
// compiler.
#include <fstream>
#include <string>

#include "test_bitmaps.h"

namespace {

bool Write(const std::string& path, const DibSpec& spec)
{
    std::vector<BYTE> bytes = BuildBitmapFile(spec);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    std::string folder = argv[1];
    bool written = Write(folder + "/mono.bmp", kMonoBitmap) && Write(folder + "/four_bit.bmp", kFourBitBitmap) &&
                   Write(folder + "/eight_bit.bmp", kEightBitBitmap) &&
                   Write(folder + "/true_colour.bmp", kTrueColourBitmap);
    return written ? 0 : 1;
}
