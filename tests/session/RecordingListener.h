#pragma once
// A listener that keeps what a front end would show of the run: the Start button's state, the instruction
// line, the sounds, the passes and whether incidents can be started.
#include "session/QuietListener.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vartel {

class RecordingListener : public QuietListener {
public:
    RunState Shown = RunState::Ready;
    Instruction Line = Instruction::None;
    std::vector<std::string> Sounds;
    std::vector<int> PassYears;
    bool IncidentsAvailable = true;
    int Finishes = 0;

    void RunStateChanged(RunState state) override { Shown = state; }
    void InstructionChanged(Instruction instruction) override { Line = instruction; }
    void SoundPlayed(const std::string& name) override { Sounds.push_back(name); }
    void PassDone(int years, std::int64_t) override { PassYears.push_back(years); }
    void IncidentsAvailableChanged(bool available) override { IncidentsAvailable = available; }
    void RunFinished() override { ++Finishes; }
};

} // namespace vartel
