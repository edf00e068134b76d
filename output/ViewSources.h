#pragma once
// The graph and the pyramid as the save buttons hand them to SavePicture: the screen bitmap for the raster
// formats and the view's drawing routine for the vector ones. Both refer to `st`, which must outlive them.
#include "model/SimulationState.h"
#include "output/PictureSaver.h"
#include "views/KeptCurves.h"

namespace vartel {

// The graph in st.GraphMode and st.ZoomFactor on the linear or logarithmic scale, with the `kept` curves
// (which must outlive it too); `bitmap` is 847 x 162.
ViewSource GraphViewSource(const RasterImage* bitmap, const SimulationState& st, bool linearScale,
                           const KeptCurves& kept);
// The pyramid of `year`; `bitmap` is 231 x 278.
ViewSource PyramidViewSource(const RasterImage* bitmap, const SimulationState& st, int year);

} // namespace vartel
