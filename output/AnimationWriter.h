#pragma once
// The run as an animated GIF for a slide: the population graph with the pyramid at its right, one frame
// every few years from year 0 to the record's year, each drawn from the record as the views draw that year.
#include "model/SimulationState.h"
#include "views/KeptCurves.h"
#include "views/RasterImage.h"

#include <memory>
#include <string>
#include <vector>

namespace vartel {

constexpr int DefaultAnimationYears = 25;   // a 3000-year run gives 121 frames
constexpr int AnimationFrameDelay = 10;     // hundredths of a second
constexpr int AnimationLastFrameHold = 300; // the end stays three seconds before the loop starts again
constexpr int AnimationGap = 8;             // white columns between the graph and the pyramid

// The years of the frames: 0, n, 2n, ... and `lastYear` itself.
std::vector<int> AnimationYears(int lastYear, int yearsPerFrame);

class RunAnimation {
public:
    // `st` and `kept` must outlive the animation. The graph is on the linear or logarithmic scale at st's zoom.
    RunAnimation(const SimulationState& st, bool linearScale, const KeptCurves& kept);
    ~RunAnimation();

    static PixelSize FrameSize();
    // The graph (its first clearing, then DrawGraph at scale 1) and DrawPyramid of `year` (0..st.Year) as
    // they are drawn when the record stands at that year: the curve up to it, the stages reached by then and
    // the equilibrium level of that year. `frame` has FrameSize.
    void DrawFrame(int year, RasterImage& frame);

    // The whole animated GIF into `out`; "" or the reason it could not be made.
    std::string Encode(int yearsPerFrame, std::string& out);

private:
    void Rewind(int year);

    const SimulationState& st_;
    std::unique_ptr<SimulationState> past_; // the record rewound to the frame's year
    bool linearScale_;
    const KeptCurves& kept_;
    RasterImage graph_;
    RasterImage pyramid_;
};

// Writes the animation of `st` to `path` through WriteFileSafely, so a failure leaves no partial file.
// Returns "" or the error text naming the file.
std::string SaveAnimation(const std::string& path, const SimulationState& st, bool linearScale, const KeptCurves& kept,
                          int yearsPerFrame = DefaultAnimationYears);

} // namespace vartel
