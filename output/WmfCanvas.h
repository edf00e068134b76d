#pragma once
// Records drawing into a placeable 16-bit Windows Metafile at 96 units per inch, one unit per pixel.
// Objects are created only when a drawing call needs a state that differs from the one selected, and the
// object they replace is deleted, so the object table stays small. Coordinates beyond the 16-bit range are
// cut to it, keeping the visible part of every line.
#include "output/LittleEndianBuffer.h"
#include "views/Canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vartel {

class WmfCanvas : public Canvas {
public:
    WmfCanvas(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // The complete file: placeable header, metafile header, the records so far and META_EOF.
    std::string FileBytes() const;

private:
    // `params` are 16-bit words, already in the stored (reversed) order.
    void Emit(std::uint16_t function, const LittleEndianBuffer& params);
    void EmitWords(std::uint16_t function, std::initializer_list<std::int32_t> words);
    void EmitColor(std::uint16_t function, Color color);
    void SelectPen(const Pen& wanted);
    void SelectBrush();
    void SelectFont();
    void SetBackgroundForText();
    void SetBkMode(std::uint16_t mode);
    void Replace(std::optional<std::uint16_t>& selected, std::uint16_t object);
    std::uint16_t AllocateObject();
    void DrawSegment(Point from, Point to);
    void DrawWideDots(Point from, Point to);

    int width_;
    int height_;
    LittleEndianBuffer records_;
    std::uint32_t largestRecord_ = 3; // META_EOF
    std::vector<bool> objectInUse_;
    std::optional<std::uint16_t> selectedPen_;
    std::optional<std::uint16_t> selectedBrush_;
    std::optional<std::uint16_t> selectedFont_;
    std::optional<Pen> recordedPen_;
    std::optional<Brush> recordedBrush_;
    std::optional<Font> recordedFont_;
    std::optional<Color> textColor_;
    std::optional<Color> bkColor_;
    std::optional<std::uint16_t> bkMode_;
    std::optional<Point> recordedPosition_;
    bool textAlignSet_ = false;
};

} // namespace vartel
