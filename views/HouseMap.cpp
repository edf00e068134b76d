#include "views/HouseMap.h"

#include "model/Rounding.h"
#include "model/SimulationState.h"

#include <cmath>

namespace vartel {

namespace {

// The map has more land than sea, so a few draws suffice; after this many the map is searched in order,
// so a map without land cannot hang the program.
constexpr int MaxDraws = 100000;

bool OnLand(const LandTest& isLand, Point place)
{
    return isLand(place.x + 14, place.y + 10);
}

} // namespace

int HouseCount(double population)
{
    if (std::isnan(population))
        return 0;
    const double n = RoundEven(300.0 * population / 3000000.0);
    if (n > HouseCountMax)
        return HouseCountMax;
    if (n <= 0 && population > 50)
        return 1;
    if (n < 0)
        return 0;
    return static_cast<int>(n);
}

Point PlaceHouse(const LandTest& isLand, RandomSource& random)
{
    Point place;
    for (int draw = 0; draw < MaxDraws; ++draw) {
        place.y = random.Next(220);
        place.x = random.Next(390);
        if (OnLand(isLand, place))
            return place;
    }
    for (int top = 0; top < 220; ++top)
        for (int left = 0; left < 390; ++left)
            if (OnLand(isLand, {left, top}))
                return {left, top};
    return place;
}

Point RelocatedFirstHouse(const LandTest& isLand, RandomSource& random)
{
    Point place;
    for (int draw = 0; draw < MaxDraws; ++draw) {
        place.x = 10 * random.Next(39);
        place.y = 10 * random.Next(22);
        if (OnLand(isLand, place))
            return place;
    }
    for (int top = 0; top < 220; top += 10)
        for (int left = 0; left < 390; left += 10)
            if (OnLand(isLand, {left, top}))
                return {left, top};
    return place;
}

} // namespace vartel
