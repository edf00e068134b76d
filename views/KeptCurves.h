#pragma once
// Curves of other runs kept in the population graph for comparison. They live beside the graph's view state,
// in the window or the batch tool, not in the record: New, a scenario and a reset leave them, and they end
// with the program. One drawing routine puts them on the screen and in every saved picture.
#include "model/SimulationState.h"
#include "views/Canvas.h"

#include <array>
#include <string>
#include <vector>

namespace vartel {

struct KeptCurve {
    std::string Label;              // the scenario's name, "*" added when the run was changed
    std::vector<double> Population; // of the years 0 .. size - 1
};

// Muted, and told apart from each other and from the curve, the strips and the equilibrium line also by
// readers with a colour-vision deficiency: teal, violet, grey.
constexpr std::array<Color, 3> KeptCurveColors{Rgb(68, 153, 153), Rgb(119, 85, 187), Rgb(85, 85, 85)};

class KeptCurves {
public:
    static constexpr std::size_t Capacity = KeptCurveColors.size();

    // In a colour of its own; beyond the capacity the new curve replaces the oldest and takes its colour.
    void Keep(KeptCurve curve);
    void Forget() { kept_.clear(); }
    bool Empty() const { return kept_.empty(); }
    std::size_t Count() const { return kept_.size(); }
    // Oldest first.
    const KeptCurve& Curve(std::size_t i) const { return kept_.at(i).Curve; }
    Color ColorOf(std::size_t i) const { return KeptCurveColors[kept_.at(i).Slot]; }

private:
    struct Entry {
        KeptCurve Curve;
        std::size_t Slot; // its colour
    };
    std::vector<Entry> kept_;
};

// The run in `s`: ExactPopHistory of the years 0..Year, named by its scenario, with "*" when it departs
// from the scenario's own course (an incident, a commit or another scenario on the way).
KeptCurve CurrentRunCurve(const SimulationState& s);
// A run read from a data file: named by the scenario the file names, or `fallbackName` where it names none,
// with "*" when it follows no scenario's own course (the named one's, where that is one of the seven).
KeptCurve SavedRunCurve(const std::string& scenarioName, std::vector<double> population,
                        const std::string& fallbackName);

// Part of the population graph, after its grid and danger lines and before its curve: each kept curve a
// line 1 s wide in its colour, its label in that colour at its last point.
void DrawKeptCurves(Canvas& c, const KeptCurves& kept, bool linearScale, int zoom, int s);

} // namespace vartel
