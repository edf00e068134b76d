// The recorder of a run's set-up: which scenario the run starts from, and which changes follow at which years.
#include "session/RunRecorder.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

using Kind = RecordedChange::Kind;

TEST(RunRecorder, ChangesAreKeptInOrderWithTheirYears)
{
    RunRecorder recorder;
    recorder.NewRun(6);
    recorder.Commit(0, ParameterField::BirthIndex, "2.5");
    recorder.Incident(120, 1);
    recorder.Scenario(300, 2, 300); // a simple scenario goes on from its year
    recorder.Commit(300, ParameterField::Population, "");
    EXPECT_EQ(recorder.StartScenario(), 6);
    const auto& changes = recorder.Changes();
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].What, Kind::Parameter);
    EXPECT_EQ(changes[0].Field, ParameterField::BirthIndex);
    EXPECT_EQ(changes[0].Text, "2.5");
    EXPECT_EQ(changes[1].Year, 120);
    EXPECT_EQ(changes[1].What, Kind::Incident);
    EXPECT_EQ(changes[1].Number, 1);
    EXPECT_EQ(changes[2].What, Kind::Scenario);
    EXPECT_EQ(changes[2].Number, 2);
    EXPECT_EQ(changes[3].Year, 300);
    EXPECT_EQ(changes[3].Text, "") << "an emptied field is a change too";
}

TEST(RunRecorder, AScenarioThatStartsAgainOrComesFirstIsTheStart)
{
    RunRecorder recorder;
    EXPECT_EQ(recorder.StartScenario(), 1) << "start-up";
    recorder.Scenario(0, 3, 0);
    EXPECT_EQ(recorder.StartScenario(), 3) << "chosen before anything else";
    EXPECT_TRUE(recorder.Changes().empty());

    recorder.Commit(0, ParameterField::StableLevel, "5000");
    recorder.Scenario(0, 4, 0);
    EXPECT_EQ(recorder.StartScenario(), 3) << "after an entry at year 0 the button is a change";
    ASSERT_EQ(recorder.Changes().size(), 2u);
    EXPECT_EQ(recorder.Changes()[1].What, Kind::Scenario);

    recorder.Incident(40, 2);
    recorder.Scenario(90, 7, 0);
    EXPECT_EQ(recorder.StartScenario(), 7) << "a scenario that started the run again";
    EXPECT_TRUE(recorder.Changes().empty());

    recorder.Incident(10, 3);
    recorder.NewRun(7);
    EXPECT_TRUE(recorder.Changes().empty()) << "New forgets the changes";
}

} // namespace
} // namespace vartel
