#pragma once
// A change a run meets at a year, in the batch tool's YEAR:ACTION form: an incident button, a parameter
// entered in its field or a scenario button. The batch tool's --event and the lesson file both read it here.
#include "model/ParameterCommit.h"

#include <optional>
#include <string>

namespace vartel {

enum class EventKind {
    Incident,  // Number 1 epidemic, 2 one-child policy, 3 immigration wave (the incident buttons)
    Parameter, // a commit of Parameter's field with Text, as typed into the field
    Scenario,  // Number 1..7, the scenario's radio button
};

struct BatchEvent {
    int Year = 0; // 0..3000, fired when the run is at this year
    EventKind Kind = EventKind::Incident;
    int Number = 0;
    ParameterField Parameter = ParameterField::Population;
    std::string Text;
    std::string Argument; // "YEAR:ACTION" as given, for messages and for writing it back
};

// Reads "YEAR:ACTION" into `event`. Returns "" or the reason it is no event, such as "year 3001 is outside
// 0..3000"; the caller says where the text came from.
std::string ParseBatchEvent(const std::string& text, BatchEvent& event);

// The action of incident 1..3 ("epidemic").
std::string IncidentName(int number);

// The name of a parameter in an action ("birth-index" in "birth-index=2.5") and back.
std::optional<ParameterField> ParameterNamed(const std::string& name);
std::string ParameterName(ParameterField field);

// A whole number within low..high, or the message why not; `what` names it in the message.
std::optional<int> NumberIn(const std::string& text, int low, int high, const std::string& what, std::string& error);
std::string Quoted(const std::string& text);

} // namespace vartel
