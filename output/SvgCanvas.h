#pragma once
// The canvas on a QPainter, for the SVG picture: aliased shapes on the same pixel grid as the screen
// canvas, and text placed top-left with the screen's font metrics.
#include "views/Canvas.h"

#include <QPainter>
#include <string>

namespace vartel {

class SvgCanvas : public Canvas {
public:
    // `painter` must be active on the target and outlive the canvas.
    SvgCanvas(QPainter& painter, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

private:
    QPen CurrentPen() const;

    QPainter& painter_;
    int width_;
    int height_;
};

} // namespace vartel
