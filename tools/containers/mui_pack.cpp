// mui_pack OUTPUT FOLDER: packs the files of FOLDER into the container
// OUTPUT ("mui_1.bin"), checking the result by reading it back.
#include <fstream>
#include <iostream>

#include "container_packer.h"
#include "container_reader.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: mui_pack OUTPUT FOLDER\n";
        return 2;
    }
    mui_container::Packed packed = mui_container::PackFolder(argv[2]);
    if (packed.error) {
        std::cerr << "mui_pack: " << *packed.error << "\n";
        return 1;
    }
    mui_container::Contents check = mui_container::ReadContainer(packed.bytes);
    if (check.damage) {
        std::cerr << "mui_pack: " << argv[1] << ": byte offset " << check.damage->offset << ": "
                  << check.damage->what << "\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(packed.bytes.data(), static_cast<std::streamsize>(packed.bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "mui_pack: " << argv[1] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
