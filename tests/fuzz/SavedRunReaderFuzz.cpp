// libFuzzer entry: any byte string must read without a crash, a hang or a leak, and a run that is read must
// hold what the reader promises: two to 3001 years, each population finite and not negative.
#include "output/SavedRunReader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vartel;
    const SavedRunReading reading = ReadSavedRun(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto& people = reading.Run.Population;
    if (reading.Problem != SavedRunProblem::None) {
        if (!people.empty() || !reading.Run.ScenarioName.empty())
            std::abort();
        return 0;
    }
    if (people.size() < 2 || people.size() > HistorySize)
        std::abort();
    for (double p : people)
        if (!std::isfinite(p) || p < 0)
            std::abort();
    return 0;
}
