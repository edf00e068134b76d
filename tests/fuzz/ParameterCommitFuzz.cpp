// Any text into any parameter field, incidents and scenario switches, then runs to the end: the model must
// never crash, hang, or hold a non-finite or negative age count.
#include "model/Incidents.h"
#include "model/ParameterCommit.h"
#include "model/QuietHost.h"
#include "model/Scenarios.h"
#include "model/YearStep.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace vartel;

void CheckAges(const SimulationState& s)
{
    for (double people : s.PopByAge)
        if (!std::isfinite(people) || people < 0)
            std::abort();
}

void RunYears(Model& m, int years)
{
    for (int i = 0; i < years && m.S.Year < MaxYear; ++i) {
        ++m.S.Year;
        YearStep(m);
        CheckAges(m.S);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QuietHost host;
    SeededRandom random(size);
    auto model = std::make_unique<Model>(host, random);
    Model& m = *model;
    StartUpModel(m);

    std::size_t i = 0;
    while (i < size) {
        const std::uint8_t op = data[i++];
        if (op < 6 * 32) { // a commit: the text runs up to the next NUL
            std::string text;
            while (i < size && data[i] != 0 && text.size() < 40)
                text.push_back(static_cast<char>(data[i++]));
            ++i;
            CommitParameter(m, static_cast<ParameterField>(op % 6), text);
        } else if (op < 210) {
            if (m.S.Incident == 0)
                StartIncident(m, 1 + op % 3);
        } else if (op < 230) {
            ChooseScenario(m, 1 + op % 7);
        } else {
            RunYears(m, 1 + (op - 230) * 40);
        }
        CheckAges(m.S);
    }
    RunYears(m, MaxYear);
    return 0;
}
