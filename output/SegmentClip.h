#pragma once
// Cutting a line segment to a rectangle, for formats whose coordinates are narrower than the canvas's.
#include "views/Canvas.h"

#include <optional>
#include <utility>

namespace vartel {

struct ClipBox {
    int Left, Top, Right, Bottom; // inclusive
};

// The part of the segment a-b inside the box, or nothing when it misses the box. The ends are rounded to
// whole units, so the part keeps the segment's direction to within half a unit.
std::optional<std::pair<Point, Point>> ClipSegment(Point a, Point b, const ClipBox& box);

} // namespace vartel
