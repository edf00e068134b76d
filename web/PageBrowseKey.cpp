#include "web/PageBrowseKey.h"

namespace vartel {

std::optional<BrowseKey> PageBrowseKeyOf(const std::string& key, bool shift, bool otherModifiers)
{
    if (otherModifiers)
        return std::nullopt;
    if (key == "ArrowLeft")
        return shift ? BrowseKey::PageLeft : BrowseKey::Left;
    if (key == "ArrowRight")
        return shift ? BrowseKey::PageRight : BrowseKey::Right;
    if (key == "Home")
        return BrowseKey::Home;
    if (key == "End")
        return BrowseKey::End;
    if (key == " ")
        return BrowseKey::Freeze;
    if (key == "Escape")
        return BrowseKey::Present;
    return std::nullopt;
}

} // namespace vartel
