#pragma once
// Records drawing into an Enhanced Metafile at 96 dpi. A Clear pen or brush is the stock null object.
#include "output/MetafileRecorder.h"

#include <cstdint>

namespace vartel {

class EmfCanvas : public MetafileRecorder {
public:
    EmfCanvas(int width, int height);

private:
    std::uint32_t CreatePen(const Pen& wanted) override;
    std::uint32_t CreateBrush(const Brush& wanted) override;
    std::uint32_t CreateFont(const Font& wanted) override;
    void WriteValue(ValueRecord record, std::uint32_t value) override;
    void WriteRectangle(int left, int top, int right, int bottom) override;
    void WriteMoveTo(Point to) override;
    void WriteLineTo(Point to) override;
    void WriteText(int x, int y, const std::string& text, const std::u16string& units) override;
    LittleEndianBuffer FileHeader() const override;
    void AppendEndOfFile(LittleEndianBuffer& file) const override;

    void Emit(std::uint32_t type, const LittleEndianBuffer& params);
    void EmitWord(std::uint32_t type, std::uint32_t value);
    void EmitPoint(std::uint32_t type, Point point);

    std::uint32_t recordCount_ = 0;
};

} // namespace vartel
