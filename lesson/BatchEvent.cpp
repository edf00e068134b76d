#include "lesson/BatchEvent.h"

#include "model/NumberParsing.h"
#include "model/SimulationState.h"

#include <algorithm>
#include <array>

namespace vartel {

namespace {

struct NamedIncident {
    const char* Name;
    int Number;
};

constexpr std::array<NamedIncident, 3> Incidents{{{"epidemic", 1}, {"one-child", 2}, {"immigration-wave", 3}}};

struct NamedParameter {
    const char* Name;
    ParameterField Field;
};

constexpr std::array<NamedParameter, 6> Parameters{{
    {"population", ParameterField::Population},
    {"stable", ParameterField::StableLevel},
    {"birth-index", ParameterField::BirthIndex},
    {"baby-mortality", ParameterField::BabyMortality},
    {"adult-mortality", ParameterField::AdultMortality},
    {"immigration", ParameterField::Immigration},
}};

std::string ParseAction(const std::string& action, BatchEvent& event)
{
    const std::size_t equals = action.find('=');
    if (equals == std::string::npos) {
        const auto incident =
            std::find_if(Incidents.begin(), Incidents.end(), [&](const NamedIncident& i) { return action == i.Name; });
        if (incident == Incidents.end())
            return "unknown action " + Quoted(action);
        event.Kind = EventKind::Incident;
        event.Number = incident->Number;
        return {};
    }
    const std::string name = action.substr(0, equals);
    const std::string value = action.substr(equals + 1);
    if (name == "scenario") {
        std::string error;
        const std::optional<int> scenario = NumberIn(value, 1, 7, "scenario", error);
        if (!scenario)
            return error;
        event.Kind = EventKind::Scenario;
        event.Number = *scenario;
        return {};
    }
    const std::optional<ParameterField> field = ParameterNamed(name);
    if (!field)
        return "unknown parameter " + Quoted(name);
    event.Kind = EventKind::Parameter;
    event.Parameter = *field;
    // Its numeric form is the commit's to judge, as in the window's field: an empty text takes the field's
    // value for an empty field, a text that is no number stops the run.
    event.Text = value;
    return {};
}

} // namespace

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

std::optional<int> NumberIn(const std::string& text, int low, int high, const std::string& what, std::string& error)
{
    const std::optional<int> value = ParseInteger(text);
    if (!value) {
        error = what + " " + Quoted(text) + " is not a whole number";
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        error = what + " " + text + " is outside " + std::to_string(low) + ".." + std::to_string(high);
        return std::nullopt;
    }
    return value;
}

std::string IncidentName(int number)
{
    const auto found =
        std::find_if(Incidents.begin(), Incidents.end(), [&](const NamedIncident& i) { return number == i.Number; });
    return found == Incidents.end() ? std::string() : found->Name;
}

std::optional<ParameterField> ParameterNamed(const std::string& name)
{
    const auto found =
        std::find_if(Parameters.begin(), Parameters.end(), [&](const NamedParameter& p) { return name == p.Name; });
    if (found == Parameters.end())
        return std::nullopt;
    return found->Field;
}

std::string ParameterName(ParameterField field)
{
    const auto found =
        std::find_if(Parameters.begin(), Parameters.end(), [&](const NamedParameter& p) { return field == p.Field; });
    return found->Name;
}

std::string ParseBatchEvent(const std::string& text, BatchEvent& event)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return "expected YEAR:ACTION";
    std::string error;
    const std::optional<int> year = NumberIn(text.substr(0, colon), 0, MaxYear, "year", error);
    if (!year)
        return error;
    event.Year = *year;
    event.Argument = text;
    return ParseAction(text.substr(colon + 1), event);
}

} // namespace vartel
