#pragma once
#include "model/Model.h"

namespace vartel {

// Advances the island by one year; the driver has already incremented Year (1..3000).
void YearStep(Model& m);

} // namespace vartel
