#pragma once
#include "model/Model.h"

namespace vartel {

// The model's part of program start-up: fixed tables, GraphMode and ZoomFactor 1, ResetSimulation while
// Scenario is 0, Scenario 1, ScenarioNames and the seven stage records.
void StartUpModel(Model& m);
// The captions of the scenario radio buttons, [1..7] ([0] is empty).
const std::array<std::string, 8>& ScenarioCaptions();
// ScenarioNames[1..7] and the letters and texts of the seven stage records (the end of start-up).
void StoreScenarioNamesAndStages(SimulationState& s);
void ResetSimulation(Model& m);
void ChooseScenario(Model& m, int scenario);      // 1..7, the radio buttons
void SetPopulationSize(Model& m, int population); // 120..2,500,000, already limited by the caller

} // namespace vartel
