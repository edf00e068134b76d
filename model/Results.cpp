#include "model/Results.h"

#include "model/AgeTables.h"
#include "model/Bulletin.h"
#include "model/Rounding.h"

namespace vartel {

namespace {

// What the results and parameter fields show for one year, current or past.
struct ResultFigures {
    double StableLevel;
    std::array<double, 4> Params; // birth index, then three fractions
    double LifeExpectancy;
    double MeanAge;
    double Replacement;
};

void ShowFigures(Model& m, int year, const ResultFigures& figures)
{
    const SimulationState& s = m.S;
    ModelHost& host = m.Host;
    host.SetField(Field::SPmeter, std::to_string(RoundEvenToInt(figures.StableLevel)));
    const bool hadPeople = year > 0 && s.PopHistory[year - 1] > 0.0;
    host.SetField(Field::PGmeter, hadPeople ? FormatFixed(GrowthPercent(s, year), 2) + "%" : "");

    const double population = s.PopHistory[year];
    const bool hasPeople = population > 0.0;
    auto show = [&](Field field, auto&& text) { host.SetField(field, hasPeople ? text() : std::string()); };
    show(Field::BImeter, [&] { return FormatFixed(figures.Params[0], 4); });
    show(Field::BDmeter, [&] { return FormatFixed(figures.Params[1] * 100.0, 2); });
    show(Field::ADmeter, [&] { return FormatFixed(figures.Params[2] * 100.0, 2); });
    show(Field::IMmeter, [&] { return FormatFixed(figures.Params[3] * 100.0, 2); });
    show(Field::LEmeter, [&] { return FormatFixed(figures.LifeExpectancy, 1); });
    show(Field::MAmeter, [&] { return FormatFixed(figures.MeanAge, 1); });
    show(Field::RBmeter, [&] { return FormatFixed(figures.Replacement, 4); });
    show(Field::GRmeter, [&] { return FormatFixed(100.0 * s.ElderlyHistory[year] / population, 1) + "%"; });
    show(Field::CHmeter, [&] { return FormatFixed(100.0 * s.ChildrenHistory[year] / population, 1) + "%"; });
}

} // namespace

void ShowResults(Model& m)
{
    ShowCurrentFigures(m);
    ChooseBulletin(m);
}

void ShowCurrentFigures(Model& m)
{
    const SimulationState& s = m.S;
    ShowFigures(m, s.Year,
                {static_cast<double>(s.StableLevel),
                 {s.BirthIndex, s.BabyMortality, s.AdultMortality, s.Immigration},
                 LifeExpectancy(s),
                 s.MeanAgeHistory[s.Year],
                 ReplacementBirthIndex(s)});
}

void ShowYearFromHistory(Model& m, int year)
{
    const SimulationState& s = m.S;
    if (year < 0 || year > MaxYear)
        return;
    m.Host.SetField(Field::Clock, std::to_string(year));
    m.Host.SetField(Field::Popmeter, std::to_string(RoundEvenToInt(s.PopHistory[year])));
    ShowFigures(m, year,
                {s.StableLevelHistory[year],
                 {s.ParamHistory[0][year], s.ParamHistory[1][year], s.ParamHistory[2][year], s.ParamHistory[3][year]},
                 s.LifeExpectancyHistory[year],
                 s.MeanAgeHistory[year],
                 s.ReplacementHistory[year]});
    m.Host.ShowBulletin(BulletinState{s.BulletinTextHistory[year], s.BulletinColorHistory[year],
                                      s.BulletinFontColorHistory[year], s.BulletinFontSizeHistory[year]});
}

} // namespace vartel
