#include "lesson/LessonWriter.h"

#include <nlohmann/json.hpp>

namespace vartel {

std::string WriteLesson(const Lesson& lesson)
{
    using Json = nlohmann::ordered_json;
    Json root;
    root["version"] = LessonVersion;
    root["title"] = lesson.Title;
    root["instructions"] = lesson.Instructions;
    root["language"] = lesson.Language;
    root["scenario"] = lesson.Scenario;
    Json parameters = Json::object();
    for (const StartParameter& parameter : lesson.Parameters)
        parameters[ParameterName(parameter.Field)] = parameter.Text;
    root["parameters"] = parameters;
    Json events = Json::array();
    for (const BatchEvent& event : lesson.Events)
        events.push_back(event.Argument);
    root["events"] = events;
    root["speed"] = lesson.Speed;
    root["locks"] = {{"scenario", lesson.Locks.Scenario},
                     {"parameters", lesson.Locks.Parameters},
                     {"incidents", lesson.Locks.Incidents},
                     {"speed", lesson.Locks.Speed}};
    Json points = Json::array();
    for (const PausePoint& point : lesson.PausePoints)
        points.push_back({{"year", point.Year}, {"question", point.Question}});
    root["pausePoints"] = points;
    Json curves = Json::array();
    for (const LessonCurve& curve : lesson.Curves)
        curves.push_back({{"name", curve.Name}, {"data", curve.Data}});
    root["compare"] = curves;
    if (lesson.Seed)
        root["seed"] = *lesson.Seed;
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace vartel
