#include "model/ParameterCommit.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

using PF = ParameterField;

std::vector<std::string> Corrections(const RecordingHost& host)
{
    std::vector<std::string> messages;
    for (const auto& call : host.Calls) {
        if (call.rfind("ShowCorrection ", 0) == 0)
            messages.push_back(call.substr(15));
    }
    return messages;
}

struct CorrectionCase {
    PF Parameter;
    const char* Text;
    const char* Message; // "" for none
    const char* Shown;   // field text written back
};

TEST(CommitParameter, DecimalFieldsCorrectAndWriteBack)
{
    const CorrectionCase cases[] = {
        {PF::BirthIndex, "-1", "A negative birth index is not allowed. The value is adjusted.", "0.0000"},
        {PF::BirthIndex, "20.5", "A birth index of more than 20 is not allowed. The value is adjusted.", "20.0000"},
        {PF::BirthIndex, "0", "", "0.0000"},
        {PF::BirthIndex, "20", "", "20.0000"},
        {PF::BirthIndex, "", "", "0.0000"},
        {PF::BabyMortality, "0.005", "A baby mortality of less than 0,01% is not allowed. The value is adjusted.",
         "0.01"},
        {PF::BabyMortality, "100", "A baby mortality of more than 99% is not allowed. The value is adjusted.", "99.00"},
        {PF::BabyMortality, "0.01", "", "0.01"},
        {PF::BabyMortality, "99", "", "99.00"},
        {PF::BabyMortality, "", "", "0.01"},
        {PF::AdultMortality, "0", "An adult mortality of less than 0,01% is not allowed. The value is adjusted.",
         "0.01"},
        {PF::AdultMortality, "99.5", "An adult mortality of more than 99% is not allowed. The value is adjusted.",
         "99.00"},
        {PF::AdultMortality, "0.01", "", "0.01"},
        {PF::AdultMortality, "99", "", "99.00"},
        {PF::Immigration, "-7", "An emigration level of more than 6% is not allowed. The value is adjusted.", "-6.00"},
        {PF::Immigration, "6.01", "An immigration level of more than 6% is not allowed. The value is adjusted.",
         "6.00"},
        {PF::Immigration, "-6", "", "-6.00"},
        {PF::Immigration, "6", "", "6.00"},
        {PF::Immigration, "", "", "0.00"},
    };
    const Field shownIn[] = {Field::Popmeter, Field::SPmeter, Field::BImeter,
                             Field::BDmeter,  Field::ADmeter, Field::IMmeter};
    for (const auto& c : cases) {
        TestModel t;
        t.Host.Clear();
        const auto result = CommitParameter(*t.M, c.Parameter, c.Text);
        EXPECT_TRUE(result.Ok) << "\"" << c.Text << "\" is accepted (maybe corrected)";
        const auto messages = Corrections(t.Host);
        if (*c.Message) {
            EXPECT_EQ(messages, std::vector<std::string>{c.Message}) << "message for \"" << c.Text << "\"";
        } else {
            EXPECT_TRUE(messages.empty()) << "\"" << c.Text << "\" needs no message";
        }
        const Field field = shownIn[static_cast<int>(c.Parameter)];
        const std::string writeBack = "SetField " + std::string(FieldName(field)) + " " + c.Shown;
        ASSERT_FALSE(t.Host.Calls.empty()) << "the commit writes the field";
        EXPECT_EQ(t.Host.Calls[messages.size()], writeBack) << "the corrected value comes back first for " << c.Text;
    }
}

