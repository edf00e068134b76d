#pragma once
// Text metrics in pixels, as the raster canvas's TextWidth and TextHeight report them (height = ascent +
// descent). The metafile writers measure through here, so a saved picture lays out like the screen.
#include "views/Canvas.h"

#include <string>

namespace vartel {

int TextWidthOf(const Font& font, const std::string& text);
int TextHeightOf(const Font& font, const std::string& text);

} // namespace vartel
