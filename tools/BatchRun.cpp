#include "tools/BatchRun.h"

#include "model/Incidents.h"
#include "model/ParameterCommit.h"
#include "model/RunControl.h"
#include "model/Scenarios.h"

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

} // namespace

std::string RunBatchYears(Model& m, const BatchArguments& a)
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
    return {};
}

} // namespace vartel
