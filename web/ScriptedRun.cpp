#include "web/ScriptedRun.h"

#include "output/DataFile.h"
#include "session/QuietListener.h"
#include "session/Session.h"
#include "session/SteadyClock.h"
#include "tools/BatchRun.h"

#include <cstdint>
#include <memory>

namespace vartel {

std::string ScriptedRunDataFile(const BatchArguments& a, const std::string& date)
{
    QuietListener listener;
    SeededRandom random{static_cast<std::uint64_t>(a.Seed)};
    const auto session = std::make_unique<Session>(listener, random, SteadyNanoseconds); // the record is large
    if (const std::string error = RunBatchYears(*session, a); !error.empty())
        return "Error: " + error;
    return DataFileText(session->state(), date);
}

} // namespace vartel
