#include "widgets/Fonts.h"

#include <QString>

namespace vartel {

namespace {

const QString SansFamily = QStringLiteral("Liberation Sans");

// Weight and slant left to the font's defaults, so a widget's font does not set them.
QFont SizedFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic)
{
    QFont font = SizedFont(family, pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

QFont SansFont(int pixels, bool bold, bool italic)
{
    QFont font = PixelFont(SansFamily, pixels, bold, italic);
    // The main window's captions were fitted to a narrower face; a slightly condensed one keeps them whole.
    font.setStretch(90);
    return font;
}

QFont UnstretchedSansFont(int pixels)
{
    return SizedFont(SansFamily, pixels);
}

QFont SerifFont(int pixels)
{
    return PixelFont(QStringLiteral("Liberation Serif"), pixels, false, false);
}

QFont MonoFont(int pixels, bool bold)
{
    return PixelFont(QStringLiteral("Liberation Mono"), pixels, bold, false);
}

} // namespace vartel
