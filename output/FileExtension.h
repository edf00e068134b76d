#pragma once
// The extension of a file name, which chooses what a saved file holds.
#include <string>

namespace vartel {

// Upper case with its dot (".JPG"); "" when the name's last part has none.
std::string UpperExtension(const std::string& fileName);

} // namespace vartel
