#pragma once
// A started session with a recording listener and a fake clock that moves `Tick` nanoseconds each time it
// is read, so that passes have known lengths whatever the machine does.
#include "session/Session.h"
#include "tests/session/RecordingListener.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vartel {

class SessionTest : public testing::Test {
protected:
    SessionTest() { Run.StartUp(); }

    SimulationState& S() { return Run.model().S; }
    // Calls the passes the session asks for until the run stops or `limit` passes were run; the waits
    // they ask for are taken as passed at once.
    int PassUntilStopped(int limit = 100000)
    {
        int passes = 0;
        while (S().Running && passes < limit) {
            Run.RunPass();
            ++passes;
        }
        return passes;
    }
    void AdvanceTo(int year)
    {
        while (S().Year < year && Run.Advance()) {
        }
    }

    std::int64_t Tick = 0;
    std::int64_t Now = 0;
    RecordingListener Listener;
    SeededRandom Random{20240601};
    Session Run{Listener, Random, [this] { return Now += Tick; }};
};

} // namespace vartel
