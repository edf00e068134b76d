#include "views/TextMetrics.h"

#include "views/GlyphAtlas.h"

namespace vartel {

int TextWidthOf(const Font& font, const std::string& text)
{
    return MeasuringFont(font).Width(GlyphsOf(text));
}

int TextHeightOf(const Font& font, const std::string&)
{
    return MeasuringFont(font).Height;
}

} // namespace vartel
