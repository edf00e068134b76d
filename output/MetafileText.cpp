#include "output/MetafileText.h"

#include "widgets/QtFont.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>

namespace vartel {

std::string MetafileFaceName(const std::string& face)
{
    static const std::array<const char*, 5> known{"Times New Roman", "MS Sans Serif", "Courier New", "Courier",
                                                  "Arial"};
    const QString wanted = QString::fromStdString(face);
    for (const char* name : known)
        if (wanted.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return name;
    return face;
}

int FontPixelHeight(const Font& font)
{
    return std::max(1, ToQFont(font).pixelSize());
}

std::vector<int> CharacterAdvances(const Font& font, const QString& text)
{
    const QFontMetrics metrics(ToQFont(font));
    std::vector<int> advances(static_cast<std::size_t>(text.size()), 0);
    int before = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            continue; // the pair is measured at its second unit and credited to the first
        const int after = metrics.horizontalAdvance(text.left(i + 1));
        const qsizetype owner = (i > 0 && text.at(i).isLowSurrogate()) ? i - 1 : i;
        advances[static_cast<std::size_t>(owner)] = after - before;
        before = after;
    }
    return advances;
}

} // namespace vartel
