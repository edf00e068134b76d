#pragma once
// The island map's houses: one per 10,000 people, in a fixed order, placed on land.
#include "model/RandomSource.h"
#include "views/Canvas.h"

#include <functional>

namespace vartel {

constexpr int HouseWidth = 28;
constexpr int HouseHeight = 19;
constexpr Color LandColor = Rgb(140, 255, 140);

// Houses to show for a population (PopHistory[Year]): 0..300.
int HouseCount(double population);

// isLand(x, y) tests the map picture's pixel in its own coordinates (false outside the picture).
using LandTest = std::function<bool(int x, int y)>;
Point PlaceHouse(const LandTest& isLand, RandomSource& random);          // start-up places
Point RelocatedFirstHouse(const LandTest& isLand, RandomSource& random); // on the 10-pixel grid

} // namespace vartel
