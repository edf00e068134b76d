// What a lesson sets up for a run: the starting parameters as entries at year 0 before the events, and the
// curves to compare with.
#include "lesson/LessonRun.h"
#include "lesson/LessonReader.h"
#include "tests/lesson/LessonTexts.h"

#include <gtest/gtest.h>

namespace vartel::test {
namespace {

TEST(LessonRun, StartingParametersComeFirstAtYearZero)
{
    const std::vector<BatchEvent> events = LessonRunEvents(ReadLesson(FullLesson()).Read);
    std::vector<std::string> arguments;
    for (const BatchEvent& event : events)
        arguments.push_back(event.Argument);
    EXPECT_EQ(arguments, (std::vector<std::string>{"0:stable=20000", "0:birth-index=5.5", "0:immigration=-1",
                                                   "0:baby-mortality=40", "150:epidemic", "150:scenario=2",
                                                   "900:adult-mortality="}));
    EXPECT_EQ(events[1].Year, 0);
    EXPECT_EQ(events[1].Kind, EventKind::Parameter);
    EXPECT_EQ(events[1].Parameter, ParameterField::BirthIndex);
    EXPECT_EQ(events[1].Text, "5.5");
    EXPECT_TRUE(LessonRunEvents(Lesson{}).empty());
}

TEST(LessonRun, TheCurvesAreThoseOfTheirData)
{
    const std::vector<KeptCurve> curves = LessonKeptCurves(ReadLesson(FullLesson()).Read);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].Population, (std::vector<double>{3000, 3183}));
    EXPECT_EQ(curves[0].Label, "two years") << "named by the lesson, as the data names no scenario";
}

} // namespace
} // namespace vartel::test
