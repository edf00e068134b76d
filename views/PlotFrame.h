#pragma once
// The population graph's plot area on the graph image, in pixels at scale 1: the drawing, the browsing of
// past years and the hint zones over the graph all place themselves by it.
namespace vartel {

struct PlotFrame {
    static constexpr int Left = 90;   // the population axis; year 0's column for browsing
    static constexpr int Right = 840; // the grid's right end; the danger strips reach one column further
    static constexpr int Axis = 146;  // the time axis: nobody on the linear scale, one person on the log scale
    static constexpr int Top = 6;     // the top of the plot on the logarithmic scale
    static constexpr int YearsPerColumn = 4;
    static constexpr double PeoplePerPixel = 25000.0; // on the linear scale at zoom 1
    static constexpr double PixelsPerPerson = 1.0 / PeoplePerPixel;

    // The year a column stands for when browsing: column Left is year 0, one column is four years.
    static constexpr int YearAtColumn(int x) { return (x - Left) * YearsPerColumn; }
    // The column a browsed year lies in.
    static constexpr int ColumnOfYear(int year) { return Left + year / YearsPerColumn; }
    // The column of a year's point on the growing curve of the screen, one right of the axis.
    static constexpr int CurveColumnOfYear(int year) { return ColumnOfYear(year) + 1; }
};

} // namespace vartel
