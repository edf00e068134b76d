// A recorded run as a lesson: its events are those the batch tool reads from the same YEAR:ACTION texts,
// and they survive the lesson file.
#include "lesson/RecordedLesson.h"
#include "lesson/LessonReader.h"
#include "lesson/LessonWriter.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(RecordedLesson, EveryKindOfChangeIsTheEventTheBatchToolReads)
{
    RunRecorder recorder;
    recorder.NewRun(5);
    recorder.Commit(0, ParameterField::Population, "2500");
    recorder.Commit(0, ParameterField::Immigration, "-1.5");
    recorder.Incident(100, 1);
    recorder.Incident(100, 2);
    recorder.Incident(150, 3);
    recorder.Scenario(200, 3, 200);
    recorder.Commit(250, ParameterField::StableLevel, "");
    const Lesson lesson = LessonOfRecording(recorder);
    EXPECT_EQ(lesson.Scenario, 5);
    const std::vector<std::string> expected{"0:population=2500", "0:immigration=-1.5",   "100:epidemic",
                                            "100:one-child",     "150:immigration-wave", "200:scenario=3",
                                            "250:stable="};
    ASSERT_EQ(lesson.Events.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const BatchEvent& event = lesson.Events[i];
        EXPECT_EQ(event.Argument, expected[i]);
        BatchEvent parsed;
        ASSERT_EQ(ParseBatchEvent(event.Argument, parsed), "") << expected[i];
        EXPECT_EQ(event.Year, parsed.Year) << expected[i];
        EXPECT_EQ(event.Kind, parsed.Kind) << expected[i];
        EXPECT_EQ(event.Number, parsed.Number) << expected[i];
        EXPECT_EQ(event.Text, parsed.Text) << expected[i];
        if (event.Kind == EventKind::Parameter) {
            EXPECT_EQ(event.Parameter, parsed.Parameter) << expected[i];
        }
    }
}

TEST(RecordedLesson, ItsEventsReadBackFromTheFile)
{
    RunRecorder recorder;
    recorder.NewRun(2);
    recorder.Commit(0, ParameterField::BirthIndex, "3.5");
    recorder.Incident(40, 1);
    const LessonReading back = ReadLesson(WriteLesson(LessonOfRecording(recorder)));
    ASSERT_EQ(back.Error, "");
    EXPECT_EQ(back.Read.Scenario, 2);
    ASSERT_EQ(back.Read.Events.size(), 2u);
    EXPECT_EQ(back.Read.Events[0].Argument, "0:birth-index=3.5");
    EXPECT_EQ(back.Read.Events[1].Argument, "40:epidemic");
}

} // namespace
} // namespace vartel
