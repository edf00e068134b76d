// The batch tool's choice of the view after the run, which needs the screen images.
#include "session/Session.h"
#include "tools/BatchRun.h"
#include "tools/BatchScreen.h"

namespace vartel {

namespace {

// After the run, the view's buttons as a user would press them: the zoom, the scale, then the graph. Each
// draws the whole graph anew, as the window's buttons do.
void ChooseView(SimulationState& s, const BatchArguments& a, BatchScreen* screen)
{
    if (a.Zoom != s.ZoomFactor) {
        s.ZoomFactor = a.Zoom;
        if (screen != nullptr)
            screen->RedrawGraph();
    }
    if (screen != nullptr && a.LinearScale != screen->LinearScale())
        screen->ChooseScale(a.LinearScale);
    if (a.GraphMode != s.GraphMode) {
        s.GraphMode = a.GraphMode;
        if (screen != nullptr)
            screen->RedrawGraph();
    }
}

} // namespace

std::string RunBatch(Session& session, const BatchArguments& a, BatchScreen* screen)
{
    std::string error = RunBatchYears(session, a);
    if (error.empty())
        ChooseView(session.model().S, a, screen);
    return error;
}

} // namespace vartel
