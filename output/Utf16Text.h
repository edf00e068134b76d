#pragma once
// UTF-8 text as the metafiles store it, in UTF-16 units, and back.
#include <string>
#include <string_view>

namespace vartel {

// Each byte that is not part of a valid UTF-8 sequence becomes U+FFFD.
std::u16string Utf16Of(std::string_view utf8);
// An unpaired surrogate becomes U+FFFD.
std::string Utf8Of(std::u16string_view units);
// One byte per unit; a unit above U+00FF becomes '?'.
std::string Latin1Of(std::u16string_view units);

} // namespace vartel
