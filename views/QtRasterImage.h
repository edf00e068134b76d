#pragma once
// Where a RasterImage meets Qt: a QImage over its pixels without a copy (Format_RGB32 has the same
// layout), and a Qt image taken into one.
#include "views/RasterImage.h"

#include <QImage>

namespace vartel {

// Draws straight into `image`, which must outlive the result and keep its size meanwhile.
inline QImage WrappedForDrawing(RasterImage& image)
{
    return QImage(reinterpret_cast<uchar*>(image.Bits()), image.Width(), image.Height(),
                  static_cast<qsizetype>(image.Width()) * 4, QImage::Format_RGB32);
}

// Reads `image` without a copy; the result must not outlive it.
inline QImage WrappedForReading(const RasterImage& image)
{
    return QImage(reinterpret_cast<const uchar*>(image.Bits()), image.Width(), image.Height(),
                  static_cast<qsizetype>(image.Width()) * 4, QImage::Format_RGB32);
}

// A copy of `image` as a Qt image of its own.
inline QImage ToQImage(const RasterImage& image)
{
    return WrappedForReading(image).copy();
}

inline RasterImage ToRasterImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    RasterImage result(rgb.width(), rgb.height());
    for (int y = 0; y < result.Height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::copy(row, row + result.Width(), result.Row(y));
    }
    return result;
}

} // namespace vartel
