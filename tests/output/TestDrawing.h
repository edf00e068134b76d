#pragma once
// A small drawing with every kind of call the views make, for the picture writers' tests.
#include "views/Canvas.h"

namespace vartel::test {

constexpr int TestDrawingWidth = 400;
constexpr int TestDrawingHeight = 200;

// Background and outline-only rectangles, a filled marker, a dotted line, a wide curve, a wide dotted
// line, and texts on a solid and on a clear brush.
void DrawTestPicture(Canvas& c);

} // namespace vartel::test
