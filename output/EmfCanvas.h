#pragma once
// Records drawing into an Enhanced Metafile at 96 dpi, one logical unit per pixel. Pens, brushes and fonts
// are created only when a drawing call needs a state that differs from the one selected, and the object
// they replace is deleted, so the object table stays small.
#include "output/LittleEndianBuffer.h"
#include "views/Canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vartel {

class EmfCanvas : public Canvas {
public:
    EmfCanvas(int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // The complete file: header, the records so far and the end-of-file record.
    std::string FileBytes() const;

private:
    void Emit(std::uint32_t type, const LittleEndianBuffer& params);
    void EmitWord(std::uint32_t type, std::uint32_t value);
    void SelectPen();
    void SelectBrush();
    void SelectFont();
    void SetBackgroundForText();
    void SetBackgroundTransparent();
    void SetBkMode(std::uint32_t mode);
    // Selects `object` in place of `selected` and deletes the one it replaces unless that was a stock object.
    void Replace(std::uint32_t& selected, std::uint32_t object);
    std::uint32_t AllocateHandle();

    int width_;
    int height_;
    LittleEndianBuffer records_;
    std::uint32_t recordCount_ = 0;
    std::vector<bool> handleInUse_; // index 0 is the metafile itself
    std::uint32_t selectedPen_ = 0; // 0: nothing selected yet
    std::uint32_t selectedBrush_ = 0;
    std::uint32_t selectedFont_ = 0;
    std::optional<Pen> recordedPen_;
    std::optional<Brush> recordedBrush_;
    std::optional<Font> recordedFont_;
    std::optional<Color> textColor_;
    std::optional<Color> bkColor_;
    std::optional<std::uint32_t> bkMode_;
    std::optional<Point> recordedPosition_;
    bool textAlignSet_ = false;
};

} // namespace vartel
