#include "model/ScenarioCourse.h"

#include "model/QuietHost.h"
#include "model/Rounding.h"
#include "model/RunControl.h"
#include "model/Scenarios.h"

#include <memory>
#include <string>

namespace vartel {

namespace {

// Compared as the data file writes a population, so a course read back from a file compares alike.
bool SamePopulation(double a, double b)
{
    return FormatFixed(a, 0) == FormatFixed(b, 0);
}

} // namespace

bool FollowsOwnCourse(int scenario, std::span<const double> population)
{
    if (scenario < 1 || scenario > 7 || population.empty() || population.size() > HistorySize)
        return false;
    QuietHost host;
    SeededRandom random(1); // only a population commit draws from it
    const auto m = std::make_unique<Model>(host, random);
    StartUpModel(*m);
    ChooseScenario(*m, scenario);
    CaptureStartValues(m->S);
    for (std::size_t y = 0; y < population.size(); ++y) {
        if (y > 0)
            AdvanceYear(*m);
        if (!SamePopulation(m->S.PopHistory[y], population[y]))
            return false;
    }
    return true;
}

} // namespace vartel
