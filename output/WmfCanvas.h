#pragma once
// Records drawing into a placeable 16-bit Windows Metafile at 96 units per inch. Coordinates beyond the
// 16-bit range are cut to it, keeping the visible part of every line.
#include "output/MetafileRecorder.h"

#include <cstdint>
#include <initializer_list>

namespace vartel {

class WmfCanvas : public MetafileRecorder {
public:
    WmfCanvas(int width, int height);

private:
    std::uint32_t CreatePen(const Pen& wanted) override;
    std::uint32_t CreateBrush(const Brush& wanted) override;
    std::uint32_t CreateFont(const Font& wanted) override;
    void WriteValue(ValueRecord record, std::uint32_t value) override;
    void WriteRectangle(int left, int top, int right, int bottom) override;
    void WriteMoveTo(Point to) override;
    void WriteLineTo(Point to) override;
    void WriteText(int x, int y, const std::string& text, const std::u16string& units) override;
    std::optional<std::pair<Point, Point>> VisiblePart(Point from, Point to) const override;
    LittleEndianBuffer FileHeader() const override;
    void AppendEndOfFile(LittleEndianBuffer& file) const override;
    void StrokeLine(Point from, Point to) override;

    // `params` are 16-bit words, already in the stored (reversed) order.
    void Emit(std::uint16_t function, const LittleEndianBuffer& params);
    void EmitWords(std::uint16_t function, std::initializer_list<std::int32_t> words);
    void EmitColor(std::uint16_t function, Color color);
    void DrawWideDots(Point from, Point to);

    std::uint32_t largestRecord_ = 3; // META_EOF
};

} // namespace vartel
