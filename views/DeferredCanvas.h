#pragma once
// A canvas that keeps the calls made on it and plays them on its target later, in the same order and with
// the same pen, brush and font, so the target ends up exactly as if it had been drawn on directly. Text is
// measured by the target. For a picture that is only read now and then, like the 1x graph behind a dense
// screen: it is drawn when it is read instead of every year.
//
// A call whose pixels a later filled rectangle paints over entirely is forgotten when that rectangle comes:
// every call sets its pixels without reading them, so what it drew cannot show. A view drawn anew on its
// background thus keeps only its newest drawing waiting.
#include "views/Canvas.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vartel {

class DeferredCanvas final : public Canvas {
public:
    // Starts from the target's pen, brush, font and position.
    explicit DeferredCanvas(Canvas& target);

    int Width() const override { return target_.Width(); }
    int Height() const override { return target_.Height(); }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // The calls kept so far.
    std::size_t Size() const { return calls_.size(); }
    // Draws the kept calls on the target and forgets them; the target takes this canvas's state.
    void Play();

private:
    struct Tools {
        vartel::Pen Pen;
        vartel::Brush Brush;
        vartel::Font Font;
        bool operator==(const Tools&) const = default;
    };
    // Pixels, edges included; wide enough for any coordinates.
    struct Box {
        std::int64_t Left, Top, Right, Bottom;
        bool Contains(const Box& other) const;
    };
    enum class Kind { Rectangle, LineTo, TextOut };
    struct Call {
        DeferredCanvas::Kind Kind;
        int X1, Y1, X2, Y2;  // LineTo: from (X1, Y1) to (X2, Y2)
        std::size_t ToolsAt; // into tools_
        std::string Text;
        Box Reach; // at least every pixel the call may set
    };

    void Keep(Call call);
    void ForgetCoveredBy(const Box& cover);
    void ForgetTextsDrawnAgain();
    void ForgetUnusedTools();

    template <typename Measure> int Measured(Measure measure);

    Canvas& target_;
    std::vector<Call> calls_;
    std::vector<Tools> tools_; // the calls' pens, brushes and fonts, kept anew only when they change
};

} // namespace vartel
