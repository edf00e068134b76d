#pragma once
// Commits of the six parameter fields: range corrections (messages through ModelHost::ShowCorrection),
// the corrected text written back, then the recomputations and redraws.
#include "model/Model.h"
#include "model/TranslatableText.h"

#include <string>

namespace vartel {

// Characters a population or stable-level text keeps; the rest is cut before the commit.
constexpr int WholeNumberLength = 9;

enum class ParameterField { Population, StableLevel, BirthIndex, BabyMortality, AdultMortality, Immigration };

// The errors of a text that is not a number, with the text for "%1".
constexpr const char* NotAnIntegerMessage = VARTEL_TRANSLATE_NOOP("Correction", "''%1'' is not a valid integer value");
constexpr const char* NotAFloatMessage =
    VARTEL_TRANSLATE_NOOP("Correction", "'%1' is not a valid floating point value");

struct CommitResult {
    bool Ok = true;
    std::string Error; // when not Ok: NotAnIntegerMessage or NotAFloatMessage, filled in
};

// `text` is the field's text. A text that is not a number changes nothing and returns the error text.
// Population and stable-level texts are cut to WholeNumberLength characters first.
CommitResult CommitParameter(Model& m, ParameterField field, const std::string& text);

} // namespace vartel
