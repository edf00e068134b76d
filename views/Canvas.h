#pragma once
// The drawing surface of the views: a raster image on screen, a metafile or SVG when a view is saved.
// Pen, brush, font and current position persist between calls.
#include "model/Color.h"

#include <compare>

#include <string>
#include <tuple>

namespace vartel {

enum class PenStyle { Solid, Dot, Clear }; // Dot: dotted with transparent gaps; Clear: no outline
enum class BrushStyle { Solid, Clear };    // Clear: no fill, transparent text background

// Members named like the record's, qualified where a member shares its type's name. Compared member by
// member (ordered too, for keeping them in sets).
struct Pen {
    vartel::Color Color = Rgb(0, 0, 0);
    int Width = 1; // pixels
    PenStyle Style = PenStyle::Solid;
    auto operator<=>(const Pen&) const = default;
};

struct Brush {
    vartel::Color Color = Rgb(255, 255, 255);
    BrushStyle Style = BrushStyle::Solid;
    auto operator<=>(const Brush&) const = default;
};

struct Font {
    std::string Face = "MS Sans Serif";
    int Size = 8; // points at 96 dpi
    bool Bold = false;
    vartel::Color Color = Rgb(0, 0, 0);
    bool operator==(const Font&) const = default;
    // Written out: the browser's C++ library cannot default a three-way comparison of strings.
    bool operator<(const Font& other) const
    {
        return std::tie(Face, Size, Bold, Color) < std::tie(other.Face, other.Size, other.Bold, other.Color);
    }
};

struct Point {
    int x = 0;
    int y = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    Pen pen;
    Brush brush;
    Font font;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Outline with the pen, fill with the brush; right and bottom edges excluded. With a Clear pen the
    // fill is one pixel narrower and lower. Swapped corners are normalised. Does not move the position.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // From the current position to (x, y) without the end point, which becomes the current position.
    virtual void LineTo(int x, int y) = 0;
    // Top-left corner at (x, y); on the brush colour when the brush is solid, transparent otherwise.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    Point Position() const { return position_; }

protected:
    Point position_;
};

} // namespace vartel
