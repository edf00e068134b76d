#include "model/Bulletin.h"
#include "model/Results.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

// A model in year 5 whose history says what the bulletin rules read.
struct BoardModel : TestModel {
    BoardModel()
    {
        S.Year = 5;
        SetYear(4, 4000);
        SetYear(5, 4000);
        Host.Clear();
    }
    void SetYear(int y, double people, double elderly = 0)
    {
        S.ExactPopHistory[y] = people;
        S.PopHistory[y] = people;
        S.ElderlyHistory[y] = elderly;
    }
    std::string Choose()
    {
        ChooseBulletin(*M);
        return S.Board.Text;
    }
};

TEST(Bulletin, RulesInOrderOfPrecedence)
{
    BoardModel t;
    EXPECT_EQ(t.Choose(), " no announcements ...") << "a quiet theoretical year";
    EXPECT_EQ(t.S.Board.FontSize, 8) << "the quiet message is small";
    EXPECT_EQ(t.Host.Count("Alarm"), 0) << "the quiet message has no alarm";

    t.S.StageReached[0] = true;
    EXPECT_EQ(t.Choose(), t.S.Stages[1].Text) << "stage A announced";
    t.S.StageReached[3] = true;
    EXPECT_EQ(t.Choose(), t.S.Stages[4].Text) << "stage P beats stage A";
    t.S.StageReached[5] = true;
    EXPECT_EQ(t.Choose(), t.S.Stages[6].Text) << "stage B beats every other stage";
    EXPECT_EQ(t.S.Board.Background, Rgb(204, 255, 204)) << "stage B is light green";
    t.SetYear(5, 4000, 1001);
    EXPECT_EQ(t.Choose(), " Increase of ageing population") << "ageing beats the stages";
    t.S.Incident = 3;
    EXPECT_EQ(t.Choose(), " Many immigrants invade the island") << "an incident beats ageing";
    t.S.Incident = 2;
    EXPECT_EQ(t.Choose(), "Heavy penalty for families with more than 1 child!") << "one-child text, no leading blank";
    EXPECT_EQ(t.S.Board.FontSize, 15) << "the one-child text is size 15";
    t.S.Incident = 1;
    EXPECT_EQ(t.Choose(), " An epidemic roams through the island") << "epidemic text";
    t.SetYear(5, 900);
    EXPECT_EQ(t.Choose(), " Small population... danger") << "a shrinking small population beats incidents";
    t.SetYear(5, 49);
    EXPECT_EQ(t.Choose(), " Not enough people - disaster strikes") << "below 50 people";
    t.SetYear(5, 0);
    EXPECT_EQ(t.Choose(), " Population extinct") << "nobody left";
    t.SetYear(5, 2600000);
    t.SetYear(4, 2400000);
    EXPECT_EQ(t.Choose(), " Large population... danger") << "a growing population above 2.5 million";
    t.S.Catastrophe = true;
    EXPECT_EQ(t.Choose(), " Overpopulation - disaster inevitable") << "the catastrophe beats everything";
    EXPECT_EQ(t.S.Board.Background, Rgb(85, 0, 0)) << "catastrophe background";
    EXPECT_EQ(t.S.Board.FontColor, Rgb(255, 0, 0)) << "catastrophe font colour";
    EXPECT_EQ(t.S.Board.FontSize, 18) << "catastrophe font size";
}

TEST(Bulletin, SmallPopulationOnlyWhileShrinking)
{
    BoardModel t;
    t.SetYear(4, 800);
    t.SetYear(5, 900);
    EXPECT_EQ(t.Choose(), " no announcements ...") << "a growing small population is no danger";
    t.S.Year = 0;
    t.SetYear(0, 900);
    EXPECT_EQ(t.Choose(), " Small population... danger") << "in year 0 a small population is a danger";
}

TEST(Bulletin, LargePopulationAlarmsOnceAndMovesTheHouseEveryYear)
{
    BoardModel t;
    t.SetYear(4, 2400000);
    t.SetYear(5, 2600000);
    t.Choose();
    t.S.Year = 6;
    t.SetYear(6, 2700000);
    t.Choose();
    EXPECT_EQ(t.Host.Count("Alarm"), 1) << "one alarm for the first year above 2.5 million";
    EXPECT_EQ(t.Host.Count("RelocateFirstHouse"), 2) << "the first house moves every year it grows";
    t.S.Year = 7;
    t.SetYear(7, 2650000);
    EXPECT_EQ(t.Choose(), " no announcements ...") << "in the first year it shrinks the next rule takes over";
    EXPECT_EQ(t.Host.Count("RelocateFirstHouse"), 2) << "a shrinking population leaves the house";
}

