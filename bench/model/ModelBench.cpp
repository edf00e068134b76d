// One year step and whole 3000-year runs of every scenario, with a window that does nothing.
#include "model/Model.h"
#include "model/Scenarios.h"
#include "model/YearStep.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace vartel {
namespace {

class SilentHost final : public ModelHost {
public:
    void SetField(Field, const std::string&) override {}
    void ShowBulletin(const BulletinState&) override {}
    void RepaintBulletinAndElderly() override {}
    void SetCountdown(const std::string&, Color) override {}
    void SetIncidentButtonsEnabled(bool) override {}
    void SetStartCaption(const std::string&) override {}
    void SetStartHint(const std::string&) override {}
    void SetMemo(const std::string&) override {}
    void RedrawGraph() override {}
    void RedrawPyramid(int) override {}
    void ResetHouses() override {}
    void UpdateHousesAndCurve() override {}
    void RelocateFirstHouse() override {}
    void ResetGraphControls() override {}
    void MoveEquilibriumMarker() override {}
    void RestorePresent() override {}
    void PlaySound(const std::string&) override {}
    bool PauseAtImportantMoments() const override { return false; }
    int SpeedPosition() const override { return 4; }
    void ShowCorrection(const std::string&) override {}
};

struct BenchModel {
    SilentHost Host;
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

} // namespace
} // namespace vartel
