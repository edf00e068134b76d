#include "web/PageListener.h"

#include "views/GraphView.h"
#include "views/RasterCanvas.h"

namespace vartel {

void PageListener::ShowOn(const SimulationState& s, double deviceRatio)
{
    s_ = &s;
    saved_ = std::make_unique<BatchScreen>(s);
    SetDeviceRatio(deviceRatio);
}

void PageListener::SetDeviceRatio(double deviceRatio)
{
    if (!saved_)
        return;
    deviceRatio_ = deviceRatio;
    if (deviceRatio <= 1.0) {
        shown_.reset();
    } else {
        shown_ = std::make_unique<BatchScreen>(*s_, deviceRatio);
        shown_->RedrawGraph();
        shown_->RedrawPyramid(pyramidYear_);
    }
    changes_.GraphChanged = true;
    changes_.PyramidChanged = true;
}

RasterImage PageListener::ShownGraph()
{
    RasterImage graph = Shown().Graph();
    if (markedYear_) {
        RasterCanvas canvas(graph, shown_ ? deviceRatio_ : 1.0);
        DrawBrowseMarker(canvas, *markedYear_, 1);
    }
    return graph;
}

void PageListener::PastYearShown(int year)
{
    if (markedYear_ == year)
        return;
    markedYear_ = year;
    changes_.GraphChanged = true;
}

void PageListener::BrowsingEnded()
{
    if (!markedYear_)
        return;
    markedYear_.reset();
    changes_.GraphChanged = true;
}

void PageListener::FieldChanged(Field field, const std::string& text)
{
    changes_.Fields[static_cast<std::size_t>(field)] = text;
}

void PageListener::CountdownChanged(const std::string& text, Color fontColor)
{
    changes_.Countdown.emplace(text, fontColor);
}

void PageListener::GraphNeedsRedraw()
{
    if (!saved_)
        return;
    saved_->RedrawGraph();
    if (shown_)
        shown_->RedrawGraph();
    changes_.GraphChanged = true;
}

void PageListener::PyramidNeedsRedraw(int year)
{
    pyramidYear_ = year;
    if (!saved_)
        return;
    saved_->RedrawPyramid(year);
    if (shown_)
        shown_->RedrawPyramid(year);
    changes_.PyramidChanged = true;
}

void PageListener::HousesAndCurveGrew()
{
    if (!saved_)
        return;
    saved_->ExtendCurve();
    if (shown_)
        shown_->ExtendCurve();
    changes_.GraphChanged = true;
}

} // namespace vartel
