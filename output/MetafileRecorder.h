#pragma once
// What the EMF and WMF recorders share: one logical unit per pixel, and the drawing state as the file has
// it selected. Pens, brushes and fonts are created only when a drawing call needs a state that differs
// from the one selected, and the object they replace is deleted, so the object table stays small. The
// formats supply the records through the hooks below.
#include "output/LittleEndianBuffer.h"
#include "views/Canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vartel {

class MetafileRecorder : public Canvas {
public:
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // The complete file: the format's header, the records so far and its end-of-file record.
    std::string FileBytes() const;

protected:
    // Records that carry a single value; the same in both formats but for their encoding.
    enum class ValueRecord { SelectObject, DeleteObject, BkMode, BkColor, TextColor, TextAlign };

    // `firstObject`: table entries the format keeps for itself.
    MetafileRecorder(int width, int height, std::size_t firstObject);

    // The lowest free entry of the object table.
    std::uint32_t NewObject();
    // The table size: at least the number of objects alive at any one time.
    std::size_t ObjectTableSize() const { return objectInUse_.size(); }
    LittleEndianBuffer& Records() { return records_; }
    std::size_t RecordBytes() const { return records_.Size(); }

    void SelectPen(const Pen& wanted);
    // Strokes from `from` to `to` with the canvas pen, leaving out the end point; the pen is not Clear.
    virtual void StrokeLine(Point from, Point to);
    // One segment with the selected pen, moving there first unless the last line ended at `from`.
    void DrawSegment(Point from, Point to);

private:
    // Each writes its create record and returns the object to select, or a stock object without a record.
    virtual std::uint32_t CreatePen(const Pen& wanted) = 0;
    virtual std::uint32_t CreateBrush(const Brush& wanted) = 0;
    virtual std::uint32_t CreateFont(const Font& wanted) = 0;
    virtual void WriteValue(ValueRecord record, std::uint32_t value) = 0;
    virtual void WriteRectangle(int left, int top, int right, int bottom) = 0;
    virtual void WriteMoveTo(Point to) = 0;
    virtual void WriteLineTo(Point to) = 0;
    // `units` is `text` in UTF-16, never empty; the font and background are selected.
    virtual void WriteText(int x, int y, const std::string& text, const std::u16string& units) = 0;
    // The part of a segment the format can hold, or nothing.
    virtual std::optional<std::pair<Point, Point>> VisiblePart(Point from, Point to) const
    {
        return std::pair{from, to};
    }
    virtual LittleEndianBuffer FileHeader() const = 0;
    virtual void AppendEndOfFile(LittleEndianBuffer& file) const = 0;

    void SelectBrush();
    void SelectFont();
    void SetBkMode(std::uint32_t mode);
    void SetBackgroundForText();
    void SetDottedGapsTransparent();
    // Selects `object` in place of `selected` and deletes the one it replaces. Stock objects lie beyond the
    // table, so they are never deleted.
    void Replace(std::optional<std::uint32_t>& selected, std::uint32_t object);

    int width_;
    int height_;
    LittleEndianBuffer records_;
    std::vector<bool> objectInUse_;
    std::optional<std::uint32_t> selectedPen_;
    std::optional<std::uint32_t> selectedBrush_;
    std::optional<std::uint32_t> selectedFont_;
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