TEST(CommitParameter, DecimalFieldsSetTheModelAndRecomputeInOrder)
{
    TestModel t;
    t.Host.Clear();
    ASSERT_TRUE(CommitParameter(*t.M, PF::BabyMortality, "10").Ok) << "10 % is a valid baby mortality";
    EXPECT_EQ(t.S.BabyMortality, 0.1) << "percent fields hold fractions";
    EXPECT_DOUBLE_EQ(t.S.MortalityByAge[0], 0.1) << "the tables are recomputed";
    ASSERT_GE(t.Host.Calls.size(), 3u) << "write-back, redraw, results";
    EXPECT_EQ(t.Host.Calls[0], "SetField BDmeter 10.00") << "first the field";
    EXPECT_EQ(t.Host.Calls[1], "RedrawGraph") << "then the graph";
    EXPECT_EQ(t.Host.Calls[2], "SetField SPmeter 200000") << "then ShowResults";

    t.Host.Clear();
    ASSERT_TRUE(CommitParameter(*t.M, PF::Immigration, "-2.5").Ok) << "-2.5 % is valid";
    EXPECT_EQ(t.S.Immigration, -0.025) << "emigration as a negative fraction";
    EXPECT_EQ(t.Host.Count("RedrawGraph"), 0) << "immigration does not redraw the graph";
    EXPECT_EQ(t.Host.FieldText(Field::IMmeter), "-2.50") << "shown in percent";
}

TEST(CommitParameter, PopulationField)
{
    const CorrectionCase cases[] = {
        {PF::Population, "50", "A population of less than 120 people is not allowed. The value is adjusted.", "120"},
        {PF::Population, "", "A population of less than 120 people is not allowed. The value is adjusted.", "120"},
        {PF::Population, "2500001",
         "A population of more than 2.5 million people is not allowed. The value is adjusted.", "2500000"},
        {PF::Population, "2500000", "", "2500000"},
        {PF::Population, "120", "", "120"},
        // Cut to the field's 9 characters before the conversion.
        {PF::Population, "0000120009", "", "12000"},
        {PF::Population, "99999999999",
         "A population of more than 2.5 million people is not allowed. The value is adjusted.", "2500000"},
    };
    for (const auto& c : cases) {
        TestModel t;
        t.Host.Clear();
        ASSERT_TRUE(CommitParameter(*t.M, c.Parameter, c.Text).Ok) << "\"" << c.Text << "\" is a valid integer";
        const auto messages = Corrections(t.Host);
        EXPECT_EQ(messages.size(), *c.Message ? 1u : 0u) << "number of messages for \"" << c.Text << "\"";
        if (*c.Message && !messages.empty()) {
            EXPECT_EQ(messages[0], c.Message) << "message for " << c.Text;
        }
        EXPECT_EQ(t.S.PopHistory[0], std::stod(c.Shown)) << "the population is rescaled exactly for " << c.Text;
        EXPECT_EQ(t.Host.FieldText(Field::Popmeter), c.Shown) << "Popmeter for " << c.Text;
    }
    TestModel t;
    t.Host.Clear();
    ASSERT_TRUE(CommitParameter(*t.M, PF::Population, "4200").Ok) << "the current size is valid";
    EXPECT_TRUE(t.Host.Calls.empty()) << "re-entering the current size changes and redraws nothing";

    t.Host.Clear();
    ASSERT_TRUE(CommitParameter(*t.M, PF::Population, "5000").Ok) << "5000 is valid";
    std::vector<std::string> tail(t.Host.Calls.end() - 3, t.Host.Calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"RedrawGraph", "RedrawPyramid 0", "UpdateHousesAndCurve"}))
        << "the rescale ends with graph, pyramid and map";
}

TEST(CommitParameter, StableLevelField)
{
    const CorrectionCase cases[] = {
        {PF::StableLevel, "",
         "A stabile population level of less than 2000 people is not allowed. The value is adjusted.", "2000"},
        {PF::StableLevel, "123456789",
         "A stabile population level of more than 1 million people is not allowed. The value is adjusted.", "1000000"},
        // Cut to the field's 9 characters before the conversion, as the window's field cuts a pasted text.
        {PF::StableLevel, "123456789012",
         "A stabile population level of more than 1 million people is not allowed. The value is adjusted.", "1000000"},
        {PF::StableLevel, "0000000050000",
         "A stabile population level of less than 2000 people is not allowed. The value is adjusted.", "2000"},
    };
    for (const auto& c : cases) {
        TestModel t;
        t.Host.Clear();
        ASSERT_TRUE(CommitParameter(*t.M, c.Parameter, c.Text).Ok) << "\"" << c.Text << "\" is valid";
        const std::vector<std::string> expected = {"ShowCorrection " + std::string(c.Message),
                                                   "SetField SPmeter " + std::string(c.Shown), "RedrawGraph",
                                                   "MoveEquilibriumMarker"};
        EXPECT_EQ(t.Host.Calls, expected) << "correction, write-back, redraw and marker only, for " << c.Text;
        EXPECT_EQ(t.S.StableLevel, std::stoi(c.Shown)) << "the level is set for " << c.Text;
    }
    TestModel t;
    t.Host.Clear();
    ASSERT_TRUE(CommitParameter(*t.M, PF::StableLevel, "200000").Ok) << "the current level is valid";
    EXPECT_TRUE(t.Host.Calls.empty()) << "the same level changes nothing";
}

