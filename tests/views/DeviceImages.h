#pragma once
// Views drawn at a device pixel ratio d, against their 1x drawing: the 1x picture enlarged on the device
// grid, and whether ink is made of whole enlarged 1x pixels (what pixel doubling gives) or drawn finer.
#include "views/RasterImage.h"

#include <QRect>

#include <cmath>
#include <ostream>

namespace vartel {

// A failed comparison names the sizes, not a dump of the pixels.
inline void PrintTo(const RasterImage& image, std::ostream* out)
{
    *out << image.Width() << " x " << image.Height() << " picture";
}

inline void PrintTo(const PixelSize& size, std::ostream* out)
{
    *out << size.Width << " x " << size.Height;
}

} // namespace vartel

namespace vartel::test {

// The first device pixel of logical pixel v (the canvas's edge rule).
inline int DeviceEdge(int v, double d)
{
    return static_cast<int>(std::floor(v * d + 0.5));
}

// The 1x picture enlarged: each 1x pixel fills the device pixels between its edges.
inline RasterImage Enlarged(const RasterImage& oneX, double d)
{
    RasterImage result(DeviceEdge(oneX.Width(), d), DeviceEdge(oneX.Height(), d));
    for (int y = 0; y < oneX.Height(); ++y)
        for (int x = 0; x < oneX.Width(); ++x)
            for (int dy = DeviceEdge(y, d); dy < DeviceEdge(y + 1, d); ++dy)
                for (int dx = DeviceEdge(x, d); dx < DeviceEdge(x + 1, d); ++dx)
                    result.Row(dy)[dx] = oneX.Row(y)[x];
    return result;
}

// The 1x pixels of `area` whose device pixels are not all of one colour: 0 for a pixel-doubled picture.
inline int MixedPixels(const RasterImage& device, const QRect& area, double d)
{
    int mixed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const Color first = device.PixelColor(DeviceEdge(x, d), DeviceEdge(y, d));
            bool uniform = true;
            for (int dy = DeviceEdge(y, d); dy < DeviceEdge(y + 1, d); ++dy)
                for (int dx = DeviceEdge(x, d); dx < DeviceEdge(x + 1, d); ++dx)
                    uniform = uniform && device.PixelColor(dx, dy) == first;
            mixed += !uniform;
        }
    return mixed;
}

// Device pixels of `area` (logical) that differ between two device images.
inline int DifferentPixels(const RasterImage& a, const RasterImage& b, const QRect& area, double d)
{
    int different = 0;
    for (int y = DeviceEdge(area.top(), d); y < DeviceEdge(area.bottom() + 1, d); ++y)
        for (int x = DeviceEdge(area.left(), d); x < DeviceEdge(area.right() + 1, d); ++x)
            different += a.PixelColor(x, y) != b.PixelColor(x, y);
    return different;
}

} // namespace vartel::test
