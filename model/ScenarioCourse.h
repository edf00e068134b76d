#pragma once
// The course a scenario takes by itself: started as the program starts, the scenario chosen, then run year
// by year without an incident, a commit or another scenario on the way. A run that departs from it was
// changed by the user.
#include <span>

namespace vartel {

// Whether `population` (PopHistory of the years 0, 1, ..., at most 3001 of them) is, year for year as the
// data file writes it, the course of `scenario` (1..7).
bool FollowsOwnCourse(int scenario, std::span<const double> population);

} // namespace vartel
