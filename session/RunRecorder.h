#pragma once
// What the student did to the run so far, with the years: the scenario it started from and every scenario
// button, incident button and parameter entry after that, each at the year the record stood at, so that
// the same run can be set up again (as a lesson). A scenario that starts again at year 0 starts a new run.
#include "model/ParameterCommit.h"

#include <string>
#include <vector>

namespace vartel {

struct RecordedChange {
    enum class Kind { Incident, Parameter, Scenario };
    int Year = 0;
    Kind What = Kind::Incident;
    int Number = 0;                                    // the incident 1..3 or the scenario 1..7
    ParameterField Field = ParameterField::Population; // the parameter entered
    std::string Text;                                  // as it was committed
};

class RunRecorder {
public:
    // Start-up and New: a run of `scenario` from year 0, nothing changed yet.
    void NewRun(int scenario);
    // A scenario button; `yearAfter` is the record's year after the click: 0 when the scenario started the
    // run again. A choice at year 0 before anything else is the scenario the run starts from.
    void Scenario(int yearBefore, int scenario, int yearAfter);
    void Incident(int year, int incident);
    void Commit(int year, ParameterField field, const std::string& text);

    int StartScenario() const { return startScenario_; }
    const std::vector<RecordedChange>& Changes() const { return changes_; }

private:
    int startScenario_ = 1;
    std::vector<RecordedChange> changes_;
};

} // namespace vartel
