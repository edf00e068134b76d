#include "tools/BatchRun.h"

#include "model/Incidents.h"
#include "model/ParameterCommit.h"
#include "model/RunControl.h"
#include "model/Scenarios.h"
#include "tools/BatchScreen.h"

namespace vartel {

namespace {

// Returns "" or the commit's error text.
std::string Fire(Model& m, const BatchEvent& event)
{
    switch (event.Kind) {
    case EventKind::Incident:
        // The window disables the incident buttons once the run has reached its last year.
        if (m.S.Year < MaxYear)
            StartIncident(m, event.Number);
        return {};
    case EventKind::Scenario:
        ChooseScenario(m, event.Number);
        return {};
    case EventKind::Parameter: {
        const CommitResult result = CommitParameter(m, event.Parameter, event.Text);
        return result.Ok ? std::string() : result.Error;
    }
    }
    return {};
}

// As Start pressed at year 0 and the driver's next year.
void Advance(Model& m)
{
    if (m.S.Year == 0)
        CaptureStartValues(m.S);
    AdvanceYear(m);
}

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
    SimulationState& s = m.S;
    StartUpModel(m);
    m.Host.RedrawGraph(); // as the window's start-up does after the model's
    ChooseScenario(m, a.Scenario);
    for (const BatchEvent& event : a.Events) {
        while (s.Year < event.Year)
            Advance(m);
        if (const std::string error = Fire(m, event); !error.empty())
            return "--event " + event.Argument + ": " + error;
    }
    while (s.Year < a.Years)
        Advance(m);
    ChooseView(m, a, screen);
    return {};
}

} // namespace vartel
