#pragma once
// One run of vartel-batch in this process: its window without a window, the seed, the session and, when
// pictures are wanted, the screen images the run is drawn on.
#include "session/Session.h"
#include "session/SteadyClock.h"
#include "tools/BatchHost.h"
#include "tools/BatchOutput.h"
#include "tools/BatchRun.h"

#include <cstdint>
#include <optional>
#include <ostream>

namespace vartel {

struct BatchSession {
    // `messages` takes the corrections of the parameters (stderr in the tool).
    BatchSession(std::ostream& messages, bool withScreen) : Host(messages)
    {
        if (withScreen) {
            Screen.emplace(Simulation.state());
            Host.ShowOn(&*Screen);
        }
    }
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    std::string Run(const BatchArguments& a)
    {
        Random.Reseed(static_cast<std::uint64_t>(a.Seed));
        return RunBatch(Simulation, a, ScreenOrNull());
    }
    std::vector<std::string> WriteFiles(const BatchArguments& a)
    {
        return WriteBatchOutput(Simulation.state(), a, ScreenOrNull());
    }
    BatchScreen* ScreenOrNull() { return Screen ? &*Screen : nullptr; }

    BatchHost Host;
    SeededRandom Random{BatchSeed};
    Session Simulation{Host, Random, SteadyNanoseconds};
    std::optional<BatchScreen> Screen;
};

} // namespace vartel
