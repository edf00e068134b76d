#pragma once
// Simulation records filled by hand, so these tests do not depend on the model's code.
#include "model/SimulationState.h"

#include <memory>

namespace vartel::test {

// Year 0..year with a constant population; graph mode 1, zoom 1, no stage reached.
inline std::unique_ptr<SimulationState> ConstantPopulation(int year, double people, int zoom = 1,
                                                           int stableLevel = 200000)
{
    auto st = std::make_unique<SimulationState>();
    st->Year = year;
    st->GraphMode = 1;
    st->ZoomFactor = zoom;
    st->StableLevel = stableLevel;
    for (int y = 0; y <= year; ++y) {
        st->ExactPopHistory[y] = people;
        st->PopHistory[y] = people;
    }
    const char* letters = "SAMHPEB";
    for (int k = 0; k < 7; ++k)
        st->Stages[k].Letter = std::string(1, letters[k]);
    return st;
}

} // namespace vartel::test
