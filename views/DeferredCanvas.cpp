#include "views/DeferredCanvas.h"

namespace vartel {
namespace {

bool operator==(const Pen& a, const Pen& b)
{
    return a.Color == b.Color && a.Width == b.Width && a.Style == b.Style;
}

bool operator==(const Brush& a, const Brush& b)
{
    return a.Color == b.Color && a.Style == b.Style;
}

bool operator==(const Font& a, const Font& b)
{
    return a.Size == b.Size && a.Bold == b.Bold && a.Color == b.Color && a.Face == b.Face;
}

} // namespace

DeferredCanvas::DeferredCanvas(Canvas& target) : target_(target)
{
    pen = target.pen;
    brush = target.brush;
    font = target.font;
    position_ = target.Position();
}

void DeferredCanvas::Keep(Kind kind, int x1, int y1, int x2, int y2, std::size_t text)
{
    if (tools_.empty() || !(tools_.back().Pen == pen) || !(tools_.back().Brush == brush) ||
        !(tools_.back().Font == font))
        tools_.push_back({pen, brush, font});
    calls_.push_back({kind, x1, y1, x2, y2, tools_.size() - 1, text});
}

void DeferredCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Keep(Kind::Rectangle, x1, y1, x2, y2);
}

void DeferredCanvas::MoveTo(int x, int y)
{
    Keep(Kind::MoveTo, x, y, x, y);
    position_ = {x, y};
}

void DeferredCanvas::LineTo(int x, int y)
{
    Keep(Kind::LineTo, x, y, x, y);
    position_ = {x, y};
}

void DeferredCanvas::TextOut(int x, int y, const std::string& text)
{
    texts_.push_back(text);
    Keep(Kind::TextOut, x, y, x, y, texts_.size() - 1);
}

// Measures with this canvas's font on the target, whose own font is left as it was.
template <typename Measure> int DeferredCanvas::Measured(Measure measure)
{
    const Font kept = target_.font;
    target_.font = font;
    const int result = measure();
    target_.font = kept;
    return result;
}

int DeferredCanvas::TextWidth(const std::string& text)
{
    return Measured([&] { return target_.TextWidth(text); });
}

int DeferredCanvas::TextHeight(const std::string& text)
{
    return Measured([&] { return target_.TextHeight(text); });
}

void DeferredCanvas::Play()
{
    std::size_t applied = tools_.size();
    for (const Call& call : calls_) {
        if (call.ToolsAt != applied) {
            applied = call.ToolsAt;
            target_.pen = tools_[applied].Pen;
            target_.brush = tools_[applied].Brush;
            target_.font = tools_[applied].Font;
        }
        switch (call.Kind) {
        case Kind::Rectangle:
            target_.Rectangle(call.X1, call.Y1, call.X2, call.Y2);
            break;
        case Kind::MoveTo:
            target_.MoveTo(call.X1, call.Y1);
            break;
        case Kind::LineTo:
            target_.LineTo(call.X1, call.Y1);
            break;
        case Kind::TextOut:
            target_.TextOut(call.X1, call.Y1, texts_[call.TextAt]);
            break;
        }
    }
    calls_.clear();
    tools_.clear();
    texts_.clear();
    target_.pen = pen;
    target_.brush = brush;
    target_.font = font;
    target_.MoveTo(position_.x, position_.y);
}

} // namespace vartel
