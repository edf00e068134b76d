#pragma once
// The state of a run as the Start button shows it, with the button's caption and hint for each state.
// Front ends show the texts translated under StartButtonContext; they never read the state back.
#include "model/TranslatableText.h"

namespace vartel {

enum class RunState {
    Ready,    // year 0 after a reset: Start
    Running,  // years are being computed: Pause
    Paused,   // stopped by the user or at an important moment: Continue
    Stepping, // step by step, between steps: Step
    Finished, // the last year reached: Start
};

struct StartButtonTexts {
    const char* Caption;
    const char* Hint;
};

inline constexpr const char* StartButtonContext = "StartButton";

constexpr StartButtonTexts StartButtonTextsOf(RunState state)
{
    switch (state) {
    case RunState::Running:
        return {VARTEL_TRANSLATE_NOOP("StartButton", "Pause"),
                VARTEL_TRANSLATE_NOOP("StartButton", "Pause simulation")};
    case RunState::Paused:
        return {VARTEL_TRANSLATE_NOOP("StartButton", "Continue"),
                VARTEL_TRANSLATE_NOOP("StartButton", "Stop the pause, continue the simulation")};
    case RunState::Stepping:
        return {VARTEL_TRANSLATE_NOOP("StartButton", "Step"), VARTEL_TRANSLATE_NOOP("StartButton", "One step")};
    case RunState::Ready:
    case RunState::Finished:
        break;
    }
    return {VARTEL_TRANSLATE_NOOP("StartButton", "Start"), VARTEL_TRANSLATE_NOOP("StartButton", "Start simulation")};
}

} // namespace vartel
