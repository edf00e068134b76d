#pragma once
// A lesson in a running session: the run set up as the lesson says, its events done as the run reaches
// their years, and at its pause points the run paused with the question asked and the answer kept.
#include "lesson/Lesson.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vartel {

class Session;

struct LessonAnswer {
    int Year = 0;
    std::string Question;
    std::string Answer; // as the student typed it; empty until then
};

class LessonPlan {
public:
    // `asked` is told each question as the run reaches its pause point; `failed` each event that could not
    // be done (a parameter text that is no number), with its message.
    using Asked = std::function<void(const PausePoint&)>;
    using Failed = std::function<void(const std::string&)>;

    LessonPlan(const Lesson& lesson, Asked asked, Failed failed);
    ~LessonPlan();
    LessonPlan(const LessonPlan&) = delete;
    LessonPlan& operator=(const LessonPlan&) = delete;

    // Starts `session` as the batch tool starts a run (the program's start, then the lesson's scenario),
    // with the lesson's speed, and does the events of year 0; from then on the session tells the plan the
    // years it reaches. The session must outlive the plan.
    void Begin(Session& session);

    // The answer to the question of the pause point at `year`, once it was asked; later answers replace it.
    void Answer(int year, const std::string& text);
    // The questions asked so far with their answers, by year.
    const std::vector<LessonAnswer>& Answers() const { return answers_; }

private:
    bool Reach(int year);

    Session* session_ = nullptr;
    int scenario_;
    int speed_;
    std::vector<BatchEvent> events_; // the starting parameters at year 0 first
    std::size_t nextEvent_ = 0;
    std::vector<PausePoint> pausePoints_;
    std::vector<LessonAnswer> answers_;
    Asked asked_;
    Failed failed_;
};

} // namespace vartel
