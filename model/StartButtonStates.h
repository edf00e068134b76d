#pragma once
// The Start button's caption is the run's state: Start (year 0 or a finished run), Continue (paused),
// Pause (running) and Step (step mode). The four states with their captions and hints live here only;
// the window compares its caption against this table.
#include "model/TranslatableText.h"

#include <array>

namespace vartel {

enum class StartState { Start, Continue, Pause, Step };

struct StartStateTexts {
    StartState State;
    const char* Caption;
    const char* Hint;
};

inline constexpr const char* StartButtonContext = "StartButton";

inline constexpr std::array<StartStateTexts, 4> StartStates{{
    {StartState::Start, VARTEL_TRANSLATE_NOOP("StartButton", "Start"),
     VARTEL_TRANSLATE_NOOP("StartButton", "Start simulation")},
    {StartState::Continue, VARTEL_TRANSLATE_NOOP("StartButton", "Continue"),
     VARTEL_TRANSLATE_NOOP("StartButton", "Stop the pause, continue the simulation")},
    {StartState::Pause, VARTEL_TRANSLATE_NOOP("StartButton", "Pause"),
     VARTEL_TRANSLATE_NOOP("StartButton", "Pause simulation")},
    {StartState::Step, VARTEL_TRANSLATE_NOOP("StartButton", "Step"), VARTEL_TRANSLATE_NOOP("StartButton", "One step")},
}};

constexpr const StartStateTexts& TextsOf(StartState state)
{
    return StartStates[static_cast<std::size_t>(state)];
}

} // namespace vartel
