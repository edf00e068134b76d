#pragma once
// One run of vartel-batch in this process: its window without a window, the fixed seed, the model and,
// when pictures are wanted, the screen images the run is drawn on.
#include "tools/BatchHost.h"
#include "tools/BatchOutput.h"
#include "tools/BatchRun.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>

namespace vartel {

struct BatchSession {
    // `messages` takes the corrections of the parameters (stderr in the tool).
    BatchSession(std::ostream& messages, bool withScreen) : Host(messages)
    {
        if (withScreen) {
            Screen.emplace(M->S);
            Host.ShowOn(&*Screen);
        }
    }
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    std::string Run(const BatchArguments& a)
    {
        Random.Reseed(static_cast<std::uint64_t>(a.Seed));
        return RunBatch(*M, a, ScreenOrNull());
    }
    std::vector<std::string> WriteFiles(const BatchArguments& a) { return WriteBatchOutput(M->S, a, ScreenOrNull()); }
    BatchScreen* ScreenOrNull() { return Screen ? &*Screen : nullptr; }

    BatchHost Host;
    SeededRandom Random{BatchSeed};
    std::unique_ptr<Model> M = std::make_unique<Model>(Host, Random); // the record is large
    std::optional<BatchScreen> Screen;
};

} // namespace vartel
