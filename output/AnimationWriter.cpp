#include "output/AnimationWriter.h"

#include "model/Codes.h"
#include "output/GifEncoder.h"
#include "output/SafeFileWriter.h"
#include "output/WriterMessages.h"
#include "views/GraphView.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <algorithm>
#include <cstring>

namespace vartel {

namespace {

constexpr int GraphTop = (PyramidHeight - GraphHeight) / 2; // the graph is centred beside the taller pyramid
constexpr int PyramidLeft = GraphWidth + AnimationGap;

void Paste(const RasterImage& part, int left, int top, RasterImage& frame)
{
    for (int y = 0; y < part.Height(); ++y)
        std::memcpy(frame.Row(top + y) + left, part.Row(y),
                    static_cast<std::size_t>(part.Width()) * sizeof(std::uint32_t));
}

} // namespace

std::vector<int> AnimationYears(int lastYear, int yearsPerFrame)
{
    std::vector<int> years;
    const int step = std::max(1, yearsPerFrame);
    for (int year = 0; year < lastYear; year += step)
        years.push_back(year);
    years.push_back(std::max(0, lastYear));
    return years;
}

RunAnimation::RunAnimation(const SimulationState& st, bool linearScale, const KeptCurves& kept)
    : st_(st), past_(std::make_unique<SimulationState>(st)), linearScale_(linearScale), kept_(kept),
      graph_(GraphWidth, GraphHeight), pyramid_(PyramidWidth, PyramidHeight)
{
    past_->GraphMode = GraphModeCode::Population;
}

RunAnimation::~RunAnimation() = default;

PixelSize RunAnimation::FrameSize()
{
    return {PyramidLeft + PyramidWidth, PyramidHeight};
}

void RunAnimation::Rewind(int year)
{
    past_->Year = year;
    const bool present = year == st_.Year;
    past_->StableLevel = present ? st_.StableLevel : static_cast<int>(st_.StableLevelHistory[year]);
    // A stage reached in year y is recorded at y - 1.
    for (std::size_t k = 0; k < st_.Stages.size(); ++k)
        past_->Stages[k].Year = present || st_.Stages[k].Year < year ? st_.Stages[k].Year : -100;
}

void RunAnimation::DrawFrame(int year, RasterImage& frame)
{
    Rewind(std::clamp(year, 0, std::clamp(st_.Year, 0, MaxYear)));
    RasterCanvas graph(graph_);
    ClearGraphImage(graph);
    DrawGraph(graph, *past_, linearScale_, 1, kept_);
    RasterCanvas pyramid(pyramid_);
    DrawPyramid(pyramid, *past_, past_->Year, 1);
    frame.Fill(Rgb(255, 255, 255));
    Paste(graph_, 0, GraphTop, frame);
    Paste(pyramid_, PyramidLeft, 0, frame);
}

std::string RunAnimation::Encode(int yearsPerFrame, std::string& out)
{
    const std::vector<int> years = AnimationYears(st_.Year, yearsPerFrame);
    const int last = static_cast<int>(years.size()) - 1;
    return EncodeAnimatedGif(
        FrameSize(), last + 1,
        [&](int index, RasterImage& frame) {
            DrawFrame(years[static_cast<std::size_t>(index)], frame);
            return index == last ? AnimationLastFrameHold : AnimationFrameDelay;
        },
        out);
}

std::string SaveAnimation(const std::string& path, const SimulationState& st, bool linearScale, const KeptCurves& kept,
                          int yearsPerFrame)
{
    std::string bytes;
    const std::string error = RunAnimation(st, linearScale, kept).Encode(yearsPerFrame, bytes);
    if (!error.empty())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "Cannot save \"%1\". %2"), {path, error});
    return WriteFileSafely(path, bytes);
}

} // namespace vartel
