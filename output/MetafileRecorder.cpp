#include "output/MetafileRecorder.h"

#include "output/MetafileState.h"
#include "output/Utf16Text.h"
#include "views/TextMetrics.h"

#include <algorithm>

namespace vartel {

namespace {

constexpr std::uint32_t Transparent = 1; // background modes, the same in both formats
constexpr std::uint32_t Opaque = 2;

} // namespace

MetafileRecorder::MetafileRecorder(int width, int height, std::size_t firstObject)
    : width_(width), height_(height), objectInUse_(firstObject, true)
{
}

std::uint32_t MetafileRecorder::NewObject()
{
    const auto freeEntry = std::find(objectInUse_.begin(), objectInUse_.end(), false);
    const auto index = static_cast<std::uint32_t>(freeEntry - objectInUse_.begin());
    if (freeEntry == objectInUse_.end())
        objectInUse_.push_back(true);
    else
        *freeEntry = true;
    return index;
}

void MetafileRecorder::Replace(std::optional<std::uint32_t>& selected, std::uint32_t object)
{
    WriteValue(ValueRecord::SelectObject, object);
    if (selected && *selected < objectInUse_.size()) {
        WriteValue(ValueRecord::DeleteObject, *selected);
        objectInUse_[*selected] = false;
    }
    selected = object;
}

void MetafileRecorder::SelectPen(const Pen& wanted)
{
    if (recordedPen_ && SameMetafilePen(*recordedPen_, wanted))
        return;
    recordedPen_ = wanted;
    Replace(selectedPen_, CreatePen(wanted));
}

void MetafileRecorder::SelectBrush()
{
    if (recordedBrush_ && SameMetafileBrush(*recordedBrush_, brush))
        return;
    recordedBrush_ = brush;
    Replace(selectedBrush_, CreateBrush(brush));
}

void MetafileRecorder::SelectFont()
{
    if (!recordedFont_ || !SameMetafileFont(*recordedFont_, font)) {
        recordedFont_ = font;
        Replace(selectedFont_, CreateFont(font));
    }
    if (textColor_ != font.Color) {
        textColor_ = font.Color;
        WriteValue(ValueRecord::TextColor, font.Color);
    }
    if (!textAlignSet_) {
        textAlignSet_ = true;
        WriteValue(ValueRecord::TextAlign, 0); // top-left reference, position not updated
    }
}

void MetafileRecorder::SetBkMode(std::uint32_t mode)
{
    if (bkMode_ != mode) {
        bkMode_ = mode;
        WriteValue(ValueRecord::BkMode, mode);
    }
}

void MetafileRecorder::SetBackgroundForText()
{
    if (brush.Style == BrushStyle::Clear) {
        SetBkMode(Transparent);
        return;
    }
    SetBkMode(Opaque);
    if (bkColor_ != brush.Color) {
        bkColor_ = brush.Color;
        WriteValue(ValueRecord::BkColor, brush.Color);
    }
}

void MetafileRecorder::SetDottedGapsTransparent()
{
    // The gaps of a dotted pen are transparent on every canvas of the program.
    if (pen.Style == PenStyle::Dot)
        SetBkMode(Transparent);
}

void MetafileRecorder::Rectangle(int x1, int y1, int x2, int y2)
{
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    // What the screen leaves out is not recorded either: players draw a rectangle of no width or no height
    // as a line of the pen, and without a pen the fill is one pixel narrower and lower.
    const int least = pen.Style == PenStyle::Clear ? 1 : 0;
    if (std::int64_t{right} - left <= least || std::int64_t{bottom} - top <= least)
        return;
    if (pen.Style == PenStyle::Clear && brush.Style == BrushStyle::Clear)
        return;
    SelectPen(pen);
    SelectBrush();
    SetDottedGapsTransparent();
    WriteRectangle(left, top, right, bottom);
}

void MetafileRecorder::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void MetafileRecorder::LineTo(int x, int y)
{
    const Point to{x, y};
    if (pen.Style != PenStyle::Clear)
        StrokeLine(position_, to);
    position_ = to;
}

void MetafileRecorder::StrokeLine(Point from, Point to)
{
    SelectPen(pen);
    SetDottedGapsTransparent();
    DrawSegment(from, to);
}

void MetafileRecorder::DrawSegment(Point from, Point to)
{
    const auto part = VisiblePart(from, to);
    if (!part)
        return;
    if (!recordedPosition_ || recordedPosition_->x != part->first.x || recordedPosition_->y != part->first.y)
        WriteMoveTo(part->first);
    WriteLineTo(part->second);
    recordedPosition_ = part->second;
}

void MetafileRecorder::TextOut(int x, int y, const std::string& text)
{
    const std::u16string units = Utf16Of(text);
    if (units.empty())
        return;
    SelectFont();
    SetBackgroundForText();
    WriteText(x, y, text, units);
}

int MetafileRecorder::TextWidth(const std::string& text)
{
    return TextWidthOf(font, text);
}

int MetafileRecorder::TextHeight(const std::string& text)
{
    return TextHeightOf(font, text);
}

std::string MetafileRecorder::FileBytes() const
{
    LittleEndianBuffer file = FileHeader();
    file.Append(records_.Bytes());
    AppendEndOfFile(file);
    return file.Bytes();
}

} // namespace vartel
