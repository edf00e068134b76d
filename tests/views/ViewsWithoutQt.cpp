// A program of the views alone, linked without Qt: a pyramid and a text drawn on a raster picture, letters
// and all. Exits 1, saying what is missing, when they are not there.
#include "model/SimulationState.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <cstdio>
#include <memory>

int main()
{
    using namespace vartel;
    RasterImage image(PyramidWidth, PyramidHeight);
    RasterCanvas canvas(image, 1.5);
    const auto st = std::make_unique<SimulationState>();
    DrawPyramid(canvas, *st, 0, 1);
    canvas.font = {"times new roman", 10, true, Rgb(200, 0, 200)};
    canvas.brush.Style = BrushStyle::Clear;
    canvas.TextOut(10, 10, "Populatie");
    const int width = canvas.TextWidth("Populatie"), height = canvas.TextHeight("Populatie");
    int ink = 0, stray = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.PixelColor(x, y) == Rgb(200, 0, 200)) {
                const bool inCell = x >= 15 && x < 15 + width * 3 / 2 + 2 && y >= 15 && y < 15 + height * 3 / 2;
                (inCell ? ink : stray) += 1;
            }
    if (width < 40 || height < 10 || ink < 100 || stray > 0) {
        std::fprintf(stderr, "the text is not drawn: %d x %d, %d pixels of ink, %d outside its cell\n", width, height,
                     ink, stray);
        return 1;
    }
    return 0;
}
