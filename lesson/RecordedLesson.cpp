#include "lesson/RecordedLesson.h"

namespace vartel {

namespace {

std::string Action(const RecordedChange& change)
{
    switch (change.What) {
    case RecordedChange::Kind::Incident:
        return IncidentName(change.Number);
    case RecordedChange::Kind::Scenario:
        return "scenario=" + std::to_string(change.Number);
    case RecordedChange::Kind::Parameter:
        break;
    }
    return ParameterName(change.Field) + "=" + change.Text;
}

EventKind KindOf(RecordedChange::Kind kind)
{
    switch (kind) {
    case RecordedChange::Kind::Incident:
        return EventKind::Incident;
    case RecordedChange::Kind::Scenario:
        return EventKind::Scenario;
    case RecordedChange::Kind::Parameter:
        break;
    }
    return EventKind::Parameter;
}

} // namespace

Lesson LessonOfRecording(const RunRecorder& recorder)
{
    Lesson lesson;
    lesson.Scenario = recorder.StartScenario();
    for (const RecordedChange& change : recorder.Changes()) {
        BatchEvent event;
        event.Year = change.Year;
        event.Kind = KindOf(change.What);
        event.Number = change.Number;
        event.Parameter = change.Field;
        event.Text = change.Text;
        event.Argument = std::to_string(change.Year) + ":" + Action(change);
        lesson.Events.push_back(std::move(event));
    }
    return lesson;
}

} // namespace vartel
