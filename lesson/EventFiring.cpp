#include "lesson/EventFiring.h"

#include "model/ParameterCommit.h"
#include "session/Session.h"

namespace vartel {

std::string FireEvent(Session& session, const BatchEvent& event)
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

} // namespace vartel
