// The lesson file: what a good file holds, the exact message of each bad one, the notices, the limits and
// the round trip through the writer.
#include "lesson/LessonReader.h"
#include "lesson/LessonWriter.h"
#include "tests/lesson/LessonTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vartel::test {
namespace {

TEST(LessonReader, AFullLessonGivesEveryField)
{
    const LessonReading reading = ReadLesson(FullLesson());
    ASSERT_EQ(reading.Error, "");
    EXPECT_TRUE(reading.Notices.empty());
    const Lesson& l = reading.Read;
    EXPECT_EQ(l.Title, "Groei in de steentijd");
    EXPECT_EQ(l.Instructions, "Kijk naar de grafiek.\nWat gebeurt er na de epidemie?");
    EXPECT_EQ(l.Language, "nl");
    EXPECT_EQ(l.Scenario, 6);
    ASSERT_EQ(l.Parameters.size(), 3u);
    EXPECT_EQ(l.Parameters[0].Field, ParameterField::StableLevel);
    EXPECT_EQ(l.Parameters[1].Field, ParameterField::BirthIndex);
    EXPECT_EQ(l.Parameters[1].Text, "5.5");
    EXPECT_EQ(l.Parameters[2].Field, ParameterField::Immigration);
    EXPECT_EQ(l.Parameters[2].Text, "-1");
    ASSERT_EQ(l.Events.size(), 4u);
    EXPECT_EQ(l.Events[0].Kind, EventKind::Parameter);
    EXPECT_EQ(l.Events[0].Parameter, ParameterField::BabyMortality);
    EXPECT_EQ(l.Events[1].Year, 150);
    EXPECT_EQ(l.Events[1].Kind, EventKind::Incident);
    EXPECT_EQ(l.Events[1].Number, 1);
    EXPECT_EQ(l.Events[2].Kind, EventKind::Scenario);
    EXPECT_EQ(l.Events[2].Number, 2);
    EXPECT_EQ(l.Events[3].Text, "") << "an emptied field";
    EXPECT_EQ(l.Speed, 1);
    EXPECT_TRUE(l.Locks.Scenario && !l.Locks.Parameters && l.Locks.Incidents && !l.Locks.Speed);
    ASSERT_EQ(l.PausePoints.size(), 2u);
    EXPECT_EQ(l.PausePoints[1].Year, 3000);
    EXPECT_EQ(l.PausePoints[1].Question, "Waarom \"stabiel\"?");
    ASSERT_EQ(l.Curves.size(), 1u);
    EXPECT_EQ(l.Curves[0].Name, "two years");
    EXPECT_EQ(l.Curves[0].Data, TwoYearData());
    EXPECT_EQ(l.Seed, 2147483647u);
}

TEST(LessonReader, OnlyTheVersionIsNeeded)
{
    for (const char* text : {R"({"version": 1})", "\xEF\xBB\xBF{\"version\":1}\n", " {\"version\" : 1 } \r\n"}) {
        const LessonReading reading = ReadLesson(text);
        ASSERT_EQ(reading.Error, "") << text;
        const Lesson& l = reading.Read;
        EXPECT_EQ(l.Scenario, 1);
        EXPECT_EQ(l.Speed, 3) << "the slider's position at start-up";
        EXPECT_EQ(l.Language, "en");
        EXPECT_TRUE(l.Title.empty() && l.Events.empty() && l.PausePoints.empty() && l.Curves.empty());
        EXPECT_FALSE(l.Seed.has_value());
        EXPECT_FALSE(l.Locks.Scenario || l.Locks.Parameters || l.Locks.Incidents || l.Locks.Speed);
    }
}

struct BadLesson {
    std::string Text;
    std::string Message;
};

std::string Long(std::size_t n, const char* piece = "a")
{
    std::string text;
    for (std::size_t i = 0; i < n; ++i)
        text += piece;
    return text;
}

std::string EventList(std::size_t n)
{
    std::string list = "\"1:epidemic\"";
    for (std::size_t i = 1; i < n; ++i)
        list += ",\"1:epidemic\"";
    return list;
}

TEST(LessonReader, EachBadFileGivesItsMessageAndNoLesson)
{
    const std::vector<BadLesson> table{
        // syntax, with the line and column
        {"", "line 1, column 1: syntax error while parsing value - unexpected end of input; expected '[', '{', or "
             "a literal"},
        {"{\n  \"version\": 1,\n  \"title\": \"x\"\n  \"speed\": 2\n}",
         "line 4, column 9: syntax error while parsing object - unexpected string literal; expected '}'"},
        {"{\"version\": 1,}", "line 1, column 15: syntax error while parsing object key - unexpected '}'; "
                              "expected string literal"},
        {"{\"version\": 1} {}", "line 1, column 16: syntax error while parsing value - unexpected '{'; expected "
                                "end of input"},
        {"{\"title\": \"caf\xE9\"}", "line 1, column 16: syntax error while parsing value - invalid string: "
                                     "ill-formed UTF-8 byte; last read: '\"caf?\"'"},
        {"\"version\"", "a lesson file holds one JSON object, { ... }"},
        {"[1]", "a lesson file holds one JSON object, { ... }"},
        {Long(40, "[") + Long(40, "]"), "nested more than 32 levels deep"},
        // the version
        {"{}", "/version: missing; a lesson file gives its version, \"version\": 1"},
        {R"({"version": "1"})", "/version: expected a whole number 1..1000000"},
        {R"({"version": 1.0})", "/version: expected a whole number 1..1000000"},
        {R"({"version": 0})", "/version: 0 is outside 1..1000000"},
        {R"({"version": -1})", "/version: -1 is outside 1..1000000"},
        // texts
        {R"({"version": 1, "title": 5})", "/title: expected a text in double quotes"},
        {R"({"version": 1, "title": null})", "/title: expected a text in double quotes"},
        {"{\"version\": 1, \"title\": \"" + Long(201) + "\"}", "/title: longer than 200 characters"},
        {"{\"version\": 1, \"instructions\": \"" + Long(20001) + "\"}", "/instructions: longer than 20000 characters"},
        {R"({"version": 1, "language": "de"})", "/language: 'de' is not one of en, nl"},
        {R"({"version": 1, "language": "EN"})", "/language: 'EN' is not one of en, nl"},
        {R"({"version": 1, "language": "eng"})", "/language: longer than 2 characters"},
        // numbers
        {R"({"version": 1, "scenario": 0})", "/scenario: 0 is outside 1..7"},
        {R"({"version": 1, "scenario": 8})", "/scenario: 8 is outside 1..7"},
        {R"({"version": 1, "scenario": "6"})", "/scenario: expected a whole number 1..7"},
        {R"({"version": 1, "speed": 5})", "/speed: 5 is outside 0..4"},
        {R"({"version": 1, "speed": 2.5})", "/speed: expected a whole number 0..4"},
        {R"({"version": 1, "seed": 2147483648})", "/seed: 2147483648 is outside 0..2147483647"},
        {R"({"version": 1, "seed": 18446744073709551616})", "/seed: expected a whole number 0..2147483647"},
        {R"({"version": 1, "seed": -1})", "/seed: -1 is outside 0..2147483647"},
        {R"({"version": 1, "seed": 6E666666})", "a number too large to read"},
        {"66666666666666666666E66666666666666", "a number too large to read"},
        // starting parameters
        {R"({"version": 1, "parameters": ["stable"]})", "/parameters: expected an object, { ... }"},
        {R"({"version": 1, "parameters": {"birth-index": 2.5}})",
         "/parameters/birth-index: expected a text in double quotes"},
        {"{\"version\": 1, \"parameters\": {\"stable\": \"" + Long(101, "1") + "\"}}",
         "/parameters/stable: longer than 100 characters"},
        // events
        {R"({"version": 1, "events": "10:epidemic"})", "/events: expected a list, [ ... ]"},
        {R"({"version": 1, "events": [10]})", "/events/0: expected a text in double quotes"},
        {R"({"version": 1, "events": ["10:epidemic", "10"]})", "/events/1: '10': expected YEAR:ACTION"},
        {R"({"version": 1, "events": ["3001:epidemic"]})", "/events/0: '3001:epidemic': year 3001 is outside 0..3000"},
        {R"({"version": 1, "events": ["10:war"]})", "/events/0: '10:war': unknown action 'war'"},
        {R"({"version": 1, "events": ["10:weather=5"]})", "/events/0: '10:weather=5': unknown parameter 'weather'"},
        {R"({"version": 1, "events": ["10:scenario=8"]})", "/events/0: '10:scenario=8': scenario 8 is outside 1..7"},
        {R"({"version": 1, "events": ["20:epidemic", "10:one-child"]})",
         "/events/1: year 10 comes before the year 20 of the event before it"},
        {"{\"version\": 1, \"events\": [" + EventList(1001) + "]}", "/events: holds 1001 entries, more than 1000"},
        // locks
        {R"({"version": 1, "locks": true})", "/locks: expected an object, { ... }"},
        {R"({"version": 1, "locks": {"speed": 1}})", "/locks/speed: expected true or false"},
        // pause points
        {R"({"version": 1, "pausePoints": {}})", "/pausePoints: expected a list, [ ... ]"},
        {R"({"version": 1, "pausePoints": [100]})", "/pausePoints/0: expected an object, { ... }"},
        {R"({"version": 1, "pausePoints": [{"question": "Why?"}]})",
         "/pausePoints/0/year: missing; a pause point has a year"},
        {R"({"version": 1, "pausePoints": [{"year": 10}]})",
         "/pausePoints/0/question: missing; a pause point asks a question"},
        {R"({"version": 1, "pausePoints": [{"year": 0, "question": "Why?"}]})",
         "/pausePoints/0/year: 0 is outside 1..3000"},
        {R"({"version": 1, "pausePoints": [{"year": 10, "question": "a"}, {"year": 20, "question": "b"},
            {"year": 4000, "question": "c"}]})",
         "/pausePoints/2/year: 4000 is outside 1..3000"},
        {R"({"version": 1, "pausePoints": [{"year": 10, "question": "a"}, {"year": 10, "question": "b"}]})",
         "/pausePoints/1/year: 10 does not come after the year 10 of the pause point before it"},
        {"{\"version\": 1, \"pausePoints\": [{\"year\": 1, \"question\": \"" + Long(2001) + "\"}]}",
         "/pausePoints/0/question: longer than 2000 characters"},
        // curves
        {R"({"version": 1, "compare": [{"name": "x"}]})",
         "/compare/0/data: missing; a curve to compare with holds the text of a data file"},
        {R"({"version": 1, "compare": [{"data": "hello"}]})", "/compare/0/data: not a data file of Vartel"},
        {R"({"version": 1, "compare": [{"data": "Y,P,Pc,Pe,Ps,G,BI,RBI,BM,AM,IM,A,LE,Bulletin board\r\n0,1\r\n"}]})",
         "/compare/0/data: not a data file of Vartel (line 2)"},
        {R"({"version": 1, "compare": [{}, {}, {}, {}]})", "/compare: holds 4 entries, more than 3"},
        // a key that a pointer escapes
        {R"({"version": 1, "locks": {"a/b": true, "speed": "no"}})", "/locks/speed: expected true or false"},
    };
    for (const BadLesson& bad : table) {
        const LessonReading reading = ReadLesson(bad.Text);
        EXPECT_EQ(reading.Error, bad.Message) << "for the lesson " << bad.Text.substr(0, 200);
        EXPECT_TRUE(reading.Read.Title.empty() && reading.Read.Events.empty()) << "nothing of a bad lesson is kept";
    }
}

