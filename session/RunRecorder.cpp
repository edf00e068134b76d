#include "session/RunRecorder.h"

namespace vartel {

void RunRecorder::NewRun(int scenario)
{
    startScenario_ = scenario;
    changes_.clear();
}

void RunRecorder::Scenario(int yearBefore, int scenario, int yearAfter)
{
    if (yearAfter == 0 && (yearBefore > 0 || changes_.empty())) {
        // Started again (or not yet started): what came before no longer shapes the run.
        NewRun(scenario);
        return;
    }
    changes_.push_back({yearBefore, RecordedChange::Kind::Scenario, scenario, ParameterField::Population, {}});
}

void RunRecorder::Incident(int year, int incident)
{
    changes_.push_back({year, RecordedChange::Kind::Incident, incident, ParameterField::Population, {}});
}

void RunRecorder::Commit(int year, ParameterField field, const std::string& text)
{
    changes_.push_back({year, RecordedChange::Kind::Parameter, 0, field, text});
}

} // namespace vartel
