#pragma once
// Views drawn at a device pixel ratio d, against their 1x drawing: the 1x picture enlarged on the device
// grid, and whether ink is made of whole enlarged 1x pixels (what pixel doubling gives) or drawn finer.
#include <QImage>
#include <QRect>

#include <cmath>

namespace vartel::test {

// The first device pixel of logical pixel v (the canvas's edge rule).
inline int DeviceEdge(int v, double d)
{
    return static_cast<int>(std::floor(v * d + 0.5));
}

// The 1x picture enlarged: each 1x pixel fills the device pixels between its edges.
inline QImage Enlarged(const QImage& oneX, double d)
{
    QImage result(DeviceEdge(oneX.width(), d), DeviceEdge(oneX.height(), d), QImage::Format_RGB32);
    for (int y = 0; y < oneX.height(); ++y)
        for (int x = 0; x < oneX.width(); ++x)
            for (int dy = DeviceEdge(y, d); dy < DeviceEdge(y + 1, d); ++dy)
                for (int dx = DeviceEdge(x, d); dx < DeviceEdge(x + 1, d); ++dx)
                    result.setPixel(dx, dy, oneX.pixel(x, y));
    return result;
}

// The 1x pixels of `area` whose device pixels are not all of one colour: 0 for a pixel-doubled picture.
inline int MixedPixels(const QImage& device, const QRect& area, double d)
{
    int mixed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb first = device.pixel(DeviceEdge(x, d), DeviceEdge(y, d));
            bool uniform = true;
            for (int dy = DeviceEdge(y, d); dy < DeviceEdge(y + 1, d); ++dy)
                for (int dx = DeviceEdge(x, d); dx < DeviceEdge(x + 1, d); ++dx)
                    uniform = uniform && device.pixel(dx, dy) == first;
            mixed += !uniform;
        }
    return mixed;
}

// Device pixels of `area` (logical) that differ between two device images.
inline int DifferentPixels(const QImage& a, const QImage& b, const QRect& area, double d)
{
    int different = 0;
    for (int y = DeviceEdge(area.top(), d); y < DeviceEdge(area.bottom() + 1, d); ++y)
        for (int x = DeviceEdge(area.left(), d); x < DeviceEdge(area.right() + 1, d); ++x)
            different += a.pixel(x, y) != b.pixel(x, y);
    return different;
}

} // namespace vartel::test
