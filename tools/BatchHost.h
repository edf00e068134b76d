#pragma once
// The batch tool's screen: a parameter's range correction is told on a stream (stderr), as the window's
// "Invalid data" box tells it, and when pictures are wanted the graph and the pyramid are drawn on a
// BatchScreen as the window draws them on its images.
#include "session/QuietListener.h"
#include "tools/BatchScreen.h"

#include <ostream>

namespace vartel {

class BatchHost final : public QuietListener {
public:
    explicit BatchHost(std::ostream& messages) : messages_(messages) {}
    // The screen to draw on from now on; nullptr: none (a run without pictures).
    void ShowOn(BatchScreen* screen) { screen_ = screen; }

    void CorrectionMade(const std::string& message) override { messages_ << message << '\n'; }

    void GraphNeedsRedraw() override
    {
        if (screen_ != nullptr)
            screen_->RedrawGraph();
    }
    void PyramidNeedsRedraw(int year) override
    {
        if (screen_ != nullptr)
            screen_->RedrawPyramid(year);
    }
    // The map has no picture here; the curve has.
    void HousesAndCurveGrew() override
    {
        if (screen_ != nullptr)
            screen_->ExtendCurve();
    }

private:
    std::ostream& messages_;
    BatchScreen* screen_ = nullptr;
};

} // namespace vartel