TEST(CommitParameter, TextsThatAreNoNumbersChangeNothing)
{
    struct Case {
        PF Parameter;
        const char* Text;
        const char* Error;
    };
    const Case cases[] = {
        {PF::Population, "12a", "''12a'' is not a valid integer value"},
        {PF::StableLevel, "1234567x90", "''1234567x9'' is not a valid integer value"},             // named as cut
        {PF::Population, "12345678\xC3\xA9", "''12345678\xC3\xA9'' is not a valid integer value"}, // 9 characters
        {PF::StableLevel, "-", "''-'' is not a valid integer value"},
        {PF::BirthIndex, "-", "'-' is not a valid floating point value"},
        {PF::BabyMortality, "+-5", "'+-5' is not a valid floating point value"},
        {PF::AdultMortality, "1e", "'1e' is not a valid floating point value"},
        {PF::Immigration, "x", "'x' is not a valid floating point value"},
        {PF::BirthIndex, " 2", "' 2' is not a valid floating point value"},
        {PF::BirthIndex, "2,5", "'2,5' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        TestModel t;
        t.Host.Clear();
        const auto result = CommitParameter(*t.M, c.Parameter, c.Text);
        EXPECT_FALSE(result.Ok) << "\"" << c.Text << "\" should fail to convert";
        EXPECT_EQ(result.Error, c.Error) << "error text for \"" << c.Text << "\"";
        EXPECT_TRUE(t.Host.Calls.empty()) << "a failed conversion touches no field, for \"" << c.Text << "\"";
        EXPECT_EQ(t.S.BirthIndex, 3.0) << "the birth index keeps its value";
        EXPECT_EQ(t.S.BabyMortality, 0.05) << "the baby mortality keeps its value";
        EXPECT_EQ(t.S.StableLevel, 200000) << "the level keeps its value";
    }
}

TEST(CommitParameter, EmptyIslandTabbingThroughTheEmptiedFields)
{
    TestModel t;
    t.S.PopByAge.fill(0.0);
    t.Step();
    ASSERT_EQ(t.Host.FieldText(Field::BImeter), "") << "an empty island shows no birth index";
    for (PF field : {PF::BirthIndex, PF::BabyMortality, PF::AdultMortality, PF::Immigration}) {
        ASSERT_TRUE(CommitParameter(*t.M, field, "").Ok) << "an empty text is accepted silently";
    }
    EXPECT_EQ(t.S.BirthIndex, 0.0) << "empty birth index field gives 0";
    EXPECT_EQ(t.S.BabyMortality, 0.0001) << "empty baby mortality field gives 0.01 %";
    EXPECT_EQ(t.S.AdultMortality, 0.0001) << "empty adult mortality field gives 0.01 %";
    EXPECT_EQ(t.S.Immigration, 0.0) << "empty immigration field gives 0";
    EXPECT_EQ(t.Host.Count("ShowCorrection", true), 0) << "no message for empty decimal fields";
    ASSERT_TRUE(CommitParameter(*t.M, PF::Population, "121").Ok) << "121 is valid";
    EXPECT_EQ(t.S.PopHistory[1], 120) << "121 on an empty island gives 120";
    ASSERT_TRUE(CommitParameter(*t.M, PF::Population, "123").Ok) << "123 is valid";
    EXPECT_EQ(t.S.PopHistory[1], 123) << "on a peopled island the rescale corrects to exactly 123";
}

} // namespace
} // namespace vartel
