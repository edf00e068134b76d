#include "model/RunControl.h"

#include "model/Rounding.h"
#include "model/YearStep.h"

#include <string>

namespace vartel {

void CaptureStartValues(SimulationState& s)
{
    s.StartStableLevel = s.StableLevel;
    s.StartParams = {s.BirthIndex, s.BabyMortality, s.AdultMortality, s.Immigration};
}

void AdvanceYear(Model& m)
{
    SimulationState& s = m.S;
    ++s.Year;
    m.Host.SetField(Field::Clock, std::to_string(s.Year));
    YearStep(m);
    m.Host.SetField(Field::Popmeter, std::to_string(RoundEvenToInt(s.PopHistory[static_cast<std::size_t>(s.Year)])));
    m.Host.RedrawPyramid(s.Year);
    m.Host.UpdateHousesAndCurve();
}

} // namespace vartel
