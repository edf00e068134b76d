#pragma once
// Text as the metafile writers record it: the face name as the system knows it, the em height in pixels
// and per-character advances measured with the same font as the screen, so a saved picture lays out
// like the view.
#include "views/Canvas.h"

#include <QString>
#include <string>
#include <vector>

namespace vartel {

// "times new roman" -> "Times New Roman"; faces the program does not use are kept as written.
std::string MetafileFaceName(const std::string& face);
// The character (em) height in pixels of a font of `points` points at 96 dpi, at least 1.
int FontPixelHeight(const Font& font);

// One advance per UTF-16 unit of `text`, summing to its width; the second unit of a pair gets 0.
std::vector<int> CharacterAdvances(const Font& font, const QString& text);

} // namespace vartel
