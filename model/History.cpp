#include "model/History.h"

#include "model/AgeTables.h"
#include "model/Rounding.h"

namespace vartel {

void TallyClassTotals(SimulationState& s, int y)
{
    auto& classes = s.PyramidHistory[y];
    double total = 0.0;
    for (int j = 0; j < ClassCount; ++j) {
        double people = 0.0;
        for (int i = 5 * j; i < 5 * j + 5; ++i) people += s.PopByAge[i];
        classes[j] = RoundEven(people);
        total += classes[j];
    }
    s.PopHistory[y] = total;
}

void TallyClasses(SimulationState& s, int y)
{
    TallyClassTotals(s, y);
    const auto& classes = s.PyramidHistory[y];
    s.ChildrenHistory[y] = classes[0] + classes[1] + classes[2];
    double elderly = 0.0;
    for (int j = 13; j < ClassCount; ++j) elderly += classes[j];
    s.ElderlyHistory[y] = elderly;
    double exact = 0.0;
    for (double people : s.PopByAge) exact += people;
    s.ExactPopHistory[y] = exact;
}

void ComputeMeanAge(SimulationState& s, int y)
{
    if (!(s.PopHistory[y] > 0.0)) {
        s.MeanAgeHistory[y] = 0.0;
        return;
    }
    double years = 0.0;
    for (int i = 1; i < AgeCount; ++i) years += i * s.PopByAge[i];
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
