#include "output/SvgCanvas.h"

#include "output/MetafileState.h"
#include "output/ScreenFonts.h"
#include "views/FontFaces.h"
#include "views/TextMetrics.h"

#include <algorithm>
#include <cstdio>

namespace vartel {

namespace {

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string ColourOf(Color c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string FillAttributes(const Brush& brush)
{
    return brush.Style == BrushStyle::Solid ? "fill=\"" + ColourOf(brush.Color) + "\" fill-opacity=\"1\""
                                            : std::string("fill=\"none\"");
}

std::string FontAttributes(const Font& font)
{
    return "font-family=\"" + Escaped(ScreenFamilyFor(font.Face)) + "\" font-size=\"" +
           std::to_string(PixelSizeOf(font)) + "\" font-weight=\"" + (font.Bold ? "700" : "400") +
           "\" font-style=\"normal\"";
}

std::string RectangleElement(double x, double y, double width, double height)
{
    return "<rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(width) + "\" height=\"" +
           Number(height) + "\"/>\n";
}

} // namespace

SvgCanvas::SvgCanvas(int width, int height) : width_(std::max(1, width)), height_(std::max(1, height)) {}

std::string SvgCanvas::StrokeAttributes() const
{
    const int width = EffectivePenWidth(pen);
    std::string attributes = "stroke=\"" + ColourOf(pen.Color) + "\" stroke-opacity=\"1\"";
    if (pen.Style == PenStyle::Dot) {
        // 3 on, 3 off for a 1-pixel pen; round dots every two widths for a wide one.
        attributes += width > 1 ? " stroke-dasharray=\"" + Number(0.001 * width) + "," + Number(2.0 * width) + "\""
                                : std::string(" stroke-dasharray=\"3,3\"");
        attributes += " stroke-dashoffset=\"0\"";
    }
    attributes += " stroke-width=\"" + std::to_string(width) + "\"";
    // Wide pens have round ends and corners like the screen's; a 1-pixel line stops at its last pixel and
    // an outline of 1 pixel has square corners.
    attributes += width > 1 ? " stroke-linecap=\"round\" stroke-linejoin=\"round\""
                            : " stroke-linecap=\"butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"2\"";
    return attributes;
}

void SvgCanvas::Draw(const std::string& attributes, const std::string& element)
{
    if (attributes != groupAttributes_) {
        if (!groupAttributes_.empty())
            body_ += "</g>\n";
        body_ += "\n<g " + attributes + ">\n";
        groupAttributes_ = attributes;
    }
    body_ += element;
}

void SvgCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (pen.Style == PenStyle::Clear) {
        // Without an outline the fill is one pixel narrower and lower, as on the screen.
        if (brush.Style == BrushStyle::Solid && right - left > 1 && bottom - top > 1)
            Draw(FillAttributes(brush) + " stroke=\"none\"",
                 RectangleElement(left, top, right - left - 1, bottom - top - 1));
        return;
    }
    if (right == left || bottom == top)
        return;
    // The outline runs through the centres of the first and last pixel rows and columns.
    Draw(FillAttributes(brush) + " " + StrokeAttributes(),
         RectangleElement(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void SvgCanvas::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void SvgCanvas::LineTo(int x, int y)
{
    // A line to where it starts draws nothing, as Qt's SVG writer left it out.
    if (pen.Style != PenStyle::Clear && (x != position_.x || y != position_.y))
        Draw("fill=\"none\" " + StrokeAttributes(), "<polyline fill=\"none\" points=\"" + Number(position_.x + 0.5) +
                                                        "," + Number(position_.y + 0.5) + " " + Number(x + 0.5) + "," +
                                                        Number(y + 0.5) + "\"/>\n");
    position_ = {x, y};
}

void SvgCanvas::TextOut(int x, int y, const std::string& text)
{
    if (text.empty())
        return;
    if (brush.Style == BrushStyle::Solid)
        Draw(FillAttributes(brush) + " stroke=\"none\"", RectangleElement(x, y, TextWidth(text), TextHeight(text)));
    const std::string colour = ColourOf(font.Color);
    Draw("fill=\"" + colour + "\" fill-opacity=\"1\" stroke=\"none\" " + FontAttributes(font),
         "<text xml:space=\"preserve\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y + FontAscent(font)) +
             "\">" + Escaped(text) + "</text>\n");
}

int SvgCanvas::TextWidth(const std::string& text)
{
    return TextWidthOf(font, text);
}

int SvgCanvas::TextHeight(const std::string& text)
{
    return TextHeightOf(font, text);
}

std::string SvgCanvas::FileBytes() const
{
    const std::string w = std::to_string(width_), h = std::to_string(height_);
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                           "<svg width=\"" +
                           w + "\" height=\"" + h + "\"\n viewBox=\"0 0 " + w + " " + h +
                           "\"\n xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                           " version=\"1.2\" baseProfile=\"tiny\">\n"
                           "<title>Vartel</title>\n"
                           "<g fill=\"none\" stroke=\"black\" stroke-width=\"1\" fill-rule=\"evenodd\" "
                           "stroke-linecap=\"square\" stroke-linejoin=\"bevel\" >\n";
    document += body_;
    if (!groupAttributes_.empty())
        document += "</g>\n";
    document += "</g>\n</svg>\n";
    return document;
}

} // namespace vartel
