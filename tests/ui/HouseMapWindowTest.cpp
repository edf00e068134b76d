// The houses on the map in the real window: shown and hidden in their fixed order, the first house
// moving on its grid while the population is dangerously large, and the reset after an extinction.
#include "WindowFixture.h"

#include "views/HouseMap.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <algorithm>
#include <vector>

namespace vartel::test {
namespace {

class HouseMapWindow : public WindowTest {
protected:
    QLabel* House(int i) const { return form->Controls().Houses[static_cast<std::size_t>(i)]; }

    std::vector<QPoint> Places() const
    {
        std::vector<QPoint> places;
        for (int i = 1; i <= HouseCountMax; ++i)
            places.push_back(House(i)->pos());
        return places;
    }

    int Visible() const
    {
        int shown = 0;
        for (int i = 1; i <= HouseCountMax; ++i)
            shown += House(i)->isVisible() ? 1 : 0;
        return shown;
    }

    void ExpectOnTheGridOnLand(const QPoint& place, const char* when) const
    {
        EXPECT_EQ(place.x() % 10, 0) << when << ": left on the 10-pixel grid";
        EXPECT_EQ(place.y() % 10, 0) << when << ": top on the 10-pixel grid";
        EXPECT_EQ(form->Controls().Map->Picture().PixelColor(place.x() + 14, place.y() + 10), Rgb(140, 255, 140))
            << when << ": on land";
    }

    void StepOneYear()
    {
        const int before = S().Year;
        form->Controls().StartButton->click();
        ASSERT_TRUE(RunUntil([&] { return S().Year > before && !S().Running; })) << "one step runs one year";
    }
};

TEST_F(HouseMapWindow, FewerHousesHideTheLastOnesAndLeaveTheOthersInPlace)
{
    Enter(form->Controls().Popmeter, QStringLiteral("1200000"));
    ASSERT_EQ(S().HousesShown, 120) << "1,200,000 people: 120 houses";
    EXPECT_EQ(Visible(), 120);
    const std::vector<QPoint> before = Places();

    Enter(form->Controls().Popmeter, QStringLiteral("800000"));
    EXPECT_EQ(S().HousesShown, 80) << "800,000 people: 80 houses";
    for (int i = 1; i <= 120; ++i)
        EXPECT_EQ(House(i)->isVisible(), i <= 80) << "house " << i << (i <= 80 ? " stays" : " is hidden");
    EXPECT_EQ(Visible(), 80) << "no other house appears";
    EXPECT_EQ(Places(), before) << "no house moves";
}

TEST_F(HouseMapWindow, FirstHouseJumpsOnItsGridWhileThePopulationIsDangerouslyLarge)
{
    Enter(form->Controls().Popmeter, QStringLiteral("2500000"));
    ASSERT_TRUE(platform.messages.empty()) << "2.5 million is allowed";
    const std::vector<QPoint> others = Places();
    form->Controls().CheckBox1->click(); // step by step
    std::vector<QPoint> firstHouse;
    for (int year = 1; year <= 6; ++year) {
        StepOneYear();
        ASSERT_EQ(form->Controls().Paper->toPlainText(), QStringLiteral(" Large population... danger"))
            << "year " << year << ": the growing population above 2.5 million is announced";
        ExpectOnTheGridOnLand(House(1)->pos(), "the first house");
        firstHouse.push_back(House(1)->pos());
    }
    int moves = 0;
    for (std::size_t i = 1; i < firstHouse.size(); ++i)
        moves += firstHouse[i] != firstHouse[i - 1] ? 1 : 0;
    EXPECT_GE(moves, 3) << "the first house goes to a new place year after year";
    const std::vector<QPoint> now = Places();
    EXPECT_TRUE(std::equal(now.begin() + 1, now.end(), others.begin() + 1)) << "the other houses stay";
}

TEST_F(HouseMapWindow, ResetAfterExtinctionShowsTheFirstHouseAgain)
{
    Enter(form->Controls().Popmeter, QStringLiteral("120"));
    Enter(form->Controls().BImeter, QStringLiteral("0"));
    Enter(form->Controls().ADmeter, QStringLiteral("50"));
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().PopHistory[static_cast<std::size_t>(S().Year)] <= 0; }))
        << "without births 120 people die out";
    form->Controls().StartButton->click();
    EXPECT_EQ(S().HousesShown, 0) << "no house on an empty island";
    EXPECT_EQ(Visible(), 0);

    form->Controls().Newbutton->click();
    EXPECT_EQ(S().HousesShown, 1) << "the reset shows one house";
    EXPECT_TRUE(House(1)->isVisible()) << "the first house";
    EXPECT_EQ(Visible(), 1);
    ExpectOnTheGridOnLand(House(1)->pos(), "after the reset");
}

} // namespace
} // namespace vartel::test
