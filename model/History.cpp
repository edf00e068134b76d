#include "model/History.h"

#include "model/AgeTables.h"
#include "model/Rounding.h"

namespace vartel {

namespace {

// The people of class j, its five ages summed in age order, rounded.
double RoundedClass(const SimulationState& s, int j)
{
    double people = 0.0;
    for (int i = 5 * j; i < 5 * j + 5; ++i)
        people += s.PopByAge[i];
    return RoundEven(people);
}

} // namespace

void TallyClassTotals(SimulationState& s, int y)
{
    auto& classes = s.PyramidHistory[y];
    double total = 0.0;
    for (int j = 0; j < ClassCount; ++j) {
        classes[j] = RoundedClass(s, j);
        total += classes[j];
    }
    s.PopHistory[y] = total;
}

void RetallyClassOfAge(SimulationState& s, int y, int age)
{
    double& people = s.PyramidHistory[y][age / 5];
    const double before = people;
    people = RoundedClass(s, age / 5);
    // Whole numbers far below 2^53: the new total is exact, as a sum over all classes would give it.
    s.PopHistory[y] += people - before;
}

void TallyClasses(SimulationState& s, int y)
{
    TallyClassTotals(s, y);
    const auto& classes = s.PyramidHistory[y];
    s.ChildrenHistory[y] = classes[0] + classes[1] + classes[2];
    double elderly = 0.0;
    for (int j = 13; j < ClassCount; ++j)
        elderly += classes[j];
    s.ElderlyHistory[y] = elderly;
    double exact = 0.0;
    for (double people : s.PopByAge)
        exact += people;
    s.ExactPopHistory[y] = exact;
}

void ComputeMeanAge(SimulationState& s, int y)
{
    if (!(s.PopHistory[y] > 0.0)) {
        s.MeanAgeHistory[y] = 0.0;
        return;
    }
    double years = 0.0;
    for (int i = 1; i < AgeCount; ++i)
        years += i * s.PopByAge[i];
    s.MeanAgeHistory[y] = years / s.PopHistory[y];
}

void RecordYear(SimulationState& s, int y)
{
    s.StableLevelHistory[y] = s.StableLevel;
    s.ParamHistory[0][y] = s.BirthIndex;
    s.ParamHistory[1][y] = s.BabyMortality;
    s.ParamHistory[2][y] = s.AdultMortality;
    s.ParamHistory[3][y] = s.Immigration;
    s.ReplacementHistory[y] = ReplacementBirthIndex(s);
    s.LifeExpectancyHistory[y] = LifeExpectancy(s);
    s.BulletinTextHistory[y] = s.Board.Text;
    s.BulletinColorHistory[y] = s.Board.Background;
    s.BulletinFontColorHistory[y] = s.Board.FontColor;
    s.BulletinFontSizeHistory[y] = s.Board.FontSize;
}

} // namespace vartel
