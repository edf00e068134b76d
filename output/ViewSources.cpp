#include "output/ViewSources.h"

#include "views/GraphView.h"
#include "views/PyramidView.h"

namespace vartel {

ViewSource GraphViewSource(const RasterImage* bitmap, const SimulationState& st, bool linearScale,
                           const KeptCurves& kept)
{
    return {bitmap, [&st, linearScale, &kept](Canvas& c, int s) { DrawGraph(c, st, linearScale, s, kept); }, GraphWidth,
            GraphHeight};
}

ViewSource PyramidViewSource(const RasterImage* bitmap, const SimulationState& st, int year)
{
    return {bitmap, [&st, year](Canvas& c, int s) { DrawPyramid(c, st, year, s); }, PyramidWidth, PyramidHeight};
}

} // namespace vartel
