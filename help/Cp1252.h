#pragma once
// The Western European Windows code page, the one the help document's \'hh escapes are written in.

namespace vartel {

// The Unicode character of one byte of code page 1252. The five bytes the code page leaves undefined
// are given their C1 control code, as the system's own converter does.
char16_t Cp1252ToUnicode(unsigned char byte);

} // namespace vartel
