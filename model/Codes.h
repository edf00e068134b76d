#pragma once
// Names for the integer codes of the record. The record keeps scenarios, incidents, stages and graph modes
// as plain ints, as the history and the data file do; these are their values.
#include <cstddef>

namespace vartel {

namespace ScenarioCode {
constexpr int Simple = 1;
constexpr int PositiveFeedback = 2;
constexpr int NegativeFeedback = 3;
constexpr int Attenuation = 4;
constexpr int RealisticLow = 5;
constexpr int RealisticMedium = 6;
constexpr int RealisticHigh = 7;
} // namespace ScenarioCode

// Scenarios 5-7 follow the island's history; 1-4 are the theoretical ones.
constexpr bool IsRealisticScenario(int scenario)
{
    return scenario >= ScenarioCode::RealisticLow;
}

namespace IncidentCode {
constexpr int None = 0;
constexpr int Epidemic = 1;
constexpr int OneChildPolicy = 2;
constexpr int ImmigrationWave = 3;
} // namespace IncidentCode

// The stages of the island's history in the order they can be reached: StageReached is indexed by them;
// Stages holds the start "S" first, so a stage's record is one further on.
enum Stage { StageA, StageM, StageH, StageP, StageE, StageB };
constexpr std::size_t StartRecord = 0;
constexpr std::size_t RecordOf(Stage stage)
{
    return static_cast<std::size_t>(stage) + 1;
}

namespace GraphModeCode {
constexpr int Population = 1;
constexpr int Births = 2;
constexpr int Mortality = 3;
constexpr int Survival = 4;
} // namespace GraphModeCode

} // namespace vartel
