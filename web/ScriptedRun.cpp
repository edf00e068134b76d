#include "web/ScriptedRun.h"

#include "model/QuietHost.h"
#include "output/DataFile.h"
#include "tools/BatchRun.h"

#include <memory>

namespace vartel {

std::string ScriptedRunDataFile(const BatchArguments& a, const std::string& date)
{
    QuietHost host;
    SeededRandom random{BatchSeed};
    const auto m = std::make_unique<Model>(host, random); // the record is large
    if (const std::string error = RunBatchYears(*m, a); !error.empty())
        return "Error: " + error;
    return DataFileText(m->S, date);
}

} // namespace vartel
