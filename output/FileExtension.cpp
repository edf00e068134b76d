#include "output/FileExtension.h"

#include <algorithm>
#include <cctype>

namespace vartel {

std::string UpperExtension(const std::string& fileName)
{
    const std::size_t nameStart = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return {};
    std::string extension = fileName.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

} // namespace vartel
