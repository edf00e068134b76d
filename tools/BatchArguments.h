#pragma once
// The command line of vartel-batch, parsed into a plain record. No Qt, so it is tested on its own.
#include "lesson/BatchEvent.h"
#include "lesson/Lesson.h"
#include "model/SimulationState.h"
#include "output/AnimationWriter.h"

#include <string>
#include <vector>

namespace vartel {

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
    std::string AnimationFile;                  // --animation: the graph and the pyramid through the run as a GIF
    int AnimationYears = DefaultAnimationYears; // --animation-years: the years between its frames, 1..3000
    std::vector<std::string> CompareFiles;      // data files whose curves the graph keeps, at most MaxCompareFiles
    int GraphMode = 1;                          // 1 population, 2 birth, 3 mortality, 4 survival chance
    bool LinearScale = true;
    int Zoom = 1;               // one of ZoomFactors
    int Seed = BatchSeed;       // --seed, or the lesson's
    std::string LessonFile;     // --lesson: the scenario, events and curves come from this lesson file
    std::string LinkUrl;        // --link: with --lesson, the lesson's link on this site is printed, nothing run
    std::string SaveLessonFile; // --save-lesson: the run's set-up is written there as a lesson
    std::string Title;          // --title and --instructions: the texts of the lesson saved
    std::string Instructions;
};

constexpr std::size_t MaxCompareFiles = 3; // the graph keeps three curves

struct ParsedArguments {
    BatchArguments Arguments;
    std::string Error; // one line; empty when the command line is sound
};

// `args` without the program name.
ParsedArguments ParseBatchArguments(const std::vector<std::string>& args);
std::string BatchUsage();

// Takes the scenario and the events of `lesson` into `a`. Returns "" or why its events do not fit the run.
std::string UseLesson(const Lesson& lesson, BatchArguments& a);
// The set-up of `a` as a lesson, without curves or seed, which the caller reads and knows.
Lesson LessonOfArguments(const BatchArguments& a);

} // namespace vartel
