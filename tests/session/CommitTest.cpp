// The parameter fields' commits: what counts as a new text, the blanks around it, the errors, and the
// frozen past on display.
#include "model/Results.h"
#include "model/Rounding.h"
#include "session/TrimmedText.h"
#include "tests/session/SessionFixture.h"
#include "views/PlotFrame.h"

#include <string>

namespace vartel {
namespace {

TEST(TrimmedText, OnlyTheBlanksAroundGo)
{
    struct Case {
        std::string text;
        std::string trimmed;
    };
    const Case cases[] = {{"2.5", "2.5"},
                          {"  2.5 \t", "2.5"},
                          {"\r\n2.5\v\f", "2.5"},
                          {"2 .5", "2 .5"},
                          {"\xC2\xA0"
                           "2.5\xE3\x80\x80",
                           "2.5"}, // no-break and ideographic space
                          {"\xE2\x80\xA8"
                           "12\xE2\x80\x83",
                           "12"}, // line separator, em space
                          {"\xE2\x80\x8B"
                           "12",
                           "\xE2\x80\x8B"
                           "12"},                    // a zero-width space is no blank
                          {"\xC3\xA9 ", "\xC3\xA9"}, // a letter before a blank stays whole
                          {" \xA0", "\xA0"},         // a stray byte is no blank
                          {"   ", ""},
                          {"", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(TrimmedText(c.text), c.trimmed) << "of '" << c.text << "'";
}

using Commits = SessionTest;

TEST_F(Commits, ANewTextIsCommittedWithoutItsBlanks)
{
    const CommitOutcome outcome = Run.Commit(ParameterField::BirthIndex, " 2.5\t");
    EXPECT_FALSE(outcome.Unchanged);
    EXPECT_EQ(outcome.Error, "");
    EXPECT_DOUBLE_EQ(S().BirthIndex, 2.5);
    EXPECT_EQ(Run.ShownText(Field::BImeter), "2.5000") << "the field shows the committed value";
    EXPECT_TRUE(Run.Commit(ParameterField::Population, "4200 ").Unchanged);
    EXPECT_EQ(Run.ShownText(Field::Popmeter), "4200") << "the field is left without the blanks";
}

TEST_F(Commits, TheTextTheFieldWasGivenIsNotCommittedAgain)
{
    ASSERT_EQ(Run.ShownText(Field::BImeter), "3.0000");
    S().BirthIndex = 2.0; // not shown yet
    EXPECT_TRUE(Run.Commit(ParameterField::BirthIndex, "3.0000").Unchanged);
    EXPECT_TRUE(Run.Commit(ParameterField::BirthIndex, " 3.0000 ").Unchanged) << "blanks make no new text";
    EXPECT_EQ(Run.ShownText(Field::BImeter), "3.0000");
    EXPECT_DOUBLE_EQ(S().BirthIndex, 2.0) << "nothing was committed";
    EXPECT_FALSE(Run.Commit(ParameterField::BirthIndex, "3").Unchanged) << "an edit of the same value is new";
    EXPECT_DOUBLE_EQ(S().BirthIndex, 3.0);
}

TEST_F(Commits, ATextThatIsNoNumberFailsEachTime)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const CommitOutcome outcome = Run.Commit(ParameterField::Population, "12a");
        EXPECT_EQ(outcome.Error, "''12a'' is not a valid integer value") << "attempt " << attempt;
    }
    EXPECT_EQ(Run.ShownText(Field::Popmeter), "4200");
}

TEST_F(Commits, ACorrectedValueIsTheShownText)
{
    EXPECT_EQ(Run.Commit(ParameterField::Population, "50").Error, "");
    EXPECT_EQ(Run.ShownText(Field::Popmeter), "120");
    EXPECT_TRUE(Run.Commit(ParameterField::Population, "120").Unchanged);
}

// Return in a field that shows a frozen past year's value leaves the present as it is.
TEST_F(Commits, AFrozenPastValueReadBackDoesNotChangeThePresent)
{
    Run.ChooseScenario(6);
    AdvanceTo(MaxYear);
    ShowYearFromHistory(Run.model(), 400); // as browsing shows a past year
    const std::string past = Run.ShownText(Field::BImeter);
    const double present = S().BirthIndex;
    ASSERT_NE(past, FormatFixed(present, 4)) << "the example needs a birth index that changed";
    EXPECT_TRUE(Run.Commit(ParameterField::BirthIndex, past).Unchanged);
    EXPECT_DOUBLE_EQ(S().BirthIndex, present);

    Run.ShowPresentFigures();
    EXPECT_EQ(Run.ShownText(Field::BImeter), FormatFixed(present, 4)) << "the present is on display again";
}

// Return means the text as it stands, as the student sees it, except a past year's value on display.
TEST_F(Commits, ReturnCommitsThePresentsTextButNotAPastYearsOnDisplay)
{
    Run.ChooseScenario(6);
    AdvanceTo(MaxYear);
    const double present = S().BirthIndex;
    const std::string presentText = Run.ShownText(Field::BImeter);
    Run.browsing().MouseMove(PlotFrame::ColumnOfYear(400), 80);
    Run.browsing().Click(PlotFrame::ColumnOfYear(400), 80);
    ASSERT_TRUE(S().Frozen);
    const std::string past = Run.ShownText(Field::BImeter);
    ASSERT_NE(past, presentText) << "year 400 is on display";
    EXPECT_TRUE(Run.Commit(ParameterField::BirthIndex, past, CommitBy::Return).Unchanged);
    EXPECT_TRUE(Run.Commit(ParameterField::BirthIndex, past).Unchanged);
    EXPECT_DOUBLE_EQ(S().BirthIndex, present) << "the present keeps its birth index";

    Run.browsing().Key(BrowseKey::Present);
    ASSERT_EQ(Run.ShownText(Field::BImeter), presentText);
    S().BirthIndex = 2.0; // not shown yet
    EXPECT_TRUE(Run.Commit(ParameterField::BirthIndex, presentText).Unchanged) << "leaving commits an edit only";
    EXPECT_FALSE(Run.Commit(ParameterField::BirthIndex, presentText, CommitBy::Return).Unchanged);
    EXPECT_EQ(FormatFixed(S().BirthIndex, 4), presentText) << "Return commits the present's text as it stands";
}

// The front end's timer may run a pass in the correction box's own event loop, after the box has closed
// and before the commit that showed it has written its value: that pass computes no year.
TEST(CommitBox, NoYearPassesBeforeTheCorrectionIsWritten)
{
    struct PassInTheBox : RecordingListener {
        Session* run = nullptr;
        int yearsInTheBox = 0;
        void CorrectionMade(const std::string&) override
        {
            const int before = run->state().Year;
            run->RunPass();
            yearsInTheBox += run->state().Year - before;
        }
    } listener;
    SeededRandom random(20240601);
    Session run(listener, random, [] { return std::int64_t{0}; });
    listener.run = &run;
    run.StartUp();
    run.SetSpeed(4); // no wait after a year: a pass is due at once
    run.PressStart();
    run.RunPass();
    const int year = run.state().Year;
    ASSERT_GT(year, 0);
    EXPECT_EQ(run.Commit(ParameterField::Population, "50", CommitBy::Return).Error, "");
    EXPECT_EQ(listener.yearsInTheBox, 0);
    EXPECT_EQ(run.state().PopHistory[static_cast<std::size_t>(year)], 120) << "the correction lands on its year";
}

} // namespace
} // namespace vartel
