#pragma once
// A canvas that draws nothing and logs every call with the state it was made in, for geometry tests.
#include "views/Canvas.h"

#include <string>
#include <vector>

namespace vartel::test {

struct CanvasCall {
    enum Kind { Rectangle, MoveTo, LineTo, TextOut } kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // LineTo: from (x1, y1) to (x2, y2)
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
};

class RecordingCanvas final : public Canvas {
public:
    // Fixed metrics: 5 pixels per character, 12 high.
    static constexpr int CharWidth = 5;
    static constexpr int LineHeight = 12;

    std::vector<CanvasCall> calls;

    int Width() const override { return 847; }
    int Height() const override { return 162; }
    void Rectangle(int x1, int y1, int x2, int y2) override { Log(CanvasCall::Rectangle, x1, y1, x2, y2); }
    void MoveTo(int x, int y) override
    {
        Log(CanvasCall::MoveTo, x, y, x, y);
        position_ = {x, y};
    }
    void LineTo(int x, int y) override
    {
        Log(CanvasCall::LineTo, position_.x, position_.y, x, y);
        position_ = {x, y};
    }
    void TextOut(int x, int y, const std::string& text) override
    {
        Log(CanvasCall::TextOut, x, y, x, y);
        calls.back().text = text;
    }
    int TextWidth(const std::string& text) override { return CharWidth * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) override { return LineHeight; }

    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const
    {
        std::vector<CanvasCall> result;
        for (const CanvasCall& call : calls)
            if (call.kind == kind)
                result.push_back(call);
        return result;
    }
    const CanvasCall* Text(const std::string& text) const
    {
        for (const CanvasCall& call : calls)
            if (call.kind == CanvasCall::TextOut && call.text == text)
                return &call;
        return nullptr;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> result;
        for (const CanvasCall& call : Of(CanvasCall::TextOut))
            result.push_back(call.text);
        return result;
    }

private:
    void Log(CanvasCall::Kind kind, int x1, int y1, int x2, int y2)
    {
        calls.push_back({kind, x1, y1, x2, y2, {}, pen, brush, font});
    }
};

} // namespace vartel::test
