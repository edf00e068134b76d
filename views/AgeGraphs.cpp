#include "views/AgeGraphs.h"

#include "model/Codes.h"
#include "model/math/PortableMath.h"
#include "views/GraphView.h"
#include "views/Labels.h"

#include <string>

namespace vartel {

namespace {

struct AgeGraphStyle {
    Color Background, Plot, Grid, Axes, Curve;
    const char* Title;
    const char* Subtitle; // nullptr: none
    Point SubtitleAt;
};

const AgeGraphStyle& StyleOf(int mode)
{
    static const AgeGraphStyle births{Rgb(221, 255, 221), Rgb(238, 255, 238), Rgb(136, 204, 136), Rgb(51, 136, 51),
                                      Rgb(0, 68, 0),      "Births per annum", "per 1000 women",   {26, 38}};
    static const AgeGraphStyle mortality{
        Rgb(224, 238, 238), Rgb(240, 246, 246),    Rgb(136, 136, 136),     Rgb(102, 102, 102),
        Rgb(0, 0, 0),       "Mortality per annum", "per 1000 inhabitants", {14, 38}};
    static const AgeGraphStyle survival{Rgb(204, 255, 255),
                                        Rgb(238, 255, 255),
                                        Rgb(136, 204, 204),
                                        Rgb(51, 136, 136),
                                        Rgb(0, 68, 68),
                                        "Chance of survival",
                                        nullptr,
                                        {0, 0}};
    return mode == GraphModeCode::Births ? births : mode == GraphModeCode::Mortality ? mortality : survival;
}

// The value label of grid level i (at 120 - 25i), or empty when the level has none.
std::string ValueLabel(int mode, bool linearScale, int i)
{
    if (mode == GraphModeCode::Births)
        return std::to_string(100 * i);
    if (mode == GraphModeCode::Survival)
        return std::to_string(25 * i) + "%";
    if (linearScale)
        return std::to_string(250 * i);
    static const char* const decades[] = {"0.1", "1", "10", "100", "1000"};
    return decades[i];
}

// The curve's y at age k in final pixels.
int CurveY(const SimulationState& st, int mode, bool linearScale, int k, int s)
{
    switch (mode) {
    case GraphModeCode::Births:
        if (k == 0) // the start point is rounded before scaling
            return (120 - ToPixel(250.0 * st.BirthIndex * st.FertilityByAge[0])) * s;
        return ToPixel((120.0 - 250.0 * st.BirthIndex * st.FertilityByAge[k]) * s);
    case GraphModeCode::Mortality:
        if (linearScale)
            return ToPixel((120.0 - 100.0 * st.MortalityByAge[k]) * s);
        // 25 pixels per factor ten, 1 per 1000 at y = 95; a rate of 0 or less falls off the bottom.
        return ToPixel((95.0 - 25.0 / math::Log(10.0) * math::Log(1000.0 * st.MortalityByAge[k])) * s);
    default:
        if (k == 0)
            return (120 - ToPixel(100.0 * st.SurvivalByAge[0])) * s;
        return ToPixel((120.0 - 100.0 * st.SurvivalByAge[k]) * s);
    }
}

} // namespace

void DrawAgeGraph(Canvas& c, const SimulationState& st, bool linearScale, int s)
{
    const int mode = st.GraphMode;
    const AgeGraphStyle& style = StyleOf(mode);

    c.pen.Color = style.Background;
    c.brush = {style.Background, BrushStyle::Solid};
    c.Rectangle(0, 0, GraphWidth * s, GraphHeight * s);
    c.pen.Color = style.Plot;
    c.brush.Color = style.Plot;
    c.Rectangle(170 * s, 21 * s, 830 * s, 120 * s);

    c.pen.Color = style.Grid;
    c.pen.Width = s;
    c.brush.Style = BrushStyle::Clear;
    for (int i = mode == GraphModeCode::Mortality ? 1 : 0; i <= 4; ++i) {
        c.MoveTo(170 * s, (120 - 25 * i) * s);
        c.LineTo(830 * s, (120 - 25 * i) * s);
    }
    for (int i = 0; i <= 4; ++i)
        TextRightAligned(c, 165 * s, (120 - 25 * i) * s, ValueLabel(mode, linearScale, i));
    for (int i = 0; i <= 22; ++i) {
        c.MoveTo((170 + 30 * i) * s, 120 * s);
        c.LineTo((170 + 30 * i) * s, 20 * s);
        if (i % 2 == 0 && 5 * i < 109)
            TextCentred(c, (170 + 30 * i) * s, 122 * s, std::to_string(5 * i));
    }

    c.pen.Color = style.Axes;
    c.MoveTo(170 * s, 20 * s);
    c.LineTo(170 * s, 120 * s);
    c.LineTo((mode == GraphModeCode::Mortality ? 830 : 824) * s, 120 * s);

    c.pen.Color = style.Curve;
    c.pen.Width = 2 * s;
    c.MoveTo(170 * s, CurveY(st, mode, linearScale, 0, s));
    for (int k = 1; k < AgeCount; ++k)
        c.LineTo((170 + 6 * k) * s, CurveY(st, mode, linearScale, k, s));
    if (mode != 3)
        c.LineTo(830 * s, 120 * s); // back down to the axis

    c.font.Bold = true;
    c.TextOut(20 * s, 20 * s, style.Title);
    c.TextOut(720 * s, 142 * s, "Age");
    c.font.Bold = false;
    if (style.Subtitle)
        c.TextOut(style.SubtitleAt.x * s, style.SubtitleAt.y * s, style.Subtitle);
}

} // namespace vartel
