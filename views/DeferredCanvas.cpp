#include "views/DeferredCanvas.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace vartel {
namespace {

using i64 = std::int64_t;

// How far a pen's pixels may lie from the line it draws.
i64 PenReach(const Pen& pen)
{
    return pen.Style == PenStyle::Clear ? 0 : std::max(pen.Width, 1) / 2 + 1;
}

} // namespace

bool DeferredCanvas::Box::Contains(const Box& other) const
{
    if (other.Left > other.Right || other.Top > other.Bottom)
        return true; // nothing
    return Left <= other.Left && Top <= other.Top && other.Right <= Right && other.Bottom <= Bottom;
}

DeferredCanvas::DeferredCanvas(Canvas& target) : target_(target)
{
    pen = target.pen;
    brush = target.brush;
    font = target.font;
    position_ = target.Position();
}

void DeferredCanvas::Keep(Call call)
{
    if (const Tools now{pen, brush, font}; tools_.empty() || tools_.back() != now)
        tools_.push_back(now);
    call.ToolsAt = tools_.size() - 1;
    // No call sets a pixel outside the picture.
    call.Reach = {std::max<i64>(call.Reach.Left, 0), std::max<i64>(call.Reach.Top, 0),
                  std::min<i64>(call.Reach.Right, Width() - 1), std::min<i64>(call.Reach.Bottom, Height() - 1)};
    calls_.push_back(std::move(call));
}

void DeferredCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const i64 left = std::min(x1, x2), right = std::max(x1, x2);
    const i64 top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (brush.Style == BrushStyle::Solid && right - left > 2 && bottom - top > 2) {
        // What the rectangle paints for certain: the fill, and the outline of a pen without gaps.
        const bool gaps = pen.Style == PenStyle::Dot && pen.Width <= 1;
        const Box cover = pen.Style == PenStyle::Clear ? Box{left, top, right - 2, bottom - 2}
                          : gaps                       ? Box{left + 1, top + 1, right - 2, bottom - 2}
                                                       : Box{left, top, right - 1, bottom - 1};
        // Only a large one is worth the look through the calls.
        if (4 * (cover.Right - cover.Left) >= Width() && 4 * (cover.Bottom - cover.Top) >= Height())
            ForgetCoveredBy(cover);
    }
    // Without a pen only the fill, one pixel narrower and lower; with one the outline around it.
    const i64 reach = PenReach(pen);
    const Box box = pen.Style == PenStyle::Clear
                        ? Box{left, top, right - 2, bottom - 2}
                        : Box{left - reach, top - reach, right - 1 + reach, bottom - 1 + reach};
    Keep({Kind::Rectangle, x1, y1, x2, y2, 0, {}, box});
}

void DeferredCanvas::ForgetCoveredBy(const Box& cover)
{
    std::erase_if(calls_, [&](const Call& call) { return cover.Contains(call.Reach); });
    ForgetTextsDrawnAgain();
    ForgetUnusedTools();
}

void DeferredCanvas::ForgetTextsDrawnAgain()
{
    // A text drawn again later, the same at the same place with the same brush and font, sets the same
    // pixels again: the earlier one cannot show either. So the labels by the picture's edges, which no
    // background covers, are kept once.
    using TextKey = std::tuple<int, int, const std::string&, const Brush&, const Font&>;
    const auto keyOf = [this](const Call& call) {
        const Tools& t = tools_[call.ToolsAt];
        return TextKey{call.X1, call.Y1, call.Text, t.Brush, t.Font};
    };
    std::set<TextKey> later;
    std::vector<bool> drawnAgain(calls_.size(), false);
    for (std::size_t i = calls_.size(); i-- > 0;)
        if (calls_[i].Kind == Kind::TextOut)
            drawnAgain[i] = !later.insert(keyOf(calls_[i])).second;
    later.clear(); // it refers to the calls about to move
    std::size_t kept = 0;
    for (std::size_t i = 0; i < calls_.size(); ++i) {
        if (drawnAgain[i])
            continue;
        if (kept != i)
            calls_[kept] = std::move(calls_[i]);
        ++kept;
    }
    calls_.resize(kept);
}

void DeferredCanvas::ForgetUnusedTools()
{
    std::vector<Tools> used; // the calls' tools come in their order, each kept once in a row
    std::size_t last = tools_.size();
    for (Call& call : calls_) {
        if (call.ToolsAt != last) {
            last = call.ToolsAt;
            used.push_back(tools_[last]);
        }
        call.ToolsAt = used.size() - 1;
    }
    tools_ = std::move(used);
}

void DeferredCanvas::MoveTo(int x, int y)
{
    position_ = {x, y}; // a line keeps where it starts, so moving draws nothing to keep
}

void DeferredCanvas::LineTo(int x, int y)
{
    const i64 reach = PenReach(pen);
    const Box box{std::min<i64>(position_.x, x) - reach, std::min<i64>(position_.y, y) - reach,
                  std::max<i64>(position_.x, x) + reach, std::max<i64>(position_.y, y) + reach};
    Keep({Kind::LineTo, position_.x, position_.y, x, y, 0, {}, box});
    position_ = {x, y};
}

void DeferredCanvas::TextOut(int x, int y, const std::string& text)
{
    // Bounded without measuring: no letter is wider than two ems, and a line is below three.
    const i64 em = std::max(font.Size, 1) * 4 / 3 + 1;
    const i64 width = static_cast<i64>(text.size()) * 2 * em;
    Keep({Kind::TextOut, x, y, x, y, 0, text, {x - 3 * em, y - 3 * em, x + width + 3 * em, y + 6 * em}});
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
        case Kind::LineTo:
            target_.MoveTo(call.X1, call.Y1);
            target_.LineTo(call.X2, call.Y2);
            break;
        case Kind::TextOut:
            target_.TextOut(call.X1, call.Y1, call.Text);
            break;
        }
    }
    calls_.clear();
    tools_.clear();
    target_.pen = pen;
    target_.brush = brush;
    target_.font = font;
    target_.MoveTo(position_.x, position_.y);
}

} // namespace vartel
