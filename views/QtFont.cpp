#include "views/QtFont.h"

#include "model/Rounding.h"
#include "views/TextMetrics.h"

#include <QFontMetrics>

#include <algorithm>
#include <cctype>

namespace vartel {

namespace {

std::string Lowered(const std::string& text)
{
    std::string lowered = text;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

} // namespace

QString QtFamilyFor(const std::string& face)
{
    // The faces the program asks for, mapped to installed fonts with the same metrics.
    const std::string key = Lowered(face);
    if (key == "times new roman")
        return QStringLiteral("Liberation Serif");
    if (key == "ms sans serif" || key == "arial")
        return QStringLiteral("Liberation Sans");
    if (key == "courier" || key == "courier new")
        return QStringLiteral("Liberation Mono");
    return QString::fromStdString(face);
}

QFont ToQFont(const Font& font, double deviceRatio)
{
    QFont result(QtFamilyFor(font.Face));
    int pixels = static_cast<int>(RoundEvenToInt(font.Size * 96.0 / 72.0));
    if (deviceRatio > 1.0)
        pixels = static_cast<int>(RoundEvenToInt(pixels * deviceRatio));
    result.setPixelSize(std::max(1, pixels));
    result.setBold(font.Bold);
    result.setStyleStrategy(QFont::NoAntialias);
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

int TextWidthOf(const Font& font, const std::string& text)
{
    return QFontMetrics(ToQFont(font)).horizontalAdvance(QString::fromStdString(text));
}

int TextHeightOf(const Font& font, const std::string&)
{
    return QFontMetrics(ToQFont(font)).height();
}

} // namespace vartel
