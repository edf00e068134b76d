#pragma once
// The population graph and the three age-profile graphs on the graph image (847 x 162 at scale 1).
#include "model/SimulationState.h"
#include "views/Canvas.h"
#include "views/KeptCurves.h"

#include <array>

namespace vartel {

constexpr int GraphWidth = 847;
constexpr int GraphHeight = 162;
constexpr std::array<int, 14> ZoomFactors{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};

int YearToX(int year, int s);
// Uses ExactPopHistory[year] and ZoomFactor; linear or logarithmic scale.
int PopulationToY(const SimulationState& st, bool linearScale, int year, int s);
// The row of `people` at `zoom` on the linear scale, or on the logarithmic one (nobody lies below the image).
int PeopleToY(double people, bool linearScale, int zoom, int s);
// With the current pen: a point at year 0, then a line through the years 0 .. years - 1 of `people`; a
// negative population is skipped, the line runs straight on to the next year. Ends on the last point drawn.
void DrawPopulationLine(Canvas& c, const double* people, int years, bool linearScale, int zoom, int s);

// The main window's first clearing of the graph image: white with the default pen's black outline. The
// graph's frame leaves the right column and the bottom row, so the outline stays there on the screen.
void ClearGraphImage(Canvas& c);
// The whole graph of st.GraphMode at scale s; ends with a solid pen RGB(124,70,51) of width 3s and, in
// mode 1, the position on the curve's last drawn point.
void DrawGraph(Canvas& c, const SimulationState& st, bool linearScale, int s);
// The same with `kept` curves in the population graph.
void DrawGraph(Canvas& c, const SimulationState& st, bool linearScale, int s, const KeptCurves& kept);
// The curve's segment of st.Year on the screen image (scale 1).
void ExtendCurve(Canvas& c, const SimulationState& st, bool linearScale);
// A thin line across the plot in the column of a browsed year, at scale s. The pen and the position are
// left as they were, so the curve grows on from its last point afterwards.
void DrawBrowseMarker(Canvas& c, int year, int s);

int ZoomIn(int zoom);
int ZoomOut(int zoom);

// The hint zones over the graph, in Panel2 coordinates (left 90, width 751 always).
struct HintZoneGeometry {
    int H0Top, H0Height, HeTop;
};
int OverpopulationZoneHeight(bool linearScale, int zoom); // h1 height as DrawGraph sets it
// h0 and he after LinscaleClick (linear) or LogscaleClick (log).
HintZoneGeometry ZonesAfterScaleClick(bool linearScale, int zoom, int stableLevel);
// h0 and he after the zoom buttons and after a reset.
HintZoneGeometry ZonesAfterZoomOrReset(int zoom, int stableLevel);
// he top after a new stable level has been entered.
int EquilibriumZoneTop(bool linearScale, int zoom, int stableLevel);

} // namespace vartel
