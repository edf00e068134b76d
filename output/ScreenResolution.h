#pragma once
// The resolution the raster pictures carry: the screen's 96 dots per inch.

namespace vartel {

constexpr int ScreenDotsPerInch = 96;
constexpr int ScreenPixelsPerMetre = 3780; // 96 / 0.0254, truncated

} // namespace vartel
