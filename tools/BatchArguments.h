#pragma once
// The command line of vartel-batch, parsed into a plain record. No Qt, so it is tested on its own.
#include "model/ParameterCommit.h"
#include "model/SimulationState.h"

#include <string>
#include <vector>

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
    std::string Argument; // "YEAR:ACTION" as given, for messages
};

// The random draws only move single people when a population size is entered. A fixed default seed makes
// every batch run repeatable; --seed chooses another.
inline constexpr int BatchSeed = 1;

struct BatchArguments {
    bool Help = false;              // --help: the usage, nothing run
    bool Version = false;           // --version: the version, nothing run
    int Scenario = 1;               // 1..7
    int Years = MaxYear;            // the run ends at this year, 0..3000
    std::vector<BatchEvent> Events; // in the order given; years never decrease and never exceed Years
    std::string DataFile;           // empty: not written
    std::string GraphFile;
    std::string PyramidFile;
    std::vector<std::string> CompareFiles; // data files whose curves the graph keeps, at most MaxCompareFiles
    int GraphMode = 1;                     // 1 population, 2 birth, 3 mortality, 4 survival chance
    bool LinearScale = true;
    int Zoom = 1; // one of ZoomFactors
    int Seed = BatchSeed;
};

constexpr std::size_t MaxCompareFiles = 3; // the graph keeps three curves

struct ParsedArguments {
    BatchArguments Arguments;
    std::string Error; // one line; empty when the command line is sound
};

// `args` without the program name.
ParsedArguments ParseBatchArguments(const std::vector<std::string>& args);
std::string BatchUsage();

} // namespace vartel
