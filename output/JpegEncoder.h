#pragma once
#include <QImage>
#include <string>

namespace vartel {

// Encodes `image` as a baseline colour JPEG (libjpeg defaults) at `quality` 0..100 into `out`.
// Returns "" on success, otherwise libjpeg's reason; never ends the process.
std::string EncodeJpeg(const QImage& image, int quality, std::string& out);

} // namespace vartel
