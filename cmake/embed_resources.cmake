# Turns a binary resource file into a C++ source exporting its bytes under
# the names the platform's loader looks for.
# Usage: cmake -DINPUT=file.res -DOUTPUT=file.cpp -P embed_resources.cmake
file(READ ${INPUT} content HEX)
string(LENGTH "${content}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," content "${content}")
file(WRITE ${OUTPUT}
"#include <cstddef>
extern \"C\" {
extern __attribute__((visibility(\"default\"))) const unsigned char lexovia_resources[];
extern __attribute__((visibility(\"default\"))) const std::size_t lexovia_resources_size;
}
// Aligned as the format's own records are, so resource data can be read in place.
alignas(8) const unsigned char lexovia_resources[] = {${content}};
const std::size_t lexovia_resources_size = ${size};
")
