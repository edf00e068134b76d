#pragma once
// What a session tells its front end: each call says what changed, the front end shows it. The window,
// the batch tool and the tests implement it.
#include "model/ModelHost.h"
#include "model/SimulationState.h"
#include "session/RunState.h"

#include <cstdint>
#include <string>

namespace vartel {

// The instruction line under the controls.
enum class Instruction {
    None,
    Investigate, // the past can be browsed: after a pause, a step or the end of the run
    Frozen,      // a past moment is frozen on display
};

class SessionListener {
public:
    virtual ~SessionListener() = default;

    // The simulation's figures, board and countdown.
    virtual void FieldChanged(Field field, const std::string& text) = 0;
    virtual void BulletinChanged(const BulletinState& board) = 0;
    virtual void BulletinAndElderlyDueNow() = 0; // both are to be on screen before the next message
    virtual void CountdownChanged(const std::string& text, Color fontColor) = 0;
    virtual void IncidentsAvailableChanged(bool available) = 0;
    virtual void CorrectionMade(const std::string& message) = 0; // a parameter's value was out of range

    // What needs drawing anew.
    virtual void GraphNeedsRedraw() = 0;
    virtual void PyramidNeedsRedraw(int year) = 0;
    virtual void HousesReset() = 0;
    virtual void HousesAndCurveGrew() = 0; // the newest year's houses and curve segment
    virtual void FirstHouseMoved() = 0;
    virtual void GraphControlsReset() = 0;
    virtual void EquilibriumLevelChanged() = 0;
    virtual void BrowsingEnded() = 0; // the present is on display again
    // A past year is on display: its pyramid, figures and board come as their own calls.
    virtual void PastYearShown(int year) = 0;
    virtual void AgeGraphsAvailableChanged(bool available) = 0; // not while the past is browsed

    // The run.
    virtual void RunStateChanged(RunState state) = 0;
    virtual void InstructionChanged(Instruction instruction) = 0;
    virtual void RunFinished() = 0; // the last year is reached
    virtual void SoundPlayed(const std::string& name) = 0;
    virtual void FirstPassDone() = 0; // the program is up and waits for the user
    // Between these two, the years of one pass at the fastest speed are computed back to back: what shows
    // only the newest year may wait for the second call.
    virtual void FastestPassBegins() = 0;
    virtual void FastestPassEnds() = 0;
    // A pass computed `years` years in `nanoseconds` by the session's clock.
    virtual void PassDone(int years, std::int64_t nanoseconds) = 0;
};

} // namespace vartel
