// The functions the page calls, plain C for the module's exports. Texts cross as UTF-8; a returned text
// stays valid until the next call.
#include "tools/BatchArguments.h"
#include "web/ScriptedRun.h"

#include <emscripten/emscripten.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string lastText;

std::vector<std::string> Lines(const char* text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

extern "C" {

// Runs what the batch tool's command line `arguments` (one argument a line) asks for and returns the
// data file of the run dated `date`, or "Error: " and the message for a command line that is not sound
// or an event that fails.
EMSCRIPTEN_KEEPALIVE const char* vartel_run_data_file(const char* arguments, const char* date)
{
    const vartel::ParsedArguments parsed = vartel::ParseBatchArguments(Lines(arguments));
    if (!parsed.Error.empty()) {
        lastText = "Error: " + parsed.Error;
        return lastText.c_str();
    }
    lastText = vartel::ScriptedRunDataFile(parsed.Arguments, date);
    return lastText.c_str();
}
}
