#include "tools/BatchRun.h"

#include "lesson/EventFiring.h"
#include "session/Session.h"

namespace vartel {

namespace {

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
        if (const std::string error = FireEvent(session, event); !error.empty())
            return "--event " + event.Argument + ": " + error;
    }
    AdvanceTo(session, a.Years);
    return {};
}

} // namespace vartel
