// The batch tool's choice of the view after the run, which needs the screen images.
#include "tools/BatchRun.h"
#include "tools/BatchScreen.h"

namespace vartel {

namespace {

// After the run, the view's buttons as a user would press them: the zoom, the scale, then the graph. Each
// draws the whole graph anew, as the window's buttons do.
void ChooseView(Model& m, const BatchArguments& a, BatchScreen* screen)
{
    SimulationState& s = m.S;
    if (a.Zoom != s.ZoomFactor) {
        s.ZoomFactor = a.Zoom;
        m.Host.RedrawGraph();
    }
    if (screen != nullptr && a.LinearScale != screen->LinearScale())
        screen->ChooseScale(a.LinearScale);
    if (a.GraphMode != s.GraphMode) {
        s.GraphMode = a.GraphMode;
        m.Host.RedrawGraph();
    }
}

} // namespace

std::string RunBatch(Model& m, const BatchArguments& a, BatchScreen* screen)
{
    std::string error = RunBatchYears(m, a);
    if (error.empty())
        ChooseView(m, a, screen);
    return error;
}

} // namespace vartel
