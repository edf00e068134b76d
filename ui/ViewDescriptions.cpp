#include "ui/ViewDescriptions.h"

#include "model/AgeTables.h"
#include "model/Rounding.h"

#include <algorithm>

namespace vartel {

namespace {

QString Population(const SimulationState& st, int year)
{
    return QString::number(RoundEvenToInt(st.PopHistory[static_cast<std::size_t>(std::clamp(year, 0, MaxYear))]));
}

} // namespace

QString PyramidDescription(const SimulationState& st, int year)
{
    return QStringLiteral("Year %1, population %2").arg(year).arg(Population(st, year));
}

QString GraphDescription(const SimulationState& st, bool linearScale, int year)
{
    const QString scale = linearScale ? QStringLiteral("linear scale") : QStringLiteral("logarithmic scale");
    QString graph;
    switch (st.GraphMode) {
    case 2: graph = QStringLiteral("Birth graph"); break;
    case 3: graph = QStringLiteral("Mortality graph, ") + scale; break;
    case 4: graph = QStringLiteral("Survival chance graph"); break;
    default:
        graph = QStringLiteral("Population graph, ") + scale;
        if (linearScale)
            graph += QStringLiteral(", zoom %1").arg(st.ZoomFactor);
    }
    QString described = graph + QStringLiteral("; year %1, population %2").arg(year).arg(Population(st, year));
    const int y = std::clamp(year, 0, MaxYear);
    if (y > 0 && st.PopHistory[static_cast<std::size_t>(y - 1)] > 0)
        described += QStringLiteral(", growth %1%").arg(QString::fromStdString(FormatFixed(GrowthPercent(st, y), 2)));
    return described;
}

QString MapDescription(const SimulationState& st)
{
    const QString houses =
        st.HousesShown == 1 ? QStringLiteral("1 house") : QStringLiteral("%1 houses").arg(st.HousesShown);
    return QStringLiteral("Year %1: %2, one for every 10,000 inhabitants; population %3")
        .arg(st.Year)
        .arg(houses)
        .arg(Population(st, st.Year));
}

} // namespace vartel
