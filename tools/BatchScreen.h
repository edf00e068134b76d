#pragma once
// The window's two screen images without the window: the graph image is drawn on as the main window draws
// on Image2 while it runs (cleared once, the whole graph when the model asks, the curve's segment each
// year, pen and position kept between calls), so that its bitmap equals the window's after the same run.
#include "model/SimulationState.h"
#include "views/KeptCurves.h"
#include "views/RasterCanvas.h"
#include "views/RasterImage.h"

#include <utility>

namespace vartel {

class BatchScreen {
public:
    // At a deviceRatio above 1 the images hold the views at that screen's resolution, as the window's
    // screen pictures do; the saved pictures are the ones at 1.
    explicit BatchScreen(const SimulationState& s, double deviceRatio = 1.0);
    BatchScreen(const BatchScreen&) = delete;
    BatchScreen& operator=(const BatchScreen&) = delete;

    void RedrawGraph(); // DrawGraph of the current mode at scale 1
    void ExtendCurve(); // the curve's segment of the current year
    void RedrawPyramid(int year);
    // LinscaleClick, LogscaleClick: the scale, and the graph drawn on it.
    void ChooseScale(bool linear);
    bool LinearScale() const { return linear_; }
    // The curves of other runs that the graph shows with this one (--compare), kept before the run.
    void Keep(KeptCurve curve) { kept_.Keep(std::move(curve)); }
    const KeptCurves& Kept() const { return kept_; }

    const RasterImage& Graph() const { return graph_; } // 847 x 162 at ratio 1
    const RasterImage& Pyramid();                       // 231 x 278 at ratio 1, of the year last asked for

private:
    const SimulationState& s_;
    bool linear_ = true; // the window starts on the linear scale
    KeptCurves kept_;
    RasterImage graph_; // white, as an image control starts
    RasterCanvas graphCanvas_;
    RasterImage pyramid_;
    RasterCanvas pyramidCanvas_;
    int pyramidYear_ = 0;
    bool pyramidDrawn_ = false;
};

} // namespace vartel
