#include "TestDrawing.h"

namespace vartel::test {

void DrawTestPicture(Canvas& c)
{
    c.pen = {Rgb(0, 0, 0), 1, PenStyle::Clear};
    c.brush = {Rgb(250, 250, 144), BrushStyle::Solid};
    c.Rectangle(0, 0, TestDrawingWidth, TestDrawingHeight);

    c.pen = {Rgb(192, 132, 80), 1, PenStyle::Solid};
    c.brush.Style = BrushStyle::Clear;
    c.Rectangle(20, 20, 120, 80);

    c.pen = {Rgb(0, 0, 0), 1, PenStyle::Solid};
    c.brush = {Rgb(0, 128, 0), BrushStyle::Solid};
    c.Rectangle(170, 40, 150, 20); // swapped corners

    c.pen = {Rgb(0, 255, 0), 1, PenStyle::Dot};
    c.MoveTo(10, 100);
    c.LineTo(390, 100);

    c.pen = {Rgb(124, 70, 51), 3, PenStyle::Solid};
    c.MoveTo(10, 150);
    c.LineTo(200, 120);
    c.LineTo(390, 180);

    c.pen = {Rgb(0, 0, 255), 4, PenStyle::Dot};
    c.MoveTo(10, 190);
    c.LineTo(390, 190);

    c.font = {"times new roman", 10, false, Rgb(0, 0, 0)};
    c.brush = {Rgb(255, 246, 241), BrushStyle::Solid};
    c.TextOut(30, 160, "Opaque");
    c.brush.Style = BrushStyle::Clear;
    c.font.Bold = true;
    c.font.Color = Rgb(0, 0, 255);
    c.TextOut(200, 20, "Years");
}

} // namespace vartel::test
