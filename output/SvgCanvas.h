#pragma once
// The canvas as SVG text, written directly: aliased shapes on the same pixel grid as the screen canvas, and
// text placed top-left with the screen's font metrics. Each change of pen, brush or font opens a new group
// holding its attributes, so the shapes themselves carry only their geometry.
#include "views/Canvas.h"

#include <string>

namespace vartel {

class SvgCanvas : public Canvas {
public:
    SvgCanvas(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // The whole document: one SVG unit per pixel, the size in pixels.
    std::string FileBytes() const;

private:
    std::string StrokeAttributes() const;
    // Appends `element` inside a group with `attributes`, opening a new group only when they change.
    void Draw(const std::string& attributes, const std::string& element);

    int width_;
    int height_;
    std::string body_;
    std::string groupAttributes_;
};

} // namespace vartel
