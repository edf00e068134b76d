#pragma once
#include "model/ModelHost.h"
#include "model/RandomSource.h"
#include "model/SimulationState.h"

namespace vartel {

// The record together with what it reports to and the random generator of SetPopulationSize.
// Create it once (it is large) and keep it for the life of the program.
struct Model {
    Model(ModelHost& host, RandomSource& random) : Host(host), Random(random) {}
    SimulationState S;
    ModelHost& Host;
    RandomSource& Random;
};

} // namespace vartel
