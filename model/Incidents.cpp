#include "model/Incidents.h"

#include "model/AgeTables.h"
#include "model/Codes.h"
#include "model/Results.h"

namespace vartel {

namespace {

constexpr Color CountdownRunning = Rgb(255, 0, 0);
constexpr Color CountdownIdle = Rgb(128, 128, 128);

std::string TwoDigits(int years)
{
    const int lastTwo = ((years + 100) % 100 + 100) % 100;
    return {static_cast<char>('0' + lastTwo / 10), static_cast<char>('0' + lastTwo % 10)};
}

} // namespace

void StartIncident(Model& m, int k)
{
    SimulationState& s = m.S;
    // One incident at a time: a second start would overwrite the values saved by the first.
    if (k < IncidentCode::Epidemic || k > IncidentCode::ImmigrationWave || s.Incident != IncidentCode::None)
        return;
    static constexpr int durations[] = {0, 10, 30, 20};
    s.IncidentYearsLeft = durations[k];
    s.Incident = k;
    m.Host.SetCountdown(TwoDigits(s.IncidentYearsLeft), CountdownRunning);
    m.Host.SetIncidentButtonsEnabled(false);
    switch (k) {
    case IncidentCode::Epidemic:
        ComputeAgeTables(s);
        m.Host.RedrawGraph();
        ShowResults(m);
        break;
    case IncidentCode::OneChildPolicy:
        s.PolicySavedBirthIndex = s.BirthIndex;
        break;
    default:
        s.WaveSavedImmigration = s.Immigration;
        break;
    }
}

void IncidentCountdown(Model& m, bool insideYearStep)
{
    SimulationState& s = m.S;
    const int left = s.IncidentYearsLeft - 1;
    s.IncidentYearsLeft = left;
    const bool goesOn = left > 0;
    m.Host.SetCountdown(TwoDigits(left), goesOn ? CountdownRunning : CountdownIdle);
    if (goesOn) {
        if (!s.Catastrophe) {
            if (s.Incident == IncidentCode::OneChildPolicy && s.BirthIndex > 1.0)
                s.BirthIndex = 1.0;
            if (s.Incident == IncidentCode::ImmigrationWave && s.Immigration < 0.03)
                s.Immigration = 0.03;
        }
    } else {
        if (!s.Catastrophe) {
            if (s.Incident == IncidentCode::OneChildPolicy)
                s.BirthIndex = s.PolicySavedBirthIndex;
            if (s.Incident == IncidentCode::ImmigrationWave)
                s.Immigration = s.WaveSavedImmigration;
        }
        s.Incident = IncidentCode::None;
        s.IncidentYearsLeft = 0;
        m.Host.SetIncidentButtonsEnabled(true);
    }
    ComputeAgeTables(s);
    m.Host.RedrawGraph();
    // Inside the year step the new year is not tallied yet; the step's own ShowResults follows.
    if (!insideYearStep)
        ShowResults(m);
}

} // namespace vartel
