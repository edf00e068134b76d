#pragma once
// A lesson: the run a teacher prepares once and a class opens in one step, with the instructions, the
// locked controls, the pause points with their questions and the curves to compare with.
#include "lesson/BatchEvent.h"
#include "model/ParameterCommit.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vartel {

// The version this program writes; a newer one is read as far as this program knows its fields.
constexpr int LessonVersion = 1;

// The parameter fields a lesson may start with, in the order of the window's fields and of the file.
constexpr std::array<ParameterField, 5> StartParameterFields{
    ParameterField::StableLevel, ParameterField::BirthIndex, ParameterField::BabyMortality,
    ParameterField::AdultMortality, ParameterField::Immigration};

struct StartParameter {
    ParameterField Field = ParameterField::StableLevel; // one of StartParameterFields
    std::string Text;                                   // as typed into the field; the commit judges it
};

struct LessonLocks {
    bool Scenario = false;   // the scenario buttons
    bool Parameters = false; // the parameter fields
    bool Incidents = false;  // the incident buttons
    bool Speed = false;      // the speed slider
};

struct PausePoint {
    int Year = 1; // 1..3000; the run pauses when it reaches it
    std::string Question;
};

struct LessonCurve {
    std::string Name; // the curve's label where the data names no scenario
    std::string Data; // the text of a data file, as "Save data" or vartel-batch --data writes it
};

struct Lesson {
    std::string Title;
    std::string Instructions;
    std::string Language = "en";            // "en" or "nl"
    int Scenario = 1;                       // 1..7
    std::vector<StartParameter> Parameters; // in the order of StartParameterFields, each at most once
    std::vector<BatchEvent> Events;         // years 0..3000, never decreasing
    int Speed = 3;                          // the slider's position 0..4; 3 as at start-up
    LessonLocks Locks;
    std::vector<PausePoint> PausePoints; // years increasing
    std::vector<LessonCurve> Curves;     // at most KeptCurves::Capacity
    std::optional<std::uint64_t> Seed;   // 0..MaxLessonSeed; none: the program's own seed
};

// Sizes a lesson may have, so no file makes a reader hang or eat memory. The data file of a full run takes
// up to about 600 kB in a lesson, so three curves fit with room to spare.
constexpr std::size_t MaxLessonBytes = 4 * 1024 * 1024;
constexpr std::size_t MaxTitleCharacters = 200;
constexpr std::size_t MaxInstructionCharacters = 20000;
constexpr std::size_t MaxQuestionCharacters = 2000;
constexpr std::size_t MaxCurveNameCharacters = 200;
constexpr std::size_t MaxParameterCharacters = 100;
constexpr std::size_t MaxEventCharacters = 200;
constexpr std::size_t MaxLessonEvents = 1000;
constexpr std::size_t MaxPausePoints = 100;
constexpr int MaxLessonNesting = 32;
// The largest seed: the window's and the batch tool's seeds are ints.
constexpr std::uint64_t MaxLessonSeed = 2147483647;

} // namespace vartel
