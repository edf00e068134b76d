#include "tools/BatchRun.h"

#include "model/ParameterCommit.h"
#include "session/Session.h"

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

} // namespace

std::string RunBatchYears(Session& session, const BatchArguments& a)
{
    session.StartUp();
    session.ChooseScenario(a.Scenario);
    for (const BatchEvent& event : a.Events) {
        AdvanceTo(session, event.Year);
        if (const std::string error = Fire(session, event); !error.empty())
            return "--event " + event.Argument + ": " + error;
    }
    AdvanceTo(session, a.Years);
    return {};
}

} // namespace vartel
