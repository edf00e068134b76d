#pragma once
// The one simulation record. Every routine of the program reads and writes these fields directly.
#include "model/Color.h"
#include "model/TranslatableText.h"

#include <array>
#include <string>

namespace vartel {

constexpr int AgeCount = 110;  // single years of age 0..109
constexpr int ClassCount = 22; // 5-year classes: class j holds ages 5j..5j+4
constexpr int MaxYear = 3000;  // years 0..3000
constexpr int HistorySize = MaxYear + 1;
constexpr int HouseCountMax = 300;

struct StageRecord {
    int Year = -100;    // the year before the one in which the stage was reached; -100: not reached
    std::string Letter; // one character of "SAMHPEB"
    std::string Text;   // bulletin text, CR LF line breaks
};

// What the bulletin board shows: text, background, font colour, font size in points.
struct BulletinState {
    std::string Text;
    Color Background = 0;
    Color FontColor = 0;
    int FontSize = 0;
};

using AgeTable = std::array<double, AgeCount>;
template <typename T> using YearArray = std::array<T, HistorySize>;

struct SimulationState {
    // Age tables, ages 0..109.
    AgeTable PopByAge{};         // inhabitants per age, fractional people
    AgeTable MortalityByAge{};   // fraction dying per year; [109] is always 1
    AgeTable SurvivalByAge{};    // chance a newborn is alive at the end of age i; [109] is 0
    AgeTable FertilityByAge{};   // children per inhabitant per year at birth index 1 (fixed)
    AgeTable ImmigrantProfile{}; // share of immigrants per age (fixed)
    AgeTable EmigrantProfile{};  // share of the nominal emigration per age (fixed)

    // The parameter block, always in this order (history and data file treat it as an array).
    double BirthIndex = 0;     // children per woman
    double BabyMortality = 0;  // fraction, 0.0001..0.99
    double AdultMortality = 0; // fraction, 0.0001..0.99
    double Immigration = 0;    // fraction of last year's population, negative: emigration
    int StableLevel = 0;       // people, equilibrium level of the feedback rules

    // Run, scenario and incident state.
    int Year = 0;              // 0..3000
    int Scenario = 0;          // a ScenarioCode, 1..7 (0 only during start-up, treated like 1)
    int Incident = 0;          // an IncidentCode: 0 none, 1 epidemic, 2 one-child policy, 3 immigration wave
    int IncidentYearsLeft = 0; // the number the countdown field shows
    bool Catastrophe = false;
    std::array<bool, 6> StageReached{};  // indexed by Stage: A, M, H, P, E, B
    std::array<StageRecord, 7> Stages{}; // StartRecord, then RecordOf(A) .. RecordOf(B)
    double FeedbackBase = 0;
    double SavedBirthIndex = 0, SavedBabyMortality = 0, SavedAdultMortality = 0, SavedImmigration = 0;
    double BalancePop = 0;
    double BalanceBirthIndex = 0;
    int BalanceYear = 0;
    double PolicySavedBirthIndex = 0;
    double WaveSavedImmigration = 0;

    // History, indexed by year 0..3000; entries above Year are stale and never read.
    std::array<std::array<double, ClassCount>, HistorySize> PyramidHistory{}; // rounded people per class
    YearArray<double> PopHistory{};                                           // sum of the rounded classes
    YearArray<double> ChildrenHistory{};                                      // classes 0..2
    YearArray<double> ElderlyHistory{};                                       // classes 13..21
    YearArray<double> ExactPopHistory{};                                      // unrounded sum of PopByAge
    YearArray<double> MeanAgeHistory{};
    YearArray<double> StableLevelHistory{};
    std::array<YearArray<double>, 4> ParamHistory{}; // BirthIndex, BabyMortality, AdultMortality, Immigration
    YearArray<double> ReplacementHistory{};
    YearArray<double> LifeExpectancyHistory{};
    YearArray<std::string> BulletinTextHistory{};
    YearArray<Color> BulletinColorHistory{};
    YearArray<Color> BulletinFontColorHistory{};
    YearArray<int> BulletinFontSizeHistory{};

    // The board of the present: the message last posted (it stays between posts; browsing shows past boards
    // without changing it).
    BulletinState Board{VARTEL_TRANSLATE_NOOP("Bulletin", "No messages ..."), 0, 0, 0};

    // Driver state.
    bool Running = false;
    double StepDelay = 0; // minimum time per year, in milliseconds
    bool FirstIdleDone = false;
    std::array<double, 4> StartParams{}; // parameter block captured when Start is pressed at year 0
    int StartStableLevel = 0;

    // View state.
    int GraphMode = 0;   // a GraphModeCode: 1 population, 2 birth, 3 mortality, 4 survival chance
    int ZoomFactor = 0;  // 1, 2, 5, ..., 20000
    int HousesShown = 0; // houses 1..HousesShown are visible
    int BrowseYear = 0;
    bool Browsing = false;
    bool Frozen = false;
    std::array<std::string, 8> ScenarioNames{}; // [1..7]
    std::string LastImageExtension;             // upper case with its dot, e.g. ".JPG"
};

} // namespace vartel
