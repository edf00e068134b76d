#include "ui/ViewDescriptions.h"

#include "model/AgeTables.h"
#include "model/Codes.h"
#include "model/Rounding.h"

#include <QCoreApplication>

#include <algorithm>

namespace vartel {

namespace {

QString Text(const char* english)
{
    return QCoreApplication::translate("ViewDescription", english);
}

QString Population(const SimulationState& st, int year)
{
    return QString::number(RoundEvenToInt(st.PopHistory[static_cast<std::size_t>(std::clamp(year, 0, MaxYear))]));
}

} // namespace

QString PyramidDescription(const SimulationState& st, int year)
{
    return Text(QT_TRANSLATE_NOOP("ViewDescription", "Year %1, population %2")).arg(year).arg(Population(st, year));
}

QString GraphDescription(const SimulationState& st, bool linearScale, int year)
{
    const QString scale = linearScale ? Text(QT_TRANSLATE_NOOP("ViewDescription", "linear scale"))
                                      : Text(QT_TRANSLATE_NOOP("ViewDescription", "logarithmic scale"));
    QString graph;
    switch (st.GraphMode) {
    case GraphModeCode::Births:
        graph = Text(QT_TRANSLATE_NOOP("ViewDescription", "Birth graph"));
        break;
    case GraphModeCode::Mortality:
        graph = Text(QT_TRANSLATE_NOOP("ViewDescription", "Mortality graph, %1")).arg(scale);
        break;
    case GraphModeCode::Survival:
        graph = Text(QT_TRANSLATE_NOOP("ViewDescription", "Survival chance graph"));
        break;
    default:
        graph = Text(QT_TRANSLATE_NOOP("ViewDescription", "Population graph, %1")).arg(scale);
        if (linearScale)
            graph += Text(QT_TRANSLATE_NOOP("ViewDescription", ", zoom %1")).arg(st.ZoomFactor);
    }
    QString described =
        graph +
        Text(QT_TRANSLATE_NOOP("ViewDescription", "; year %1, population %2")).arg(year).arg(Population(st, year));
    const int y = std::clamp(year, 0, MaxYear);
    if (y > 0 && st.PopHistory[static_cast<std::size_t>(y - 1)] > 0)
        described += Text(QT_TRANSLATE_NOOP("ViewDescription", ", growth %1%"))
                         .arg(QString::fromStdString(FormatFixed(GrowthPercent(st, y), 2)));
    return described;
}

QString MapDescription(const SimulationState& st)
{
    const QString houses = st.HousesShown == 1
                               ? Text(QT_TRANSLATE_NOOP("ViewDescription", "1 house"))
                               : Text(QT_TRANSLATE_NOOP("ViewDescription", "%1 houses")).arg(st.HousesShown);
    return Text(QT_TRANSLATE_NOOP("ViewDescription", "Year %1: %2, one for every 10,000 inhabitants; population %3"))
        .arg(st.Year)
        .arg(houses)
        .arg(Population(st, st.Year));
}

} // namespace vartel