TEST(LessonReader, ABadFieldAfterGoodOnesKeepsNoneOfThem)
{
    const LessonReading reading = ReadLesson(R"({"version": 1, "title": "T", "events": ["5:epidemic"], "speed": 9})");
    EXPECT_EQ(reading.Error, "/speed: 9 is outside 0..4");
    EXPECT_EQ(reading.Read.Title, "");
    EXPECT_TRUE(reading.Read.Events.empty());
}

TEST(LessonReader, AnythingLargerThanALessonIsRefusedUnread)
{
    const std::string text = "{\"version\": 1, \"title\": \"" + std::string(MaxLessonBytes, 'a') + "\"}";
    EXPECT_EQ(ReadLesson(text).Error, "larger than a lesson can be (4194304 bytes)");
}

TEST(LessonReader, UnknownAndNewerFieldsAreLeftOutWithANotice)
{
    const LessonReading unknown = ReadLesson(R"({"version": 1, "colour": "red", "locks": {"a/b~c": true}, "title": "T",
                       "pausePoints": [{"year": 5, "question": "Q", "hint": "H"}]})");
    ASSERT_EQ(unknown.Error, "");
    EXPECT_EQ(unknown.Read.Title, "T");
    ASSERT_EQ(unknown.Notices.size(), 1u);
    EXPECT_EQ(unknown.Notices[0], "Left out, unknown to this program: /colour, /locks/a~1b~0c, /pausePoints/0/hint.");

    const LessonReading newer =
        ReadLesson(R"({"version": 2, "scenario": 3, "a": 1, "b": 2, "c": 3, "d": 4, "e": 5, "f": 6, "g": {"h": [1]}})");
    ASSERT_EQ(newer.Error, "");
    EXPECT_EQ(newer.Read.Scenario, 3);
    ASSERT_EQ(newer.Notices.size(), 2u);
    EXPECT_EQ(newer.Notices[0],
              "This lesson is of version 2, newer than this program (1): what it does not know is left out.");
    EXPECT_EQ(newer.Notices[1], "Left out, unknown to this program: /a, /b, /c, /d, /e and 2 more.");
}

