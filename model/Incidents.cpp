#include "model/Incidents.h"

#include "model/AgeTables.h"
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
    if (k < 1 || k > 3 || s.Incident != 0) return;
    static constexpr int durations[] = {0, 10, 30, 20};
    s.IncidentYearsLeft = durations[k];
    s.Incident = k;
    m.Host.SetCountdown(TwoDigits(s.IncidentYearsLeft), CountdownRunning);
    m.Host.SetIncidentButtonsEnabled(false);
    switch (k) {
    case 1:
        ComputeAgeTables(s);
        m.Host.RedrawGraph();
        ShowResults(m);
        break;
    case 2: s.PolicySavedBirthIndex = s.BirthIndex; break;
    default: s.WaveSavedImmigration = s.Immigration; break;
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
            if (s.Incident == 2 && s.BirthIndex > 1.0) s.BirthIndex = 1.0;
            if (s.Incident == 3 && s.Immigration < 0.03) s.Immigration = 0.03;
        }
    } else {
        if (!s.Catastrophe) {
            if (s.Incident == 2) s.BirthIndex = s.PolicySavedBirthIndex;
            if (s.Incident == 3) s.Immigration = s.WaveSavedImmigration;
        }
        s.Incident = 0;
        s.IncidentYearsLeft = 0;
        m.Host.SetIncidentButtonsEnabled(true);
    }
    ComputeAgeTables(s);
    m.Host.RedrawGraph();
    // Inside the year step the new year is not tallied yet; the step's own ShowResults follows.
    if (!insideYearStep) ShowResults(m);
}

} // namespace vartel
