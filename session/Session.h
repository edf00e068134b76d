#pragma once
// One run of the program as the user sees it: the record and every rule of the run that is not the
// simulation itself. Start, Pause, Continue and Step, New, the end at the last year, step mode, the five
// speeds, the alarm's sound and pause, incidents, and the pacing of the years by the front end's clock.
// The front end forwards what the user does and shows what the listener is told.
#include "model/Model.h"
#include "model/ModelHost.h"
#include "model/ParameterCommit.h"
#include "model/RandomSource.h"
#include "session/Browsing.h"
#include "session/PassPlan.h"
#include "session/RunState.h"
#include "session/SessionListener.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vartel {

// How the student gave a field's text: by leaving the field, or by Return in it.
enum class CommitBy { Leaving, Return };

// What a commit of a parameter field did.
struct CommitOutcome {
    bool Unchanged = false; // the text is the one the field was given: nothing was committed
    std::string Error;      // a text that is not a number: the message; nothing was committed
};

class Session final : private ModelHost {
public:
    // Nanoseconds from any fixed point: the front end's clock, or a test's.
    using Clock = std::function<std::int64_t()>;

    // How long a pass at the fastest speed goes on computing years, by the session's clock: half a frame at
    // 60 pictures a second, which leaves the other half for painting and input. And at most so many years:
    // the curve grows by at most 64 pixels a picture, so even the fastest run is seen to draw it.
    static constexpr std::int64_t FastestPassNanoseconds = 8'000'000;
    static constexpr int FastestPassYearsMax = 256;
    // How often a run held by an open box looks again whether it may go on.
    static constexpr int HeldPollMilliseconds = 50;
    static constexpr int StartSpeed = 3;

    // The listener and the random source must outlive the session.
    Session(SessionListener& listener, RandomSource& random, Clock clock);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Model& model() { return *model_; }
    const SimulationState& state() const { return model_->S; }
    RunState CurrentRunState() const { return runState_; }
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // Browsing the past over the graph; Start and New show the present again.
    Browsing& browsing() { return browsing_; }
    const Browsing& browsing() const { return browsing_; }

    // The program's start: the model in scenario 1 at year 0, and the graph drawn.
    void StartUp();

    // The user's commands. Each says when the front end's next pass is due.
    NextPass PressStart();
    NextPass New();
    NextPass ChooseScenario(int scenario);
    NextPass SetStepMode(bool on);
    void SetSpeed(int speed); // 0 (slowest) .. 4 (fastest)
    void StartIncident(int incident);
    bool StepMode() const { return stepMode_; }
    int Speed() const { return speed_; }

    // Options of the run: a new message's sound, and a pause at it.
    void SetSound(bool on) { sound_ = on; }
    void SetPauseAtAlarms(bool on) { pauseAtAlarms_ = on; }
    bool Sound() const { return sound_; }
    bool PauseAtAlarms() const { return pauseAtAlarms_; }

    // The text the user gave a parameter field (typed or pasted, Return or leaving the field). Blanks around
    // it are no part of it. Leaving does not commit a text the session itself last showed in the field: a
    // value rounded to its decimals read back would change the present. Return commits the present's text
    // as it stands, but never a past year's value on display, which would put the past over the present.
    CommitOutcome Commit(ParameterField field, const std::string& text, CommitBy by = CommitBy::Leaving);
    // The text last shown in a field.
    const std::string& ShownText(Field field) const { return shown_[static_cast<std::size_t>(field)]; }
    // The present's figures and board on display again, with the commits made since its year was recorded.
    void ShowPresentFigures();

    // One pass of the run, when the front end's clock says it is due. While `held` (a box or dialog about
    // the year on the screen is open) no year is computed and the session asks to be called again soon.
    NextPass RunPass(bool held = false);

    // One year as Start at year 0 and the next pass would compute it, for a front end that runs the years
    // itself at its own pace. Whether a year was computed: none follows the last year.
    bool Advance();

    // Told each time the run reaches a year by computing it (the run's own passes and Advance): a lesson's
    // events happen there. True pauses the run at that year as a pause at an alarm does.
    using YearReached = std::function<bool(int year)>;
    void SetYearReached(YearReached reached) { yearReached_ = std::move(reached); }

private:
    void ReachYear();
    NextPass FinishPass();
    void FinishRun();
    void ShowRunState(RunState state);
    void Reset();

    // What the simulation reports, passed on to the listener; the alarm is decided here.
    void SetField(Field field, const std::string& text) override;
    void ShowBulletin(const BulletinState& board) override;
    void RepaintBulletinAndElderly() override;
    void SetCountdown(const std::string& text, Color fontColor) override;
    void SetIncidentButtonsEnabled(bool enabled) override;
    void ClearInstruction() override;
    void RedrawGraph() override;
    void RedrawPyramid(int year) override;
    void ResetHouses() override;
    void UpdateHousesAndCurve() override;
    void RelocateFirstHouse() override;
    void ResetGraphControls() override;
    void MoveEquilibriumMarker() override;
    void RestorePresent() override;
    void Alarm() override;
    void ShowCorrection(const std::string& message) override;

    SessionListener& listener_;
    Clock clock_;
    std::unique_ptr<Model> model_; // the record is large
    Browsing browsing_;
    RunState runState_ = RunState::Ready;
    bool stepMode_ = false;
    int speed_ = StartSpeed;
    bool sound_ = true;
    bool pauseAtAlarms_ = false;
    bool yearWaiting_ = false; // the last pass's year waits for the rest of its minimum time
    int fastestPassYears_ = 1; // the most years of the next pass at the fastest speed
    std::array<std::string, static_cast<std::size_t>(Field::CHmeter) + 1> shown_;
    bool committing_ = false; // a box shown during a commit starts no second commit and lets no year pass
    YearReached yearReached_;
};

} // namespace vartel
