#include "widgets/QtFont.h"

#include "views/FontFaces.h"

namespace vartel {

QString QtFamilyFor(const std::string& face)
{
    const FontFamily family = FamilyOf(face);
    return family == FontFamily::Other ? QString::fromStdString(face) : QString::fromLatin1(FamilyName(family));
}

QFont ToQFont(const Font& font, double deviceRatio)
{
    QFont result(QtFamilyFor(font.Face));
    result.setPixelSize(PixelSizeOf(font, deviceRatio));
    result.setBold(font.Bold);
    result.setStyleStrategy(QFont::NoAntialias);
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

} // namespace vartel
