// text_art_bitmap ART BMP: draws a text-art file as a .bmp for the resource
// compiler.
#include <fstream>
#include <iostream>
#include <sstream>

#include "text_art.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: text_art_bitmap ART BMP\n";
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    std::stringstream text;
    text << input.rdbuf();
    if (!input) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    TextArt art = ReadTextArt(text.str());
    if (!art.error.empty()) {
        std::cerr << argv[1] << ": " << art.error << "\n";
        return 1;
    }
    std::vector<BYTE> bytes = BuildBitmapFile(art.bitmap);
    std::ofstream output(argv[2], std::ios::binary);
    output.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!output) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
