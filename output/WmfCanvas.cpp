#include "output/WmfCanvas.h"

#include "output/MetafileState.h"
#include "output/MetafileText.h"
#include "output/SegmentClip.h"
#include "output/Utf16Text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vartel {

namespace {

enum : std::uint16_t {
    META_EOF = 0x0000,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DELETEOBJECT = 0x01F0,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_RECTANGLE = 0x041B,
    META_EXTTEXTOUT = 0x0A32,
};

constexpr std::uint16_t PS_SOLID = 0;
constexpr std::uint16_t PS_DOT = 2;
constexpr std::uint16_t PS_NULL = 5;
constexpr std::uint16_t BS_SOLID = 0;
constexpr std::uint16_t BS_NULL = 1;
constexpr std::uint16_t MM_ANISOTROPIC = 8;
constexpr std::uint16_t UnitsPerInch = 96;
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::uint32_t HeaderWords = 9;
constexpr std::uint32_t EofWords = 3;

constexpr int MinCoordinate = std::numeric_limits<std::int16_t>::min();
constexpr int MaxCoordinate = std::numeric_limits<std::int16_t>::max();
constexpr ClipBox CoordinateRange{MinCoordinate, MinCoordinate, MaxCoordinate, MaxCoordinate};

std::int16_t Clamped(int v)
{
    return static_cast<std::int16_t>(std::clamp(v, MinCoordinate, MaxCoordinate));
}

} // namespace

WmfCanvas::WmfCanvas(int width, int height)
    : MetafileRecorder(std::clamp(width, 1, MaxCoordinate), std::clamp(height, 1, MaxCoordinate), 0)
{
    EmitWords(META_SETMAPMODE, {MM_ANISOTROPIC});
    EmitWords(META_SETWINDOWORG, {0, 0});
    EmitWords(META_SETWINDOWEXT, {Height(), Width()});
}

void WmfCanvas::Emit(std::uint16_t function, const LittleEndianBuffer& params)
{
    const auto words = static_cast<std::uint32_t>(3 + params.Size() / 2);
    LittleEndianBuffer& records = Records();
    records.U32(words);
    records.U16(function);
    records.Append(params.Bytes());
    largestRecord_ = std::max(largestRecord_, words);
}

void WmfCanvas::EmitWords(std::uint16_t function, std::initializer_list<std::int32_t> words)
{
    LittleEndianBuffer p;
    for (std::int32_t w : words)
        p.I16(Clamped(w));
    Emit(function, p);
}

void WmfCanvas::EmitColor(std::uint16_t function, Color color)
{
    LittleEndianBuffer p;
    p.U32(color);
    Emit(function, p);
}

void WmfCanvas::WriteValue(ValueRecord record, std::uint32_t value)
{
    const auto word = static_cast<std::int32_t>(value);
    switch (record) {
    case ValueRecord::SelectObject:
        return EmitWords(META_SELECTOBJECT, {word});
    case ValueRecord::DeleteObject:
        return EmitWords(META_DELETEOBJECT, {word});
    case ValueRecord::BkMode:
        return EmitWords(META_SETBKMODE, {word});
    case ValueRecord::TextAlign:
        return EmitWords(META_SETTEXTALIGN, {word});
    case ValueRecord::BkColor:
        return EmitColor(META_SETBKCOLOR, value);
    case ValueRecord::TextColor:
        return EmitColor(META_SETTEXTCOLOR, value);
    }
}

std::uint32_t WmfCanvas::CreatePen(const Pen& wanted)
{
    // WMF has no stock objects, so even "no outline" is a pen of its own.
    const std::uint32_t object = NewObject();
    LittleEndianBuffer p;
    p.U16(wanted.Style == PenStyle::Clear ? PS_NULL : wanted.Style == PenStyle::Dot ? PS_DOT : PS_SOLID);
    p.I16(Clamped(EffectivePenWidth(wanted)));
    p.I16(0);
    p.U32(wanted.Color);
    Emit(META_CREATEPENINDIRECT, p);
    return object;
}

std::uint32_t WmfCanvas::CreateBrush(const Brush& wanted)
{
    const std::uint32_t object = NewObject();
    LittleEndianBuffer p;
    p.U16(wanted.Style == BrushStyle::Clear ? BS_NULL : BS_SOLID);
    p.U32(wanted.Color);
    p.U16(0); // hatch
    Emit(META_CREATEBRUSHINDIRECT, p);
    return object;
}

