#include "views/HouseMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace vartel {
namespace {

// Plays back fixed answers and logs the range of every draw.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> answers) : answers_(std::move(answers)) {}
    int Next(int n) override
    {
        ranges.push_back(n);
        const int value = answers_.empty() ? 0 : answers_[next_++ % answers_.size()];
        return value;
    }
    std::vector<int> ranges;

private:
    std::vector<int> answers_;
    std::size_t next_ = 0;
};

// A land disc in a sea, in the map picture's 395 x 223 coordinates.
bool IslandPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= 395 || y >= 223)
        return false;
    return std::hypot(x - 200.0, y - 110.0) < 90.0;
}

TEST(HouseCount, OneHousePerTenThousandWithTheDocumentedEdges)
{
    const std::pair<double, int> cases[] = {
        {5000, 1},      {5001, 1},      {50, 0},    {51, 1},      {0, 0},
        {-10, 0},       {15000, 2},     {25000, 2}, {35000, 4},   {1200000, 120},
        {3000000, 300}, {2999999, 300}, {3e9, 300}, {1e300, 300}, {std::numeric_limits<double>::infinity(), 300}};
    for (auto [people, houses] : cases)
        EXPECT_EQ(HouseCount(people), houses) << people << " people";
    EXPECT_EQ(HouseCount(std::numeric_limits<double>::quiet_NaN()), 0) << "an undefined population shows no house";
}

TEST(HousePlacement, DrawsTopThenLeftUntilTheCentreIsLand)
{
    // First draw: top 0, left 0 -> centre (14, 10) is sea; second: top 100, left 186 -> centre (200, 110) is land.
    ScriptedRandom random({0, 0, 100, 186});
    const Point place = PlaceHouse(IslandPixel, random);
    EXPECT_EQ(place.y, 100) << "top of the second draw";
    EXPECT_EQ(place.x, 186) << "left of the second draw";
    EXPECT_EQ(random.ranges, (std::vector<int>{220, 390, 220, 390})) << "top 0..219 first, then left 0..389";
}

TEST(HousePlacement, SeededPlacesAlwaysLandOnLand)
{
    SeededRandom random(20240611);
    for (int house = 1; house <= 300; ++house) {
        const Point p = PlaceHouse(IslandPixel, random);
        ASSERT_TRUE(IslandPixel(p.x + 14, p.y + 10)) << "house " << house << " centre on land";
        ASSERT_TRUE(p.x >= 0 && p.x <= 389 && p.y >= 0 && p.y <= 219) << "house " << house << " inside the map";
    }
}

TEST(HousePlacement, FirstHouseMovesOnTheTenPixelGrid)
{
    ScriptedRandom scripted({0, 0, 19, 10});
    const Point p = RelocatedFirstHouse(IslandPixel, scripted);
    EXPECT_EQ(p.x, 190) << "left = 10 * 19";
    EXPECT_EQ(p.y, 100) << "top = 10 * 10";
    EXPECT_EQ(scripted.ranges, (std::vector<int>{39, 22, 39, 22})) << "left 0..38 first, then top 0..21";

    SeededRandom random(7);
    for (int i = 0; i < 200; ++i) {
        const Point q = RelocatedFirstHouse(IslandPixel, random);
        ASSERT_EQ(q.x % 10, 0) << "left on the grid";
        ASSERT_EQ(q.y % 10, 0) << "top on the grid";
        ASSERT_TRUE(IslandPixel(q.x + 14, q.y + 10)) << "centre on land";
    }
}

TEST(HousePlacement, AMapWithoutLandDoesNotHang)
{
    SeededRandom random(1);
    const auto sea = [](int, int) { return false; };
    const Point p = PlaceHouse(sea, random);
    EXPECT_TRUE(p.x >= 0 && p.x <= 389) << "a place inside the map is still returned";
    const Point q = RelocatedFirstHouse(sea, random);
    EXPECT_EQ(q.x % 10, 0) << "a grid place is still returned";
    const auto onePixel = [](int x, int y) { return x == 394 && y == 222; };
    const Point r = RelocatedFirstHouse(onePixel, random);
    EXPECT_TRUE(r.x + 14 != 394 || r.y + 10 != 222) << "unreachable land on the grid: no hang";
}

} // namespace
} // namespace vartel
