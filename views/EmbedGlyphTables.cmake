# Writes the glyph tables (INPUT) as a C++ source (OUTPUT), so the program carries them and reads no file.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "// Made from ${INPUT} by EmbedGlyphTables.cmake.\n#include <cstddef>\nnamespace vartel {\nextern const unsigned char GlyphTableBytes[] = {${bytes}};\nextern const std::size_t GlyphTableSize = ${size};\n} // namespace vartel\n")
