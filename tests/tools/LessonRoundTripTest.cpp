// A lesson run as a student runs it (Start, passes, pauses at its pause points, Continue) gives the same data
// file as the batch tool's run of the same lesson.
#include "lesson/LessonPlan.h"
#include "lesson/LessonReader.h"
#include "output/DataFile.h"
#include "session/QuietListener.h"
#include "tools/BatchSession.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace vartel::test {
namespace {

constexpr const char* Date = "10-12-2026";

std::string BatchData(const Lesson& lesson)
{
    BatchArguments a;
    EXPECT_EQ(UseLesson(lesson, a), "");
    std::ostringstream messages;
    BatchSession batch(messages, false);
    EXPECT_EQ(batch.Run(a), "");
    return DataFileText(batch.Simulation.state(), Date);
}

// Pressing Start again at every pause until the run is finished.
std::string StudentData(const Lesson& lesson, int& pauses)
{
    QuietListener listener;
    SeededRandom random(lesson.Seed.value_or(BatchSeed));
    std::int64_t now = 0;
    Session run(listener, random, [&now] { return now += 3'000'000; });
    LessonPlan plan(lesson, {}, {});
    plan.Begin(run);
    pauses = 0;
    for (int passes = 0; run.CurrentRunState() != RunState::Finished && passes < 100000; ++passes) {
        if (!run.state().Running) {
            run.PressStart();
            ++pauses;
        }
        run.RunPass();
    }
    return DataFileText(run.state(), Date);
}

TEST(LessonRoundTrip, AStudentsRunGivesTheBatchToolsDataFile)
{
    struct Case {
        const char* name;
        const char* text;
        int pauses; // Start pressed: once to begin, then at each pause point before the end
    };
    const Case cases[] = {
        {"every kind of event at the fastest speed",
         R"({"version": 1, "scenario": 3, "seed": 99, "speed": 4,
             "parameters": {"stable": "30000", "birth-index": "4.5"},
             "events": ["0:population=5000", "120:epidemic", "400:population=12345", "400:one-child",
                        "800:scenario=2", "1200:baby-mortality=8", "2999:immigration-wave"],
             "pausePoints": [{"year": 120, "question": "a"}, {"year": 401, "question": "b"},
                             {"year": 3000, "question": "c"}]})",
         3},
        {"a reset by a realistic scenario at a middle speed",
         R"({"version": 1, "scenario": 1, "seed": 5, "speed": 2,
             "events": ["50:scenario=7", "50:population=800", "300:immigration=2"],
             "pausePoints": [{"year": 50, "question": "before the reset"}, {"year": 60, "question": "after"}]})",
         4}, // the reset stops the run as the scenario's button does
    };
    for (const Case& c : cases) {
        const LessonReading reading = ReadLesson(c.text);
        ASSERT_EQ(reading.Error, "") << c.name;
        int pauses = 0;
        const std::string student = StudentData(reading.Read, pauses);
        EXPECT_EQ(pauses, c.pauses) << c.name;
        EXPECT_TRUE(student == BatchData(reading.Read)) << c.name;
    }
}

} // namespace
} // namespace vartel::test
