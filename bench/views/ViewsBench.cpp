// The views' work per simulated year on the screen images: the pyramid, one curve segment, and the full
// graph that a new stage or a parameter entry redraws.
#include "views/GraphView.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace vartel;

std::unique_ptr<SimulationState> BusyState()
{
    auto st = std::make_unique<SimulationState>();
    st->Year = MaxYear;
    st->GraphMode = 1;
    st->ZoomFactor = 1;
    st->StableLevel = 200000;
    for (int y = 0; y <= MaxYear; ++y) {
        st->ExactPopHistory[y] = 1500000 + 1400000 * std::sin(y / 97.0);
        st->PopHistory[y] = st->ExactPopHistory[y];
        for (int k = 0; k < ClassCount; ++k)
            st->PyramidHistory[y][k] = 1000.0 * (ClassCount - k) + y;
    }
    for (int k = 1; k < 7; ++k) {
        st->Stages[k].Year = 400 * k;
        st->Stages[k].Letter = std::string(1, "SAMHPEB"[k]);
    }
    return st;
}

// At the device pixel ratio (percent): 100 on an ordinary screen, 150 and 200 on dense ones.
void BM_DrawPyramid(benchmark::State& state)
{
    auto st = BusyState();
    const double ratio = state.range(0) / 100.0;
    const PixelSize device = RasterCanvas::DeviceSize({PyramidWidth, PyramidHeight}, ratio);
    RasterImage image(device.Width, device.Height);
    RasterCanvas canvas(image, ratio);
    int year = 0;
    for (auto _ : state) {
        DrawPyramid(canvas, *st, year, 1);
        year = (year + 1) % HistorySize;
    }
}
BENCHMARK(BM_DrawPyramid)->Arg(100)->Arg(150)->Arg(200)->ArgName("ratio%")->Unit(benchmark::kMicrosecond);

void BM_ExtendCurve(benchmark::State& state)
{
    auto st = BusyState();
    RasterImage image(GraphWidth, GraphHeight);
    RasterCanvas canvas(image);
    DrawGraph(canvas, *st, state.range(0) != 0, 1);
    int year = 1;
    for (auto _ : state) {
        st->Year = year;
        ExtendCurve(canvas, *st, state.range(0) != 0);
        year = year % MaxYear + 1;
    }
}
BENCHMARK(BM_ExtendCurve)->Arg(1)->Arg(0)->ArgName("linear");

void BM_DrawGraph(benchmark::State& state)
{
    auto st = BusyState();
    st->GraphMode = static_cast<int>(state.range(0));
    for (int i = 0; i < AgeCount; ++i) {
        st->FertilityByAge[i] = (i >= 17 && i <= 47) ? 0.02 : 0;
        st->MortalityByAge[i] = 0.01;
        st->SurvivalByAge[i] = 1.0 - i / 109.0;
    }
    RasterImage image(GraphWidth, GraphHeight);
    RasterCanvas canvas(image);
    for (auto _ : state)
        DrawGraph(canvas, *st, true, 1);
}
BENCHMARK(BM_DrawGraph)->DenseRange(1, 4)->ArgName("mode")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
