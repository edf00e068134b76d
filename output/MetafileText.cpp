#include "output/MetafileText.h"

#include "output/Utf16Text.h"
#include "views/TextMetrics.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vartel {

std::string MetafileFaceName(const std::string& face)
{
    static const std::array<const char*, 5> known{"Times New Roman", "MS Sans Serif", "Courier New", "Courier",
                                                  "Arial"};
    const auto sameLetters = [&face](const char* name) {
        return std::equal(
            face.begin(), face.end(), name, name + std::char_traits<char>::length(name), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            });
    };
    for (const char* name : known)
        if (sameLetters(name))
            return name;
    return face;
}

std::vector<int> CharacterAdvances(const Font& font, const std::u16string& text)
{
    const auto isHigh = [](char16_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::vector<int> advances(text.size(), 0);
    int before = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isHigh(text[i]) && i + 1 < text.size())
            continue; // the pair is measured at its second unit and credited to the first
        const int after = TextWidthOf(font, Utf8Of(std::u16string_view(text).substr(0, i + 1)));
        const std::size_t owner = (i > 0 && isLow(text[i])) ? i - 1 : i;
        advances[owner] = after - before;
        before = after;
    }
    return advances;
}

} // namespace vartel
