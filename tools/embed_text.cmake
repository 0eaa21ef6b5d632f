# Turns a text file into a C++ source defining it as a character array.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DSYMBOL=name -P embed_text.cmake
file(READ ${INPUT} content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," content "${content}")
file(WRITE ${OUTPUT} "extern const char ${SYMBOL}[] = {${content} 0};\n")
