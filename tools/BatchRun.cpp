#include "tools/BatchRun.h"

#include "model/ParameterCommit.h"
#include "session/Session.h"
#include "tools/BatchScreen.h"

namespace vartel {

namespace {

// Returns "" or the commit's error text.
std::string Fire(Session& session, const BatchEvent& event)
{
    switch (event.Kind) {
    case EventKind::Incident:
        session.StartIncident(event.Number);
        return {};
    case EventKind::Scenario:
        session.ChooseScenario(event.Number);
        return {};
    case EventKind::Parameter: {
        const CommitResult result = CommitParameter(session.model(), event.Parameter, event.Text);
        return result.Ok ? std::string() : result.Error;
    }
    }
    return {};
}

void AdvanceTo(Session& session, int year)
{
    while (session.state().Year < year && session.Advance()) {
    }
}

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
    session.StartUp();
    session.ChooseScenario(a.Scenario);
    for (const BatchEvent& event : a.Events) {
        AdvanceTo(session, event.Year);
        if (const std::string error = Fire(session, event); !error.empty())
            return "--event " + event.Argument + ": " + error;
    }
    AdvanceTo(session, a.Years);
    ChooseView(session.model().S, a, screen);
    return {};
}

} // namespace vartel
