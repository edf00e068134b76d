#include "views/GraphView.h"

#include "model/Codes.h"
#include "model/Rounding.h"
#include "model/math/PortableMath.h"
#include "views/AgeGraphs.h"
#include "views/Labels.h"
#include "views/PlotFrame.h"

#include <algorithm>
#include <array>
#include <string>

namespace vartel {

namespace {

constexpr Color CurveColor = Rgb(124, 70, 51);
constexpr Color GridColor = Rgb(192, 132, 80);
constexpr Color BrowseMarkerColor = Rgb(0, 0, 0);
constexpr double Overpopulation = 3000000.0;
constexpr double Underpopulation = 50.0;

double Log10(double value)
{
    return math::Log(value) / math::Log(10.0);
}

// Pixels above the axis of `people` on the linear scale at zoom z, rounded.
int LinearRise(int zoom, double people)
{
    return ToPixel(static_cast<double>(zoom) * people / PlotFrame::PeoplePerPixel);
}

// Pixels above the axis of `people` on the logarithmic scale; a level of 0 or less lies below the image.
int LogRise(double people)
{
    return people > 0 ? ToPixel(20.0 * Log10(people)) : -54;
}

void Line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void SetPen(Canvas& c, Color color, int width, PenStyle style = PenStyle::Solid)
{
    c.pen.Color = color;
    c.pen.Width = width;
    c.pen.Style = style;
}

void DrawValueLabels(Canvas& c, bool linearScale, int zoom, int s)
{
    static const std::array<const char*, 8> millions{"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5"};
    static const std::array<const char*, 8> decades{"1",      "10",      "100",       "1000",
                                                    "10.000", "100.000", "1 miljoen", "10 miljoen"};
    if (!linearScale || zoom <= 1) {
        const auto& texts = linearScale ? millions : decades;
        for (int i = 0; i < 8; ++i)
            TextRightAligned(c, 85 * s, (PlotFrame::Axis - 20 * i) * s, texts[i]);
        return;
    }
    // Thousands up to zoom 500, people above it.
    const int unit = zoom <= 500 ? 500 : 500000;
    for (int i = 0; i <= 6; i += 2)
        TextRightAligned(c, 85 * s, (PlotFrame::Axis - 20 * i) * s, std::to_string((i * unit) / zoom));
}

void DrawFrame(Canvas& c, const SimulationState& st, bool linearScale, int s)
{
    const int zoom = st.ZoomFactor;
    const int top = linearScale ? ToPixel(PlotFrame::Axis - 140.0 * zoom) : PlotFrame::Top; // top of the plot area
    const int level = st.StableLevel;

    c.pen.Style = PenStyle::Clear;
    c.brush = {Rgb(250, 250, 144), BrushStyle::Solid};
    c.Rectangle(0, 0, GraphWidth * s, GraphHeight * s);
    c.brush.Color = Rgb(255, 255, 192);
    c.Rectangle(PlotFrame::Left * s, top * s, PlotFrame::Right * s, PlotFrame::Axis * s);
    if (!linearScale || zoom <= 1) {
        c.brush.Color = Rgb(255, 136, 136);
        const int bottom = PlotFrame::Axis - (linearScale ? LinearRise(zoom, Overpopulation) : LogRise(Overpopulation));
        c.Rectangle(PlotFrame::Left * s, (linearScale ? top : PlotFrame::Top) * s, (PlotFrame::Right + 1) * s,
                    bottom * s);
    }
    c.brush.Color = Rgb(187, 170, 204);
    const int strip = PlotFrame::Axis - (linearScale ? LinearRise(zoom, Underpopulation) : LogRise(Underpopulation));
    c.Rectangle(PlotFrame::Left * s, (PlotFrame::Axis + 1) * s, (PlotFrame::Right + 1) * s, strip * s);

    SetPen(c, GridColor, s);
    c.brush.Style = BrushStyle::Clear;
    for (int i = 1; i <= 7; ++i)
        Line(c, PlotFrame::Left * s, (PlotFrame::Axis - 20 * i) * s, PlotFrame::Right * s,
             (PlotFrame::Axis - 20 * i) * s);

    // Equilibrium level: blue, then green dots over it with transparent gaps.
    const int blueY = (PlotFrame::Axis - (linearScale ? LinearRise(zoom, level) : LogRise(level))) * s;
    const int dotY = linearScale ? PeopleToY(level, true, zoom, s) : blueY;
    SetPen(c, Rgb(34, 34, 255), s);
    Line(c, PlotFrame::Left * s, blueY, PlotFrame::Right * s, blueY);
    SetPen(c, Rgb(0, 255, 0), s, PenStyle::Dot);
    Line(c, PlotFrame::Left * s, dotY, PlotFrame::Right * s, dotY);

    SetPen(c, GridColor, s);
    DrawValueLabels(c, linearScale, zoom, s);
    for (int i = 0; i <= 30; ++i)
        Line(c, (PlotFrame::Left + 25 * i) * s, top * s, (PlotFrame::Left + 25 * i) * s, PlotFrame::Axis * s);
    SetPen(c, CurveColor, s);
    Line(c, PlotFrame::Left * s, top * s, PlotFrame::Left * s, PlotFrame::Axis * s);
    c.LineTo(PlotFrame::Right * s, PlotFrame::Axis * s);

    for (int i = 0; i <= 28; i += 2)
        TextCentred(c, (PlotFrame::Left + 25 * i) * s, PlotFrame::Axis * s, std::to_string(100 * i));
}

void DrawTitlesAndDangerLines(Canvas& c, bool linearScale, int zoom, int s)
{
    SetPen(c, CurveColor, 3 * s);
    c.font.Bold = true;
    c.TextOut(810 * s, PlotFrame::Axis * s, "Years");
    if (linearScale) {
        c.TextOut(8 * s, 16 * s, "Population");
        c.font.Bold = false;
        if (zoom <= 1)
            c.TextOut(6 * s, 32 * s, "(millions)");
        else if (zoom <= 500)
            c.TextOut(9 * s, 32 * s, "(x 1000)");
        c.pen.Color = Rgb(255, 51, 51);
        const int y3 = PlotFrame::Axis - LinearRise(zoom, Overpopulation);
        Line(c, 87 * s, y3 * s, PlotFrame::Right * s, y3 * s);
        if (zoom >= 1000) {
            c.pen.Color = Rgb(136, 51, 136);
            const int y50 = PlotFrame::Axis - LinearRise(zoom, Underpopulation);
            Line(c, 87 * s, y50 * s, PlotFrame::Right * s, y50 * s);
        }
        return;
    }
    c.TextOut(4 * s, 92 * s, "Populatie");
    c.font.Bold = false;
    c.pen.Color = Rgb(255, 51, 51);
    Line(c, 87 * s, 16 * s, PlotFrame::Right * s, 16 * s);
    c.pen.Color = Rgb(136, 51, 136);
    Line(c, 87 * s, 112 * s, PlotFrame::Right * s, 112 * s);
}

void DrawCurve(Canvas& c, const SimulationState& st, bool linearScale, int year, int s)
{
    SetPen(c, CurveColor, 3 * s);
    DrawPopulationLine(c, st.ExactPopHistory.data(), year, linearScale, st.ZoomFactor, s);
}

void DrawStageMarkers(Canvas& c, const SimulationState& st, bool linearScale, int s)
{
    // Marker outline and letters keep their screen size in an enlarged export.
    SetPen(c, Rgb(0, 0, 0), 1);
    c.font.Bold = true;
    c.font.Size = 12;
    for (std::size_t k = 1; k < st.Stages.size(); ++k) {
        const StageRecord& stage = st.Stages[k];
        if (stage.Year < 0 || stage.Year > MaxYear)
            continue;
        const int x = YearToX(stage.Year, s);
        const int v = PopulationToY(st, linearScale, stage.Year, s);
        c.brush = {Rgb(0, 128, 0), BrushStyle::Solid};
        c.Rectangle(x - 3 * s, v - 3 * s, x + 3 * s, v + 3 * s);
        c.brush.Style = BrushStyle::Clear;
        c.TextOut(x - 18 * s, v - 18 * s, stage.Letter);
    }
}

void DrawPopulationGraph(Canvas& c, const SimulationState& st, bool linearScale, int s, const KeptCurves& kept)
{
    const int year = std::clamp(st.Year, 0, MaxYear);
    DrawFrame(c, st, linearScale, s);
    DrawTitlesAndDangerLines(c, linearScale, st.ZoomFactor, s);
    DrawKeptCurves(c, kept, linearScale, st.ZoomFactor, s);
    DrawCurve(c, st, linearScale, year, s);
    DrawStageMarkers(c, st, linearScale, s);
    c.font.Bold = false;
    c.font.Size = 10 * s;
    if (year > 0)
        c.MoveTo(YearToX(year - 1, s), PopulationToY(st, linearScale, year - 1, s));
}

} // namespace

int YearToX(int year, int s)
{
    return ToPixel((year / static_cast<double>(PlotFrame::YearsPerColumn) + PlotFrame::CurveColumnOfYear(0)) * s);
}

int PopulationToY(const SimulationState& st, bool linearScale, int year, int s)
{
    return PeopleToY(st.ExactPopHistory[std::clamp(year, 0, MaxYear)], linearScale, st.ZoomFactor, s);
}

int PeopleToY(double people, bool linearScale, int zoom, int s)
{
    if (linearScale)
        return ToPixel((PlotFrame::Axis - static_cast<double>(zoom) * people / PlotFrame::PeoplePerPixel) * s);
    if (people > 0)
        return ToPixel((PlotFrame::Axis - 20.0 * Log10(people)) * s);
    return 200 * s;
}

void DrawPopulationLine(Canvas& c, const double* people, int years, bool linearScale, int zoom, int s)
{
    const int x0 = YearToX(0, s), y0 = PeopleToY(people[0], linearScale, zoom, s);
    c.MoveTo(x0, y0);
    c.LineTo(x0, y0);
    for (int j = 0; j < years; ++j) {
        if (people[j] >= 0) // a negative year is skipped; the line runs on to the next one
            c.LineTo(YearToX(j, s), PeopleToY(people[j], linearScale, zoom, s));
    }
}

void ClearGraphImage(Canvas& c)
{
    c.pen = Pen{};
    c.brush = Brush{Rgb(255, 255, 255), BrushStyle::Solid};
    c.Rectangle(0, 0, c.Width(), c.Height());
}

void DrawGraph(Canvas& c, const SimulationState& st, bool linearScale, int s)
{
    DrawGraph(c, st, linearScale, s, KeptCurves());
}

void DrawGraph(Canvas& c, const SimulationState& st, bool linearScale, int s, const KeptCurves& kept)
{
    c.font.Face = "times new roman";
    c.font.Size = 10 * s;
    c.font.Bold = false;
    if (st.GraphMode >= GraphModeCode::Births && st.GraphMode <= GraphModeCode::Survival)
        DrawAgeGraph(c, st, linearScale, s);
    else
        DrawPopulationGraph(c, st, linearScale, s, kept);
    SetPen(c, CurveColor, 3 * s);
}

void ExtendCurve(Canvas& c, const SimulationState& st, bool linearScale)
{
    if (st.GraphMode != GraphModeCode::Population || st.Year < 0 || st.Year > MaxYear)
        return;
    const int year = st.Year;
    const int x = PlotFrame::CurveColumnOfYear(year);
    if (linearScale) {
        c.LineTo(x, ToPixel(PlotFrame::Axis - st.ZoomFactor * PlotFrame::PixelsPerPerson * st.ExactPopHistory[year]));
    } else if (st.PopHistory[year] > 0) {
        c.LineTo(x, PlotFrame::Axis - LogRise(st.ExactPopHistory[year]));
    } else if (year > 0 && st.PopHistory[year - 1] > 0) {
        c.LineTo(x, 180); // just died out: the curve drops below the image once
    }
}

void DrawBrowseMarker(Canvas& c, int year, int s)
{
    const Pen pen = c.pen;
    const Point position = c.Position();
    SetPen(c, BrowseMarkerColor, s);
    const int x = PlotFrame::ColumnOfYear(year) * s;
    Line(c, x, (PlotFrame::Top + 1) * s, x, PlotFrame::Axis * s);
    c.pen = pen;
    c.MoveTo(position.x, position.y);
}

int ZoomIn(int zoom)
{
    zoom = std::clamp(zoom, ZoomFactors.front(), ZoomFactors.back());
    const int next = std::to_string(zoom).front() == '2' ? (zoom * 5) / 2 : zoom * 2;
    return std::clamp(next, ZoomFactors.front(), ZoomFactors.back());
}

int ZoomOut(int zoom)
{
    zoom = std::clamp(zoom, ZoomFactors.front(), ZoomFactors.back());
    const int next = std::to_string(zoom).front() == '5' ? (zoom * 2) / 5 : zoom / 2;
    return std::clamp(next, ZoomFactors.front(), ZoomFactors.back());
}

int OverpopulationZoneHeight(bool linearScale, int zoom)
{
    if (!linearScale)
        return 10;
    return zoom == 1 ? 20 : 0;
}

HintZoneGeometry ZonesAfterScaleClick(bool linearScale, int zoom, int stableLevel)
{
    if (!linearScale)
        return {PlotFrame::Axis - 1 - LogRise(Underpopulation), LogRise(Underpopulation),
                PlotFrame::Axis - 1 - LogRise(stableLevel)};
    const int d50 = LinearRise(zoom, Underpopulation);
    return {PlotFrame::Axis - d50, d50, PlotFrame::Axis - LinearRise(zoom, stableLevel)};
}

HintZoneGeometry ZonesAfterZoomOrReset(int zoom, int stableLevel)
{
    const int d50 = LinearRise(zoom, Underpopulation);
    return {PlotFrame::Axis - d50, d50, PlotFrame::Axis - 1 - LinearRise(zoom, stableLevel)};
}

int EquilibriumZoneTop(bool linearScale, int zoom, int stableLevel)
{
    return PlotFrame::Axis - 1 - (linearScale ? LinearRise(zoom, stableLevel) : LogRise(stableLevel));
}

} // namespace vartel
