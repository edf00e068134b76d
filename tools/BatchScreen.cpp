#include "tools/BatchScreen.h"

#include "views/GraphView.h"
#include "views/PyramidView.h"

namespace vartel {

namespace {

RasterImage DeviceImage(int width, int height, double deviceRatio)
{
    const PixelSize size = RasterCanvas::DeviceSize({width, height}, deviceRatio);
    return RasterImage(size.Width, size.Height);
}

} // namespace

BatchScreen::BatchScreen(const SimulationState& s, double deviceRatio)
    : s_(s), graph_(DeviceImage(GraphWidth, GraphHeight, deviceRatio)), graphCanvas_(graph_, deviceRatio),
      pyramid_(DeviceImage(PyramidWidth, PyramidHeight, deviceRatio)), pyramidCanvas_(pyramid_, deviceRatio)
{
    ClearGraphImage(graphCanvas_);
}

void BatchScreen::RedrawGraph()
{
    DrawGraph(graphCanvas_, s_, linear_, 1, kept_);
}

void BatchScreen::ExtendCurve()
{
    vartel::ExtendCurve(graphCanvas_, s_, linear_);
}

void BatchScreen::RedrawPyramid(int year)
{
    // The pyramid is drawn whole every year and depends on nothing drawn before, so only the last one
    // asked for is drawn, when it is needed.
    pyramidYear_ = year;
    pyramidDrawn_ = false;
}

void BatchScreen::ChooseScale(bool linear)
{
    linear_ = linear;
    RedrawGraph();
}

const RasterImage& BatchScreen::Pyramid()
{
    if (!pyramidDrawn_) {
        DrawPyramid(pyramidCanvas_, s_, pyramidYear_, 1);
        pyramidDrawn_ = true;
    }
    return pyramid_;
}

} // namespace vartel
