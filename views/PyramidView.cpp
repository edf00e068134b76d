#include "views/PyramidView.h"

#include "views/Labels.h"

#include <algorithm>
#include <string>

namespace vartel {

namespace {

constexpr Color Background = Rgb(255, 246, 241);
constexpr Color Blue = Rgb(0, 0, 255);

Color BandColor(int k)
{
    if (k <= 2)
        return Rgb(221, 255, 221); // children, 0-14
    if (k <= 12)
        return Rgb(250, 250, 144); // adults, 15-64
    return Rgb(238, 224, 208);     // elderly, 65-109
}

} // namespace

void DrawPyramid(Canvas& c, const SimulationState& st, int year, int s)
{
    const auto& classes = st.PyramidHistory[std::clamp(year, 0, MaxYear)];
    const int W = PyramidWidth * s, H = PyramidHeight * s;
    const int L = ((H - 20 * s) * 5) / 109; // layer height
    const int y0 = H - 10 * s;              // age-0 line
    const int cx = W / 2 + 15 * s;          // centre line

    c.font.Face = "times new roman";
    c.font.Size = 10 * s;
    c.pen.Color = Background;
    c.pen.Style = PenStyle::Solid;
    c.brush = {Background, BrushStyle::Solid};
    c.Rectangle(0, 0, W, H);

    c.pen = {Blue, s, PenStyle::Dot};
    const int lines[] = {y0, y0 - 3 * L, y0 - 13 * L};
    for (int y : lines) {
        c.MoveTo(25 * s, y);
        c.LineTo(cx, y);
    }
    c.pen = {Rgb(0, 0, 0), s, PenStyle::Solid};
    c.font.Color = Blue;
    c.font.Bold = false;
    TextRightAligned(c, 18 * s, lines[0], "0");
    TextRightAligned(c, 18 * s, lines[1], "15");
    TextRightAligned(c, 18 * s, lines[2], "65");
    c.TextOut(5 * s, 86 * s, "(years)");
    c.font.Bold = true;
    c.TextOut(3 * s, 70 * s, "Age");
    c.TextOut(3 * s, 35 * s, "Year");
    c.font.Bold = false;
    c.TextOut(32 * s, 35 * s, std::to_string(year));

    double largest = 0;
    for (double v : classes)
        largest = std::max(largest, v);
    if (!(largest > 0))
        return; // nobody lives: frame, lines and labels only
    const double halfWidthPerPerson = (W - 50.0 * s) / largest / 2.0;
    for (int k = 0; k < ClassCount; ++k) {
        const double v = classes[k];
        c.brush.Color = BandColor(k);
        c.Rectangle(ToPixel(cx - halfWidthPerPerson * v), y0 - k * L + 1, ToPixel(halfWidthPerPerson * v + cx),
                    y0 - (k + 1) * L);
    }
}

} // namespace vartel
