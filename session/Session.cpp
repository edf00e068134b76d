#include "session/Session.h"

#include "model/Codes.h"
#include "model/Incidents.h"
#include "model/Results.h"
#include "model/Rounding.h"
#include "model/RunControl.h"
#include "model/Scenarios.h"
#include "session/SpeedDelays.h"
#include "session/TrimmedText.h"

#include <algorithm>

namespace vartel {

namespace {

constexpr const char* AlarmSound = "Letop";
constexpr std::int64_t NanosecondsPerMillisecond = 1'000'000;

constexpr Field ShownIn(ParameterField field)
{
    switch (field) {
    case ParameterField::Population:
        return Field::Popmeter;
    case ParameterField::StableLevel:
        return Field::SPmeter;
    case ParameterField::BirthIndex:
        return Field::BImeter;
    case ParameterField::BabyMortality:
        return Field::BDmeter;
    case ParameterField::AdultMortality:
        return Field::ADmeter;
    case ParameterField::Immigration:
        break;
    }
    return Field::IMmeter;
}

} // namespace

Session::Session(SessionListener& listener, RandomSource& random, Clock clock)
    : listener_(listener), clock_(std::move(clock)),
      model_(std::make_unique<Model>(static_cast<ModelHost&>(*this), random)), browsing_(*this, listener)
{
}

Session::~Session() = default;

void Session::StartUp()
{
    ShowRunState(RunState::Ready);
    StartUpModel(*model_);
    model_->S.StepDelay = SpeedDelayFor(speed_);
    listener_.GraphNeedsRedraw(); // the whole graph once more, at the end of the start-up
    model_->S.FirstIdleDone = false;
    model_->S.Frozen = false;
}

void Session::Reset()
{
    // Shown before the reset, so that an alarm of its first message can still pause it.
    ShowRunState(RunState::Ready);
    ResetSimulation(*model_);
    model_->S.StepDelay = SpeedDelayFor(speed_);
}

NextPass Session::PressStart()
{
    SimulationState& s = model_->S;
    switch (runState_) {
    case RunState::Ready:
    case RunState::Finished:
    case RunState::Paused:
        ShowRunState(RunState::Running);
        s.Running = true;
        break;
    case RunState::Stepping:
        s.Running = true;
        break;
    case RunState::Running:
        ShowRunState(RunState::Paused);
        s.Running = false;
        break;
    }
    if (s.Year == 0 && s.Running)
        CaptureStartValues(s);
    if (s.Running)
        fastestPassYears_ = 1;
    s.Frozen = false;
    browsing_.ShowPresent();
    listener_.InstructionChanged(s.Running ? Instruction::None : Instruction::Investigate);
    return {NextPass::When::Soon};
}

NextPass Session::New()
{
    Reset();
    return {NextPass::When::Soon};
}

NextPass Session::ChooseScenario(int scenario)
{
    if (scenario >= 5)
        ShowRunState(RunState::Ready); // these reset the run
    vartel::ChooseScenario(*model_, scenario);
    model_->S.StepDelay = SpeedDelayFor(speed_);
    return {NextPass::When::Soon};
}

NextPass Session::SetStepMode(bool on)
{
    stepMode_ = on;
    const SimulationState& s = model_->S;
    if (!on) {
        if (s.Year >= MaxYear)
            ShowRunState(RunState::Finished);
        else
            ShowRunState(s.Year > 0 ? RunState::Paused : RunState::Ready);
    }
    // A year waiting for the rest of its time is completed at once when step mode is switched on.
    if (on && yearWaiting_) {
        yearWaiting_ = false;
        FinishPass();
        return {NextPass::When::Never};
    }
    return {NextPass::When::Soon};
}

void Session::SetSpeed(int speed)
{
    speed_ = std::clamp(speed, 0, static_cast<int>(SpeedDelays.size()) - 1);
    model_->S.StepDelay = SpeedDelayFor(speed_);
}

void Session::StartIncident(int incident)
{
    // Nothing follows the last year, so nothing could count down.
    if (model_->S.Year < MaxYear)
        vartel::StartIncident(*model_, incident);
}

NextPass Session::RunPass(bool held)
{
    SimulationState& s = model_->S;
    if (yearWaiting_) {
        yearWaiting_ = false;
        return FinishPass();
    }
    if (!s.FirstIdleDone) {
        s.FirstIdleDone = true;
        listener_.FirstPassDone();
    }
    if (s.Running && s.Year < MaxYear) {
        // A box (a correction, an error report, a file or printer dialog) is about the year on the screen:
        // the run waits until it is closed, and until the commit that showed it has written its value.
        if (held || committing_)
            return {NextPass::When::After, HeldPollMilliseconds};
        const std::int64_t passStart = clock_();
        const bool fastest = s.StepDelay <= 0 && !stepMode_;
        if (fastest)
            listener_.FastestPassBegins();
        int years = 0;
        do {
            AdvanceYear(*model_);
            ++years;
            ReachYear();
            if (!s.Running)
                listener_.InstructionChanged(Instruction::Investigate); // paused at an important moment
        } while (fastest && s.Running && s.Year < MaxYear && years < fastestPassYears_ &&
                 clock_() - passStart < FastestPassNanoseconds);
        if (fastest) {
            listener_.FastestPassEnds();
            fastestPassYears_ = std::min(2 * fastestPassYears_, FastestPassYearsMax);
        }
        const std::int64_t passTime = clock_() - passStart;
        listener_.PassDone(years, passTime);
        if (s.Year >= MaxYear) {
            // Nothing follows the last year, so there is nothing to wait for; ending at once also keeps a
            // click during a wait (or an automatic pause) from leaving the run unfinished.
            FinishRun();
        } else if (!stepMode_) {
            const std::int64_t rest = static_cast<std::int64_t>(s.StepDelay) - passTime / NanosecondsPerMillisecond;
            if (rest > 0) {
                yearWaiting_ = true;
                return {NextPass::When::After, static_cast<int>(rest)};
            }
        }
    }
    return FinishPass();
}

NextPass Session::FinishPass()
{
    SimulationState& s = model_->S;
    if (s.Running && s.Year >= MaxYear)
        FinishRun();
    if (stepMode_) {
        ShowRunState(RunState::Stepping);
        if (s.Running)
            listener_.InstructionChanged(Instruction::Investigate); // after a step the past can be browsed
        s.Running = false;
    }
    return s.Running ? NextPass{NextPass::When::Soon} : NextPass{};
}

void Session::FinishRun()
{
    ShowRunState(RunState::Finished);
    model_->S.Running = false;
    listener_.RunFinished();
    listener_.IncidentsAvailableChanged(false);
    listener_.InstructionChanged(Instruction::Investigate);
}

CommitOutcome Session::Commit(ParameterField field, const std::string& text, CommitBy by)
{
    if (committing_)
        return {.Unchanged = true, .Error = {}};
    const std::string trimmed = TrimmedText(text);
    std::string& shown = shown_[static_cast<std::size_t>(ShownIn(field))];
    if (trimmed == shown && (by == CommitBy::Leaving || browsing_.ShownPastYear())) {
        if (text != trimmed)
            listener_.FieldChanged(ShownIn(field), trimmed);
        return {.Unchanged = true, .Error = {}};
    }
    const std::string before = shown;
    shown = text; // what the field shows now, until the commit writes it
    committing_ = true;
    const CommitResult result = CommitParameter(*model_, field, trimmed);
    committing_ = false;
    if (!result.Ok) {
        shown = before; // the same text again is the same error again
        return {.Error = result.Error};
    }
    if (shown == text && text != trimmed) {
        // The commit changed nothing and left the blanks.
        shown = trimmed;
        listener_.FieldChanged(ShownIn(field), trimmed);
    }
    return {};
}

void Session::ShowPresentFigures()
{
    const SimulationState& s = model_->S;
    SetField(Field::Popmeter, std::to_string(RoundEvenToInt(s.PopHistory[static_cast<std::size_t>(s.Year)])));
    SetField(Field::Clock, std::to_string(s.Year));
    ShowCurrentFigures(*model_);
    listener_.BulletinChanged(s.Board);
}

bool Session::Advance()
{
    SimulationState& s = model_->S;
    if (s.Year >= MaxYear)
        return false;
    if (s.Year == 0)
        CaptureStartValues(s);
    AdvanceYear(*model_);
    ReachYear();
    return true;
}

void Session::ReachYear()
{
    SimulationState& s = model_->S;
    if (yearReached_ && yearReached_(s.Year) && s.Running) {
        ShowRunState(RunState::Paused);
        s.Running = false;
    }
}

void Session::ShowRunState(RunState state)
{
    runState_ = state;
    listener_.RunStateChanged(state);
}

void Session::SetField(Field field, const std::string& text)
{
    shown_[static_cast<std::size_t>(field)] = text;
    listener_.FieldChanged(field, text);
}

void Session::ShowBulletin(const BulletinState& board)
{
    listener_.BulletinChanged(board);
}

void Session::RepaintBulletinAndElderly()
{
    listener_.BulletinAndElderlyDueNow();
}

void Session::SetCountdown(const std::string& text, Color fontColor)
{
    listener_.CountdownChanged(text, fontColor);
}

void Session::SetIncidentButtonsEnabled(bool enabled)
{
    listener_.IncidentsAvailableChanged(enabled);
}

void Session::ClearInstruction()
{
    listener_.InstructionChanged(Instruction::None);
}

void Session::RedrawGraph()
{
    listener_.GraphNeedsRedraw();
}

void Session::RedrawPyramid(int year)
{
    listener_.PyramidNeedsRedraw(year);
}

void Session::ResetHouses()
{
    listener_.HousesReset();
}

void Session::UpdateHousesAndCurve()
{
    listener_.HousesAndCurveGrew();
}

void Session::RelocateFirstHouse()
{
    listener_.FirstHouseMoved();
}

void Session::ResetGraphControls()
{
    listener_.GraphControlsReset();
}

void Session::MoveEquilibriumMarker()
{
    listener_.EquilibriumLevelChanged();
}

void Session::RestorePresent()
{
    browsing_.ShowPresent();
}

void Session::Alarm()
{
    if (sound_)
        listener_.SoundPlayed(AlarmSound);
    if (pauseAtAlarms_) {
        ShowRunState(RunState::Paused);
        model_->S.Running = false;
    }
}

void Session::ShowCorrection(const std::string& message)
{
    listener_.CorrectionMade(message);
}

} // namespace vartel