TEST(Bulletin, ElderlyBoundaryIsStrictAndRepaintsFirst)
{
    BoardModel t;
    t.SetYear(5, 1000, 250);
    EXPECT_EQ(t.Choose(), " no announcements ...") << "exactly 25 % elderly does not trigger the message";
    t.SetYear(5, 1000, 251);
    t.Host.Clear();
    EXPECT_EQ(t.Choose(), " Increase of ageing population") << "more than 25 % elderly";
    ASSERT_GE(t.Host.Calls.size(), 2u) << "repaint and post expected";
    EXPECT_EQ(t.Host.Calls[0], "RepaintBulletinAndElderly") << "the board and GRmeter repaint before the post";
    EXPECT_EQ(t.Host.Calls[1], "ShowBulletin  Increase of ageing population") << "then the message is posted";
}

TEST(Bulletin, AlarmOnlyOnAChangeAndNotWhileBrowsing)
{
    BoardModel t;
    t.S.Incident = 1;
    t.Choose();
    EXPECT_EQ(t.Host.Count("Alarm"), 1) << "a new message alarms";
    t.Host.Clear();
    t.Choose();
    EXPECT_TRUE(t.Host.Calls.empty()) << "the same message again does nothing at all";

    t.S.Browsing = true;
    t.S.Incident = 2;
    t.Choose();
    EXPECT_EQ(t.Host.Board.Text, "Heavy penalty for families with more than 1 child!")
        << "browsing still sets the board";
    EXPECT_EQ(t.Host.Count("Alarm"), 0) << "no alarm while browsing";
}

TEST(Bulletin, OnlyAMessageWithAlarmAlarms)
{
    BoardModel t;
    PostBulletin(*t.M, Rgb(1, 1, 1), Rgb(2, 2, 2), 16, " something", true);
    PostBulletin(*t.M, Rgb(1, 1, 1), Rgb(2, 2, 2), 16, " something else", false);
    EXPECT_EQ(t.Host.Count("Alarm"), 1) << "a message without alarm plays nothing";
}

TEST(Bulletin, BrowsingShowsPastBoardsAndTheNextPostComparesWithThePresent)
{
    TestModel t;
    t.S.StageReached[0] = true; // year 1 announces stage A
    t.Step();
    t.S.StageReached[0] = false;
    t.Step(); // year 2 is quiet again
    t.Host.Clear();
    ShowYearFromHistory(*t.M, 1);
    EXPECT_EQ(t.Host.Board.Text, t.S.Stages[1].Text) << "browsing year 1 shows its board";
    EXPECT_EQ(t.S.Board.Text, " no announcements ...") << "the record keeps the board of the present";
    EXPECT_EQ(t.Host.FieldText(Field::Clock), "1") << "browsing shows the year";
    EXPECT_EQ(t.Host.FieldText(Field::Popmeter), "4344") << "browsing shows the population of the year";
    EXPECT_EQ(t.Host.FieldText(Field::PGmeter), "3.43%") << "browsing shows the growth of the year";
    EXPECT_EQ(t.Host.Count("Alarm"), 0) << "browsing never alarms";

    t.S.StageReached[0] = true;
    t.Step(); // year 3 reaches stage A again while year 1's board may still be on display
    EXPECT_EQ(t.Host.Count("Alarm"), 1) << "a message new to the present is announced";
    t.Host.Clear();
    ShowYearFromHistory(*t.M, 3);
    t.Step(); // the same stage: nothing new for the present, whatever browsing showed
    EXPECT_EQ(t.Host.Count("Alarm"), 0) << "no announcement is posted twice";
}

TEST(Bulletin, CurrentFiguresChooseNoMessage)
{
    BoardModel t;
    const std::string before = t.S.Board.Text;
    t.S.Incident = 1; // an epidemic started during a pause is announced by the next year, with its alarm
    ShowCurrentFigures(*t.M);
    EXPECT_EQ(t.Host.Count("ShowBulletin", true), 0) << "the figures alone post nothing";
    EXPECT_EQ(t.S.Board.Text, before) << "the board is left to the next post";
    EXPECT_EQ(t.Choose(), " An epidemic roams through the island") << "which announces the epidemic";
    EXPECT_FALSE(t.Host.FieldText(Field::BImeter).empty()) << "but the parameter fields are written";
}

} // namespace
} // namespace vartel
