#include "lesson/LessonPlan.h"

#include "lesson/EventFiring.h"
#include "lesson/LessonRun.h"
#include "session/Session.h"

#include <algorithm>

namespace vartel {

LessonPlan::LessonPlan(const Lesson& lesson, Asked asked, Failed failed)
    : scenario_(lesson.Scenario), speed_(lesson.Speed), events_(LessonRunEvents(lesson)),
      pausePoints_(lesson.PausePoints), asked_(std::move(asked)), failed_(std::move(failed))
{
}

LessonPlan::~LessonPlan()
{
    if (session_ != nullptr)
        session_->SetYearReached({});
}

void LessonPlan::Begin(Session& session)
{
    session_ = &session;
    session.SetYearReached({});
    session.StartUp();
    session.ChooseScenario(scenario_);
    session.SetSpeed(speed_);
    nextEvent_ = 0;
    Reach(0);
    session.SetYearReached([this](int year) { return Reach(year); });
}

bool LessonPlan::Reach(int year)
{
    // In order, each once; a scenario that resets the run to year 0 leaves the rest for when the run is
    // back at their years.
    while (nextEvent_ < events_.size() && events_[nextEvent_].Year <= session_->state().Year) {
        const BatchEvent& event = events_[nextEvent_++];
        if (const std::string error = FireEvent(*session_, event); !error.empty() && failed_)
            failed_(event.Argument + ": " + error);
    }
    if (session_->state().Year != year)
        return false;
    const auto point =
        std::find_if(pausePoints_.begin(), pausePoints_.end(), [year](const PausePoint& p) { return p.Year == year; });
    if (point == pausePoints_.end())
        return false;
    const auto asked =
        std::find_if(answers_.begin(), answers_.end(), [year](const LessonAnswer& a) { return a.Year == year; });
    if (asked == answers_.end())
        answers_.push_back({year, point->Question, {}});
    if (asked_)
        asked_(*point);
    return true;
}

void LessonPlan::Answer(int year, const std::string& text)
{
    const auto asked =
        std::find_if(answers_.begin(), answers_.end(), [year](const LessonAnswer& a) { return a.Year == year; });
    if (asked != answers_.end())
        asked->Answer = text;
}

} // namespace vartel