std::uint32_t WmfCanvas::CreateFont(const Font& wanted)
{
    const std::uint32_t object = NewObject();
    LittleEndianBuffer p;
    AppendLogFontHead(p, wanted, [&p](int v) { p.I16(Clamped(v)); });
    p.Append(Latin1Of(Utf16Of(MetafileFaceName(wanted.Face))).substr(0, 31));
    p.U8(0);
    p.PadTo(2);
    Emit(META_CREATEFONTINDIRECT, p);
    return object;
}

void WmfCanvas::WriteRectangle(int left, int top, int right, int bottom)
{
    EmitWords(META_RECTANGLE, {bottom, right, top, left});
}

void WmfCanvas::WriteMoveTo(Point to)
{
    EmitWords(META_MOVETO, {to.y, to.x});
}

void WmfCanvas::WriteLineTo(Point to)
{
    EmitWords(META_LINETO, {to.y, to.x});
}

std::optional<std::pair<Point, Point>> WmfCanvas::VisiblePart(Point from, Point to) const
{
    return ClipSegment(from, to, CoordinateRange);
}

void WmfCanvas::StrokeLine(Point from, Point to)
{
    if (pen.Style == PenStyle::Dot && EffectivePenWidth(pen) > 1)
        DrawWideDots(from, to);
    else
        MetafileRecorder::StrokeLine(from, to);
}

void WmfCanvas::DrawWideDots(Point from, Point to)
{
    // A 16-bit metafile has no geometric dotted pen, and a wide PS_DOT pen plays back solid. So the dots
    // are drawn one by one with a solid pen: round dots of the pen's width every two widths, as a wide
    // dotted pen draws them.
    Pen solid = pen;
    solid.Style = PenStyle::Solid;
    SelectPen(solid);
    const auto part = VisiblePart(from, to);
    if (!part)
        return;
    const double dx = part->second.x - part->first.x;
    const double dy = part->second.y - part->first.y;
    const double length = std::hypot(dx, dy);
    const double period = 2.0 * EffectivePenWidth(pen);
    for (double along = 0.0; along < length; along += period) {
        const double t = along / length;
        const Point dot{part->first.x + static_cast<int>(std::lround(t * dx)),
                        part->first.y + static_cast<int>(std::lround(t * dy))};
        // A one-unit stroke: its round caps make the dot.
        const Point next{dot.x + (std::abs(dx) >= std::abs(dy) ? (dx > 0 ? 1 : -1) : 0),
                         dot.y + (std::abs(dx) >= std::abs(dy) ? 0 : (dy > 0 ? 1 : -1))};
        DrawSegment(dot, next);
    }
}

void WmfCanvas::WriteText(int x, int y, const std::string& /*text*/, const std::u16string& units)
{
    const std::string bytes = Latin1Of(units);
    const std::vector<int> advances = CharacterAdvances(font, units);
    LittleEndianBuffer p;
    p.I16(Clamped(y));
    p.I16(Clamped(x));
    p.I16(static_cast<std::int16_t>(bytes.size()));
    p.U16(0); // no options: the background comes from the bk mode
    p.Append(bytes);
    p.PadTo(2);
    for (int advance : advances)
        p.I16(Clamped(advance));
    Emit(META_EXTTEXTOUT, p);
}

LittleEndianBuffer WmfCanvas::FileHeader() const
{
    const auto sizeWords = static_cast<std::uint32_t>(HeaderWords + RecordBytes() / 2 + EofWords);

    LittleEndianBuffer file;
    file.U32(PlaceableKey);
    file.U16(0); // HWmf
    file.I16(0); // bounding box
    file.I16(0);
    file.I16(static_cast<std::int16_t>(Width()));
    file.I16(static_cast<std::int16_t>(Height()));
    file.U16(UnitsPerInch);
    file.U32(0);
    std::uint16_t checksum = 0;
    const std::string& placeable = file.Bytes();
    for (std::size_t i = 0; i < placeable.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(placeable[i]) |
                                               (static_cast<unsigned char>(placeable[i + 1]) << 8));
    file.U16(checksum);

    file.U16(1); // memory metafile
    file.U16(HeaderWords);
    file.U16(0x0300);
    file.U32(sizeWords);
    file.U16(static_cast<std::uint16_t>(ObjectTableSize()));
    file.U32(largestRecord_);
    file.U16(0);
    return file;
}

void WmfCanvas::AppendEndOfFile(LittleEndianBuffer& file) const
{
    file.U32(EofWords);
    file.U16(META_EOF);
}

} // namespace vartel
