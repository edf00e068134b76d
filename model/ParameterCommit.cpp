#include "model/ParameterCommit.h"

#include "model/AgeTables.h"
#include "model/NumberParsing.h"
#include "model/Results.h"
#include "model/Rounding.h"
#include "model/Scenarios.h"

namespace vartel {

namespace {

// The correction messages; the window shows them translated.
constexpr const char* PopulationTooSmall =
    VARTEL_TRANSLATE_NOOP("Correction", "A population of less than 120 people is not allowed. The value is adjusted.");
constexpr const char* PopulationTooLarge = VARTEL_TRANSLATE_NOOP(
    "Correction", "A population of more than 2.5 million people is not allowed. The value is adjusted.");
constexpr const char* StableLevelTooLow = VARTEL_TRANSLATE_NOOP(
    "Correction", "A stabile population level of less than 2000 people is not allowed. The value is adjusted.");
constexpr const char* StableLevelTooHigh = VARTEL_TRANSLATE_NOOP(
    "Correction", "A stabile population level of more than 1 million people is not allowed. The value is adjusted.");
constexpr const char* BirthIndexNegative =
    VARTEL_TRANSLATE_NOOP("Correction", "A negative birth index is not allowed. The value is adjusted.");
constexpr const char* BirthIndexTooHigh =
    VARTEL_TRANSLATE_NOOP("Correction", "A birth index of more than 20 is not allowed. The value is adjusted.");
constexpr const char* BabyMortalityTooLow =
    VARTEL_TRANSLATE_NOOP("Correction", "A baby mortality of less than 0,01% is not allowed. The value is adjusted.");
constexpr const char* BabyMortalityTooHigh =
    VARTEL_TRANSLATE_NOOP("Correction", "A baby mortality of more than 99% is not allowed. The value is adjusted.");
constexpr const char* AdultMortalityTooLow =
    VARTEL_TRANSLATE_NOOP("Correction", "An adult mortality of less than 0,01% is not allowed. The value is adjusted.");
constexpr const char* AdultMortalityTooHigh =
    VARTEL_TRANSLATE_NOOP("Correction", "An adult mortality of more than 99% is not allowed. The value is adjusted.");
constexpr const char* EmigrationTooHigh =
    VARTEL_TRANSLATE_NOOP("Correction", "An emigration level of more than 6% is not allowed. The value is adjusted.");
constexpr const char* ImmigrationTooHigh =
    VARTEL_TRANSLATE_NOOP("Correction", "An immigration level of more than 6% is not allowed. The value is adjusted.");

CommitResult NotAnInteger(const std::string& text)
{
    return {false, FillIn(NotAnIntegerMessage, text)};
}
CommitResult NotAFloat(const std::string& text)
{
    return {false, FillIn(NotAFloatMessage, text)};
}

// A range check with its two correction messages; the lower one is tested first.
template <typename T> struct Range {
    T Low;
    const char* BelowMessage;
    T High;
    const char* AboveMessage;
};

// Applies the range, shows the message of a correction and reports whether the value was corrected.
template <typename T> bool Correct(Model& m, T& value, const Range<T>& range)
{
    if (value < range.Low) {
        m.Host.ShowCorrection(range.BelowMessage);
        value = range.Low;
        return true;
    }
    if (value > range.High) {
        m.Host.ShowCorrection(range.AboveMessage);
        value = range.High;
        return true;
    }
    return false;
}

// The whole-number fields hold at most 9 characters, so every value they take fits 32 bits; a longer
// text (pasted, or given to the batch tool) is cut as the field cuts it. Characters, not bytes: a cut
// never splits one.
std::string CutToWholeNumberLength(const std::string& text)
{
    int characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool continuation = (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
        if (!continuation && ++characters > WholeNumberLength)
            return text.substr(0, at);
    }
    return text;
}

CommitResult CommitPopulation(Model& m, const std::string& fieldText)
{
    const std::string text = CutToWholeNumberLength(fieldText);
    const auto parsed = ParseInteger(text.empty() ? "0" : text);
    if (!parsed)
        return NotAnInteger(text);
    int n = *parsed;
    static constexpr Range<int> range{120, PopulationTooSmall, 2500000, PopulationTooLarge};
    if (Correct(m, n, range))
        m.Host.SetField(Field::Popmeter, std::to_string(n));
    if (n == RoundEvenToInt(m.S.PopHistory[m.S.Year]))
        return {};
    SetPopulationSize(m, n);
    return {};
}

CommitResult CommitStableLevel(Model& m, const std::string& fieldText)
{
    const std::string text = CutToWholeNumberLength(fieldText);
    const auto parsed = ParseInteger(text.empty() ? "0" : text);
    if (!parsed)
        return NotAnInteger(text);
    int n = *parsed;
    static constexpr Range<int> range{2000, StableLevelTooLow, 1000000, StableLevelTooHigh};
    if (Correct(m, n, range))
        m.Host.SetField(Field::SPmeter, std::to_string(n));
    if (n != m.S.StableLevel) {
        m.S.StableLevel = n;
        m.Host.RedrawGraph();
        m.Host.MoveEquilibriumMarker();
    }
    return {};
}

// How one decimal field maps to its model value.
struct DecimalField {
    Field Shown;
    double SimulationState::*Value;
    double EmptyValue; // model value for an empty text
    int PercentShift;  // -2: the field holds percent of a fraction
    int Decimals;
    Range<double> Limits;
    bool RedrawsGraph;
};

const DecimalField& DecimalFieldOf(ParameterField field)
{
    static const DecimalField birth{Field::BImeter,
                                    &SimulationState::BirthIndex,
                                    0.0,
                                    0,
                                    4,
                                    {0.0, BirthIndexNegative, 20.0, BirthIndexTooHigh},
                                    true};
    static const DecimalField baby{Field::BDmeter,
                                   &SimulationState::BabyMortality,
                                   0.0001,
                                   -2,
                                   2,
                                   {0.0001, BabyMortalityTooLow, 0.99, BabyMortalityTooHigh},
                                   true};
    static const DecimalField adult{Field::ADmeter,
                                    &SimulationState::AdultMortality,
                                    0.0001,
                                    -2,
                                    2,
                                    {0.0001, AdultMortalityTooLow, 0.99, AdultMortalityTooHigh},
                                    true};
    static const DecimalField migration{
        Field::IMmeter, &SimulationState::Immigration, 0.0, -2, 2, {-0.06, EmigrationTooHigh, 0.06, ImmigrationTooHigh},
        false};
    switch (field) {
    case ParameterField::BirthIndex:
        return birth;
    case ParameterField::BabyMortality:
        return baby;
    case ParameterField::AdultMortality:
        return adult;
    default:
        return migration;
    }
}

CommitResult CommitDecimal(Model& m, const DecimalField& field, const std::string& text)
{
    double value = field.EmptyValue;
    if (!text.empty()) {
        const auto parsed = ParseDecimal(text, field.PercentShift);
        if (!parsed)
            return NotAFloat(text);
        value = *parsed;
        Correct(m, value, field.Limits);
    }
    m.S.*field.Value = value;
    const double shown = field.PercentShift == 0 ? value : value * 100.0;
    m.Host.SetField(field.Shown, FormatFixed(shown, field.Decimals));
    ComputeAgeTables(m.S);
    if (field.RedrawsGraph)
        m.Host.RedrawGraph();
    ShowResults(m);
    return {};
}

} // namespace

CommitResult CommitParameter(Model& m, ParameterField field, const std::string& text)
{
    switch (field) {
    case ParameterField::Population:
        return CommitPopulation(m, text);
    case ParameterField::StableLevel:
        return CommitStableLevel(m, text);
    default:
        return CommitDecimal(m, DecimalFieldOf(field), text);
    }
}

} // namespace vartel
