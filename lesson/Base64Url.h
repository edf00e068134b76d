#pragma once
// Base64 with the URL alphabet ("-" and "_" for "+" and "/") and no "=" padding (RFC 4648, section 5), as a
// link's fragment carries data.
#include <optional>
#include <string>
#include <string_view>

namespace vartel {

std::string EncodeBase64Url(std::string_view bytes);
// No value for a character outside the alphabet, padding, or a length no encoding has (4n + 1).
std::optional<std::string> DecodeBase64Url(std::string_view text);

} // namespace vartel
