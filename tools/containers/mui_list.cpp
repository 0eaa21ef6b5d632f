// mui_list CONTAINER: lists the entries of a container (offset, attributes,
// length, name) and checks it; a damaged container fails naming the byte
// offset of the fault.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "container_reader.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: mui_list CONTAINER\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "mui_list: " << argv[1] << ": cannot be read\n";
        return 1;
    }
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    mui_container::Contents contents = mui_container::ReadContainer(bytes);
    for (const mui_container::StoredEntry& entry : contents.entries)
        std::printf("%10llu  0x%08X %10zu  %s\n", static_cast<unsigned long long>(entry.offset), entry.attributes,
                    entry.data.size(), entry.name.c_str());
    if (contents.damage) {
        std::fflush(stdout);
        std::cerr << "mui_list: " << argv[1] << ": byte offset " << contents.damage->offset << ": "
                  << contents.damage->what << "\n";
        return 1;
    }
    std::printf("%zu entries, %zu bytes\n", contents.entries.size(), bytes.size());
    return 0;
}
