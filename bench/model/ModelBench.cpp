// One year step and whole 3000-year runs of every scenario, with a window that does nothing.
#include "model/History.h"
#include "model/Model.h"
#include "model/QuietHost.h"
#include "model/Scenarios.h"
#include "model/YearStep.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace vartel {
namespace {

struct BenchModel {
    QuietHost Host;
    SeededRandom Random{1};
    std::unique_ptr<Model> M = std::make_unique<Model>(Host, Random);
    explicit BenchModel(int scenario)
    {
        StartUpModel(*M);
        ChooseScenario(*M, scenario);
    }
};

void BM_YearStep(benchmark::State& state)
{
    BenchModel b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (b.M->S.Year == MaxYear) {
            state.PauseTiming();
            ResetSimulation(*b.M);
            state.ResumeTiming();
        }
        ++b.M->S.Year;
        YearStep(*b.M);
    }
}
BENCHMARK(BM_YearStep)->DenseRange(1, 7)->ArgName("scenario");

void BM_FullRun(benchmark::State& state)
{
    BenchModel b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ResetSimulation(*b.M);
        while (b.M->S.Year < MaxYear) {
            ++b.M->S.Year;
            YearStep(*b.M);
        }
        benchmark::DoNotOptimize(b.M->S.ExactPopHistory[MaxYear]);
    }
}
BENCHMARK(BM_FullRun)->DenseRange(1, 7)->ArgName("scenario")->Unit(benchmark::kMillisecond);

// A rescale that misses far: "Positive feedback" at year 158 has three old people left, and 2,500,000
// entered there needs about 2.2 million single-person moves.
void BM_SetPopulationSizeFarMiss(benchmark::State& state)
{
    BenchModel b(2);
    while (b.M->S.Year < 158) {
        ++b.M->S.Year;
        YearStep(*b.M);
    }
    const AgeTable before = b.M->S.PopByAge;
    for (auto _ : state) {
        state.PauseTiming();
        b.M->S.PopByAge = before;
        TallyClasses(b.M->S, b.M->S.Year);
        state.ResumeTiming();
        SetPopulationSize(*b.M, 2500000);
        benchmark::DoNotOptimize(b.M->S.PopHistory[158]);
    }
}
BENCHMARK(BM_SetPopulationSizeFarMiss)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vartel
