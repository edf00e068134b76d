#include "output/SegmentClip.h"

#include "model/Rounding.h"

namespace vartel {

std::optional<std::pair<Point, Point>> ClipSegment(Point a, Point b, const ClipBox& box)
{
    // Liang-Barsky: the segment is a + t(b - a) for t in [0, 1]; each box edge narrows the range of t.
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(a.x) - box.Left, static_cast<double>(box.Right) - a.x,
                         static_cast<double>(a.y) - box.Top, static_cast<double>(box.Bottom) - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt; // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return std::nullopt;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return std::nullopt;
            if (t < t1)
                t1 = t;
        }
    }
    auto at = [&](double t) {
        return Point{static_cast<int>(RoundEvenToInt(a.x + t * dx)), static_cast<int>(RoundEvenToInt(a.y + t * dy))};
    };
    return std::make_pair(t0 == 0.0 ? a : at(t0), t1 == 1.0 ? b : at(t1));
}

} // namespace vartel