TEST(LessonReader, TextsAreCountedInCharactersNotBytes)
{
    const std::string title = Long(200, "\xC3\xAB"); // ë, two bytes each
    const LessonReading reading = ReadLesson("{\"version\": 1, \"title\": \"" + title + "\"}");
    EXPECT_EQ(reading.Error, "");
    EXPECT_EQ(reading.Read.Title, title);
}

TEST(LessonWriter, WriteReadWriteGivesTheSameText)
{
    EXPECT_EQ(WriteLesson(ReadLesson(FullLesson()).Read), FullLesson()) << "the key order and layout of the writer";
    const std::string empty = WriteLesson(Lesson{});
    const LessonReading back = ReadLesson(empty);
    ASSERT_EQ(back.Error, "");
    EXPECT_EQ(WriteLesson(back.Read), empty);
    EXPECT_EQ(empty, R"({
  "version": 1,
  "title": "",
  "instructions": "",
  "language": "en",
  "scenario": 1,
  "parameters": {},
  "events": [],
  "speed": 3,
  "locks": {
    "scenario": false,
    "parameters": false,
    "incidents": false,
    "speed": false
  },
  "pausePoints": [],
  "compare": []
}
)") << "no seed written where the lesson has none";
}

TEST(LessonWriter, BadUtf8IsReplacedSoTheFileStillReads)
{
    Lesson lesson;
    lesson.Title = "caf\xE9";
    const std::string text = WriteLesson(lesson);
    const LessonReading back = ReadLesson(text);
    ASSERT_EQ(back.Error, "");
    EXPECT_EQ(back.Read.Title, "caf\xEF\xBF\xBD");
}

} // namespace
} // namespace vartel::test
