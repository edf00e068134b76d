#pragma once
// A started-up model on the heap (the record is large) with a recording host and a fixed seed.
#include "model/Model.h"
#include "model/Scenarios.h"
#include "model/YearStep.h"
#include "tests/model/RecordingHost.h"

#include <functional>
#include <memory>

namespace vartel {

struct TestModel {
    RecordingHost Host;
    SeededRandom Random{20240601};
    std::unique_ptr<Model> M = std::make_unique<Model>(Host, Random);
    SimulationState& S = M->S;

    explicit TestModel(int scenario = 1)
    {
        StartUpModel(*M);
        if (scenario != 1)
            ChooseScenario(*M, scenario);
    }
    // One year as the driver runs it.
    void Step()
    {
        ++S.Year;
        YearStep(*M);
    }
    void RunTo(int year)
    {
        while (S.Year < year)
            Step();
    }
    // Runs until `stop` holds after a step or the last year; returns whether it held.
    bool RunUntil(const std::function<bool()>& stop, int lastYear = MaxYear)
    {
        while (S.Year < lastYear) {
            Step();
            if (stop())
                return true;
        }
        return false;
    }
};

} // namespace vartel
