#include "views/KeptCurves.h"

#include "model/ScenarioCourse.h"
#include "model/Scenarios.h"
#include "views/GraphView.h"

#include <algorithm>
#include <span>

namespace vartel {

namespace {

constexpr const char* ChangedMark = "*";

struct Box {
    int Left, Top, Right, Bottom;
    bool Overlaps(const Box& o) const { return Left < o.Right && o.Left < Right && Top < o.Bottom && o.Top < Bottom; }
};

// Beside the curve's last point, right of it where the label fits before the plot's right edge and left of
// it otherwise; centred on it and kept between the image's top and the time axis. A label that would cover
// one placed before moves up or down by its height.
Box LabelBox(Canvas& c, Point last, const std::string& label, const std::vector<Box>& placed, int s)
{
    const int width = c.TextWidth(label), height = c.TextHeight(label);
    const int gap = 4 * s;
    const int left = last.x + gap + width <= 840 * s ? last.x + gap : last.x - gap - width;
    const int lowest = 146 * s - height;
    const int top = std::clamp(last.y - height / 2, 0, std::max(0, lowest));
    for (int step = 0; step <= 2 * static_cast<int>(placed.size()); ++step) {
        const int shift = (step + 1) / 2 * (step % 2 == 1 ? height : -height);
        const Box box{left, top + shift, left + width, top + shift + height};
        if (box.Top < 0 || box.Top > lowest)
            continue;
        if (std::none_of(placed.begin(), placed.end(), [&](const Box& p) { return p.Overlaps(box); }))
            return box;
    }
    return {left, top, left + width, top + height};
}

// A change the year's record does not show yet: an incident under way, or a parameter committed since.
bool ChangedSinceRecorded(const SimulationState& s, int year)
{
    const auto y = static_cast<std::size_t>(year);
    return s.Incident != 0 || s.StableLevel != s.StableLevelHistory[y] || s.BirthIndex != s.ParamHistory[0][y] ||
           s.BabyMortality != s.ParamHistory[1][y] || s.AdultMortality != s.ParamHistory[2][y] ||
           s.Immigration != s.ParamHistory[3][y];
}

} // namespace

void KeptCurves::Keep(KeptCurve curve)
{
    if (kept_.size() >= Capacity) {
        const std::size_t slot = kept_.front().Slot;
        kept_.erase(kept_.begin());
        kept_.push_back({std::move(curve), slot});
        return;
    }
    std::size_t slot = 0;
    while (std::any_of(kept_.begin(), kept_.end(), [slot](const Entry& e) { return e.Slot == slot; }))
        ++slot;
    kept_.push_back({std::move(curve), slot});
}

KeptCurve CurrentRunCurve(const SimulationState& s)
{
    const int year = std::clamp(s.Year, 0, MaxYear);
    const auto years = static_cast<std::size_t>(year) + 1;
    const int scenario = std::clamp(s.Scenario, 1, 7);
    KeptCurve curve;
    curve.Label = s.ScenarioNames[static_cast<std::size_t>(scenario)];
    if (ChangedSinceRecorded(s, year) || !FollowsOwnCourse(scenario, std::span(s.PopHistory.data(), years)))
        curve.Label += ChangedMark;
    curve.Population.assign(s.ExactPopHistory.begin(), s.ExactPopHistory.begin() + static_cast<std::ptrdiff_t>(years));
    return curve;
}

KeptCurve SavedRunCurve(const std::string& scenarioName, std::vector<double> population,
                        const std::string& fallbackName)
{
    const auto& captions = ScenarioCaptions();
    const auto named = std::find(captions.begin() + 1, captions.end(), scenarioName);
    bool followed = false;
    for (int scenario = 1; scenario <= 7 && !followed; ++scenario)
        if (named == captions.end() || named - captions.begin() == scenario)
            followed = FollowsOwnCourse(scenario, population);
    KeptCurve curve;
    curve.Label = scenarioName.empty() ? fallbackName : scenarioName;
    if (!followed)
        curve.Label += ChangedMark;
    curve.Population = std::move(population);
    return curve;
}

void DrawKeptCurves(Canvas& c, const KeptCurves& kept, bool linearScale, int zoom, int s)
{
    std::vector<Point> ends;
    for (std::size_t i = 0; i < kept.Count(); ++i) {
        const std::vector<double>& people = kept.Curve(i).Population;
        c.pen = {kept.ColorOf(i), s, PenStyle::Solid};
        if (!people.empty())
            DrawPopulationLine(c, people.data(), static_cast<int>(people.size()), linearScale, zoom, s);
        ends.push_back(c.Position());
    }
    // The labels over all the kept lines, on the plot without a background.
    const Color textColor = c.font.Color;
    c.brush.Style = BrushStyle::Clear;
    std::vector<Box> placed;
    for (std::size_t i = 0; i < kept.Count(); ++i) {
        const std::string& label = kept.Curve(i).Label;
        if (kept.Curve(i).Population.empty() || label.empty())
            continue;
        const Box box = LabelBox(c, ends[i], label, placed, s);
        placed.push_back(box);
        c.font.Color = kept.ColorOf(i);
        c.TextOut(box.Left, box.Top, label);
    }
    c.font.Color = textColor;
}

} // namespace vartel
