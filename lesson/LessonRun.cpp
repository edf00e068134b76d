#include "lesson/LessonRun.h"

#include "output/SavedRunReader.h"

namespace vartel {

std::vector<BatchEvent> LessonRunEvents(const Lesson& lesson)
{
    std::vector<BatchEvent> events;
    for (const StartParameter& parameter : lesson.Parameters) {
        BatchEvent event;
        event.Kind = EventKind::Parameter;
        event.Parameter = parameter.Field;
        event.Text = parameter.Text;
        event.Argument = "0:" + ParameterName(parameter.Field) + "=" + parameter.Text;
        events.push_back(std::move(event));
    }
    events.insert(events.end(), lesson.Events.begin(), lesson.Events.end());
    return events;
}

std::vector<KeptCurve> LessonKeptCurves(const Lesson& lesson)
{
    std::vector<KeptCurve> curves;
    for (const LessonCurve& curve : lesson.Curves) {
        SavedRunReading reading = ReadSavedRun(curve.Data);
        if (reading.Problem == SavedRunProblem::None)
            curves.push_back(SavedRunCurve(reading.Run.ScenarioName, std::move(reading.Run.Population), curve.Name));
    }
    return curves;
}

} // namespace vartel
