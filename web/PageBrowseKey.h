#pragma once
// The page's keys on the graph by their KeyboardEvent names, mapped as the window maps its keys.
#include "session/Browsing.h"

#include <optional>
#include <string>

namespace vartel {

// The browsing key of `key` ("ArrowLeft", "Home", " ", ...) with Shift held or not; none for other keys
// and for any other modifier held, which leaves the key to the browser.
std::optional<BrowseKey> PageBrowseKeyOf(const std::string& key, bool shift, bool otherModifiers);

} // namespace vartel
