// The command line: defaults, every option, the events, and every refusal with its message.
#include "tools/BatchArguments.h"
#include "tests/tools/BadArguments.h"
#include "views/GraphView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace vartel::test {
namespace {

ParsedArguments Parse(const std::vector<std::string>& args)
{
    return ParseBatchArguments(args);
}

std::string Joined(const std::vector<std::string>& args)
{
    std::string text;
    for (const auto& a : args)
        text += (text.empty() ? "" : " ") + a;
    return text;
}

TEST(BatchArguments, NothingGivenRunsScenarioOneToTheLastYearAndWritesNothing)
{
    const ParsedArguments p = Parse({});
    ASSERT_EQ(p.Error, "");
    const BatchArguments& a = p.Arguments;
    EXPECT_FALSE(a.Help);
    EXPECT_EQ(a.Scenario, 1);
    EXPECT_EQ(a.Years, 3000);
    EXPECT_TRUE(a.Events.empty());
    EXPECT_TRUE(a.DataFile.empty() && a.GraphFile.empty() && a.PyramidFile.empty());
    EXPECT_EQ(a.GraphMode, 1) << "population graph";
    EXPECT_TRUE(a.LinearScale);
    EXPECT_EQ(a.Zoom, 1);
    EXPECT_EQ(a.Seed, 1) << "the fixed seed of every batch run";
}

TEST(BatchArguments, EveryOptionLandsInItsField)
{
    const ParsedArguments p =
        Parse({"--scenario", "6",     "--years",      "0",        "--data",  "d.txt",     "--graph", "g.emf",
               "--pyramid",  "p.gif", "--graph-mode", "survival", "--scale", "log",       "--zoom",  "20000",
               "--compare",  "a.txt", "--compare",    "b.csv",    "--seed",  "2147483647"});
    ASSERT_EQ(p.Error, "");
    const BatchArguments& a = p.Arguments;
    EXPECT_EQ(a.Scenario, 6);
    EXPECT_EQ(a.Years, 0);
    EXPECT_EQ(a.DataFile, "d.txt");
    EXPECT_EQ(a.GraphFile, "g.emf");
    EXPECT_EQ(a.PyramidFile, "p.gif");
    EXPECT_EQ(a.GraphMode, 4);
    EXPECT_FALSE(a.LinearScale);
    EXPECT_EQ(a.Zoom, 20000);
    EXPECT_EQ(a.Seed, 2147483647);
    EXPECT_EQ(a.CompareFiles, (std::vector<std::string>{"a.txt", "b.csv"})) << "in their order";
}

TEST(BatchArguments, GraphModesAreNumberedAsTheGraphButtons)
{
    const std::vector<std::pair<std::string, int>> modes{
        {"population", 1}, {"birth", 2}, {"mortality", 3}, {"survival", 4}};
    for (const auto& [name, mode] : modes)
        EXPECT_EQ(Parse({"--graph-mode", name}).Arguments.GraphMode, mode)
            << "expected mode " << mode << " for " << name;
}

TEST(BatchArguments, EveryZoomFactorAndNothingElseIsAccepted)
{
    for (int zoom : ZoomFactors) {
        const ParsedArguments p = Parse({"--zoom", std::to_string(zoom)});
        EXPECT_EQ(p.Error, "") << "expected zoom " << zoom << " to be accepted";
        EXPECT_EQ(p.Arguments.Zoom, zoom);
    }
    for (int zoom = 0; zoom <= 20001; ++zoom) {
        const bool factor = std::find(ZoomFactors.begin(), ZoomFactors.end(), zoom) != ZoomFactors.end();
        if (!factor) {
            ASSERT_NE(Parse({"--zoom", std::to_string(zoom)}).Error, "") << "expected zoom " << zoom << " refused";
        }
    }
}

TEST(BatchArguments, EventsKeepTheirOrderKindAndText)
{
    const ParsedArguments p = Parse({"--event", "0:birth-index=2.5",     "--event", "0:epidemic",
                                     "--event", "10:one-child",          "--event", "10:immigration-wave",
                                     "--event", "20:population=5000",    "--event", "20:stable=3000",
                                     "--event", "30:baby-mortality=1e1", "--event", "30:adult-mortality=0.5",
                                     "--event", "40:immigration=-1.5",   "--event", "3000:scenario=7"});
    ASSERT_EQ(p.Error, "");
    const auto& e = p.Arguments.Events;
    ASSERT_EQ(e.size(), 10u);
    const std::vector<int> years{0, 0, 10, 10, 20, 20, 30, 30, 40, 3000};
    for (std::size_t i = 0; i < e.size(); ++i)
        EXPECT_EQ(e[i].Year, years[i]) << "event " << i;
    EXPECT_EQ(e[0].Kind, EventKind::Parameter);
    EXPECT_EQ(e[0].Parameter, ParameterField::BirthIndex);
    EXPECT_EQ(e[0].Text, "2.5");
    EXPECT_EQ(e[0].Argument, "0:birth-index=2.5");
    for (std::size_t i : {1u, 2u, 3u}) {
        EXPECT_EQ(e[i].Kind, EventKind::Incident);
        EXPECT_EQ(e[i].Number, static_cast<int>(i)) << "incident buttons 1 epidemic, 2 one-child, 3 wave";
    }
    EXPECT_EQ(e[4].Parameter, ParameterField::Population);
    EXPECT_EQ(e[5].Parameter, ParameterField::StableLevel);
    EXPECT_EQ(e[6].Parameter, ParameterField::BabyMortality);
    EXPECT_EQ(e[6].Text, "1e1") << "the text goes to the field as typed";
    EXPECT_EQ(e[7].Parameter, ParameterField::AdultMortality);
    EXPECT_EQ(e[8].Parameter, ParameterField::Immigration);
    EXPECT_EQ(e[8].Text, "-1.5");
    EXPECT_EQ(e[9].Kind, EventKind::Scenario);
    EXPECT_EQ(e[9].Number, 7);
    const ParsedArguments empty = Parse({"--event", "5:baby-mortality="});
    ASSERT_EQ(empty.Error, "") << "an empty value is the field's to judge";
    EXPECT_EQ(empty.Arguments.Events[0].Text, "");
}

TEST(BatchArguments, EventYearsMayRepeatAndReachTheEnd)
{
    EXPECT_EQ(Parse({"--years", "100", "--event", "100:epidemic", "--event", "100:scenario=5"}).Error, "");
    EXPECT_EQ(Parse({"--event", "3000:epidemic"}).Error, "") << "the default end is 3000";
}

TEST(BatchArguments, HelpAndVersionWinOverWhatFollows)
{
    EXPECT_TRUE(Parse({"--help"}).Arguments.Help);
    EXPECT_TRUE(Parse({"-h"}).Arguments.Help);
    const ParsedArguments p = Parse({"--years", "10", "--help", "--frob"});
    EXPECT_EQ(p.Error, "");
    EXPECT_TRUE(p.Arguments.Help);
    EXPECT_NE(BatchUsage().find("--event YEAR:ACTION"), std::string::npos);
    const ParsedArguments v = Parse({"--scenario", "3", "--version", "--frob"});
    EXPECT_TRUE(v.Error.empty() && v.Arguments.Version && !v.Arguments.Help);
    for (const char* told : {"--version", "first 9 characters", "an empty value", "status 2", ".csv"})
        EXPECT_NE(BatchUsage().find(told), std::string::npos) << "expected the usage to tell " << told;
}

TEST(BatchArguments, TheUsageFitsEightyColumns)
{
    const std::string usage = BatchUsage();
    std::size_t begin = 0;
    for (std::size_t end; (end = usage.find('\n', begin)) != std::string::npos; begin = end + 1)
        EXPECT_LE(end - begin, 80u) << "expected at most 80 columns: " << usage.substr(begin, end - begin);
    for (const char* told :
         {"--save-lesson FILE", "--lesson FILE", "--link URL", "--title TEXT", "--animation FILE", "default 25"})
        EXPECT_NE(usage.find(told), std::string::npos) << "expected the usage to tell " << told;
    for (const char* zoom : {" 1,", " 2,", " 500,", " 20000\n"})
        EXPECT_NE(usage.find(zoom), std::string::npos) << "expected the zoom factor '" << zoom << "'";
}

TEST(BatchArguments, TheAnimationTakesAGifNameAndTheYearsBetweenFrames)
{
    const BatchArguments plain = Parse({"--animation", "run.gif"}).Arguments;
    EXPECT_EQ(plain.AnimationFile, "run.gif");
    EXPECT_EQ(plain.AnimationYears, 25) << "the default";
    const ParsedArguments chosen = Parse({"--animation-years", "3000", "--animation", "dir.x/Run.GIF"});
    EXPECT_EQ(chosen.Error, "");
    EXPECT_EQ(chosen.Arguments.AnimationFile, "dir.x/Run.GIF") << "the extension in any case";
    EXPECT_EQ(chosen.Arguments.AnimationYears, 3000);
    EXPECT_EQ(Parse({"--lesson", "l.vartel", "--animation", "a.gif", "--animation-years", "1"}).Error, "")
        << "a lesson's run is animated too";
}

TEST(BatchArguments, TheLessonOptionsLandInTheirFields)
{
    const BatchArguments saving = Parse({"--scenario", "5", "--event", "10:epidemic", "--save-lesson", "l.vartel",
                                         "--title", "Groei", "--instructions", "Kijk"})
                                      .Arguments;
    EXPECT_EQ(saving.SaveLessonFile, "l.vartel");
    const Lesson lesson = LessonOfArguments(saving);
    EXPECT_EQ(lesson.Title, "Groei");
    EXPECT_EQ(lesson.Instructions, "Kijk");
    EXPECT_EQ(lesson.Scenario, 5);
    ASSERT_EQ(lesson.Events.size(), 1u);
    EXPECT_EQ(lesson.Events[0].Argument, "10:epidemic");

    const ParsedArguments linking = Parse({"--lesson", "l.vartel", "--link", "https://school.example/"});
    EXPECT_EQ(linking.Error, "");
    EXPECT_EQ(linking.Arguments.LessonFile, "l.vartel");
    EXPECT_EQ(linking.Arguments.LinkUrl, "https://school.example/");
}

TEST(BatchArguments, ALessonSetsTheScenarioAndTheEventsWithinTheRun)
{
    Lesson lesson;
    lesson.Scenario = 6;
    lesson.Parameters = {{ParameterField::BirthIndex, "4"}};
    BatchEvent epidemic;
    ASSERT_EQ(ParseBatchEvent("100:epidemic", epidemic), "");
    lesson.Events = {epidemic};
    BatchArguments a = Parse({"--lesson", "l.vartel", "--years", "100"}).Arguments;
    EXPECT_EQ(UseLesson(lesson, a), "");
    EXPECT_EQ(a.Scenario, 6);
    ASSERT_EQ(a.Events.size(), 2u);
    EXPECT_EQ(a.Events[0].Argument, "0:birth-index=4");
    EXPECT_EQ(a.Events[1].Argument, "100:epidemic");
    a.Years = 99;
    EXPECT_EQ(UseLesson(lesson, a), "the lesson's event '100:epidemic' lies beyond the end of the run (--years 99)");
}

TEST(BatchArguments, LaterOptionsOverrideEarlierOnes)
{
    const BatchArguments a = Parse({"--scenario", "2", "--scenario", "3", "--data", "a", "--data", "b"}).Arguments;
    EXPECT_EQ(a.Scenario, 3);
    EXPECT_EQ(a.DataFile, "b");
}

TEST(BatchArguments, EveryBadCommandLineIsRefusedWithOneLine)
{
    for (const BadArguments& bad : BadArgumentTable()) {
        const ParsedArguments p = Parse(bad.Args);
        EXPECT_NE(p.Error.find(bad.MessagePart), std::string::npos)
            << "for [" << Joined(bad.Args) << "] expected a message with \"" << bad.MessagePart << "\", got \""
            << p.Error << "\"";
        EXPECT_EQ(p.Error.find('\n'), std::string::npos) << "one line for [" << Joined(bad.Args) << "]";
    }
}

} // namespace
} // namespace vartel::test
