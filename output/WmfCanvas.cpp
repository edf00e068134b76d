#include "output/WmfCanvas.h"

#include "output/MetafileState.h"
#include "output/MetafileText.h"
#include "output/SegmentClip.h"
#include "views/QtFont.h"

#include <QByteArray>
#include <QString>
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
constexpr std::uint16_t TRANSPARENT = 1;
constexpr std::uint16_t OPAQUE = 2;
constexpr std::uint16_t MM_ANISOTROPIC = 8;
constexpr std::uint16_t UnitsPerInch = 96;
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;

constexpr int MinCoordinate = std::numeric_limits<std::int16_t>::min();
constexpr int MaxCoordinate = std::numeric_limits<std::int16_t>::max();
constexpr ClipBox CoordinateRange{MinCoordinate, MinCoordinate, MaxCoordinate, MaxCoordinate};

std::int16_t Clamped(int v)
{
    return static_cast<std::int16_t>(std::clamp(v, MinCoordinate, MaxCoordinate));
}

bool Same(const std::optional<Point>& a, Point b)
{
    return a && a->x == b.x && a->y == b.y;
}

} // namespace

WmfCanvas::WmfCanvas(int width, int height)
    : width_(std::clamp(width, 1, MaxCoordinate)), height_(std::clamp(height, 1, MaxCoordinate))
{
    EmitWords(META_SETMAPMODE, {MM_ANISOTROPIC});
    EmitWords(META_SETWINDOWORG, {0, 0});
    EmitWords(META_SETWINDOWEXT, {height_, width_});
}

void WmfCanvas::Emit(std::uint16_t function, const LittleEndianBuffer& params)
{
    const auto words = static_cast<std::uint32_t>(3 + params.Size() / 2);
    records_.U32(words);
    records_.U16(function);
    records_.Append(params.Bytes());
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

std::uint16_t WmfCanvas::AllocateObject()
{
    for (std::size_t i = 0; i < objectInUse_.size(); ++i) {
        if (!objectInUse_[i]) {
            objectInUse_[i] = true;
            return static_cast<std::uint16_t>(i);
        }
    }
    objectInUse_.push_back(true);
    return static_cast<std::uint16_t>(objectInUse_.size() - 1);
}

void WmfCanvas::Replace(std::optional<std::uint16_t>& selected, std::uint16_t object)
{
    EmitWords(META_SELECTOBJECT, {object});
    if (selected) {
        EmitWords(META_DELETEOBJECT, {*selected});
        objectInUse_[*selected] = false;
    }
    selected = object;
}

void WmfCanvas::SelectPen(const Pen& wanted)
{
    if (recordedPen_ && SameMetafilePen(*recordedPen_, wanted))
        return;
    recordedPen_ = wanted;
    const std::uint16_t object = AllocateObject();
    LittleEndianBuffer p;
    p.U16(wanted.style == PenStyle::Clear ? PS_NULL : wanted.style == PenStyle::Dot ? PS_DOT : PS_SOLID);
    p.I16(Clamped(EffectivePenWidth(wanted)));
    p.I16(0);
    p.U32(wanted.color);
    Emit(META_CREATEPENINDIRECT, p);
    Replace(selectedPen_, object);
}

void WmfCanvas::SelectBrush()
{
    if (recordedBrush_ && SameMetafileBrush(*recordedBrush_, brush))
        return;
    recordedBrush_ = brush;
    const std::uint16_t object = AllocateObject();
    LittleEndianBuffer p;
    p.U16(brush.style == BrushStyle::Clear ? BS_NULL : BS_SOLID);
    p.U32(brush.color);
    p.U16(0); // hatch
    Emit(META_CREATEBRUSHINDIRECT, p);
    Replace(selectedBrush_, object);
}

void WmfCanvas::SelectFont()
{
    if (!recordedFont_ || !SameMetafileFont(*recordedFont_, font)) {
        recordedFont_ = font;
        const std::uint16_t object = AllocateObject();
        LittleEndianBuffer p;
        p.I16(Clamped(-FontPixelHeight(font))); // negative: the em height, as the screen font is sized
        p.I16(0);                               // width: the face's own
        p.I16(0);                               // escapement
        p.I16(0);                               // orientation
        p.I16(font.bold ? 700 : 400);
        p.U8(0); // italic
        p.U8(0); // underline
        p.U8(0); // strike-out
        p.U8(0); // ANSI charset
        p.U8(0); // out precision
        p.U8(0); // clip precision
        p.U8(0); // quality
        p.U8(0); // pitch and family
        QByteArray face = QString::fromStdString(MetafileFaceName(font.face)).toLatin1().left(31);
        p.Append(face.toStdString());
        p.U8(0);
        p.PadTo(2);
        Emit(META_CREATEFONTINDIRECT, p);
        Replace(selectedFont_, object);
    }
    if (textColor_ != font.color) {
        textColor_ = font.color;
        EmitColor(META_SETTEXTCOLOR, font.color);
    }
    if (!textAlignSet_) {
        textAlignSet_ = true;
        EmitWords(META_SETTEXTALIGN, {0}); // top-left reference, position not updated
    }
}

void WmfCanvas::SetBkMode(std::uint16_t mode)
{
    if (bkMode_ != mode) {
        bkMode_ = mode;
        EmitWords(META_SETBKMODE, {mode});
    }
}

void WmfCanvas::SetBackgroundForText()
{
    if (brush.style == BrushStyle::Clear) {
        SetBkMode(TRANSPARENT);
        return;
    }
    SetBkMode(OPAQUE);
    if (bkColor_ != brush.color) {
        bkColor_ = brush.color;
        EmitColor(META_SETBKCOLOR, brush.color);
    }
}

void WmfCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (pen.style == PenStyle::Clear && brush.style == BrushStyle::Clear)
        return;
    SelectPen(pen);
    SelectBrush();
    if (pen.style == PenStyle::Dot)
        SetBkMode(TRANSPARENT); // dotted gaps are transparent on every canvas of the program
    EmitWords(META_RECTANGLE, {std::max(y1, y2), std::max(x1, x2), std::min(y1, y2), std::min(x1, x2)});
}

void WmfCanvas::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void WmfCanvas::DrawSegment(Point from, Point to)
{
    const auto part = ClipSegment(from, to, CoordinateRange);
    if (!part)
        return;
    if (!Same(recordedPosition_, part->first))
        EmitWords(META_MOVETO, {part->first.y, part->first.x});
    EmitWords(META_LINETO, {part->second.y, part->second.x});
    recordedPosition_ = part->second;
}

void WmfCanvas::DrawWideDots(Point from, Point to)
{
    // A 16-bit metafile has no geometric dotted pen, and a wide PS_DOT pen plays back solid. So the dots
    // are drawn one by one with a solid pen: round dots of the pen's width every two widths, as a wide
    // dotted pen draws them.
    Pen solid = pen;
    solid.style = PenStyle::Solid;
    SelectPen(solid);
    const auto part = ClipSegment(from, to, CoordinateRange);
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

void WmfCanvas::LineTo(int x, int y)
{
    const Point to{x, y};
    if (pen.style == PenStyle::Dot && EffectivePenWidth(pen) > 1) {
        DrawWideDots(position_, to);
    } else if (pen.style != PenStyle::Clear) {
        SelectPen(pen);
        if (pen.style == PenStyle::Dot)
            SetBkMode(TRANSPARENT);
        DrawSegment(position_, to);
    }
    position_ = to;
}

void WmfCanvas::TextOut(int x, int y, const std::string& text)
{
    const QString units = QString::fromStdString(text);
    if (units.isEmpty())
        return;
    SelectFont();
    SetBackgroundForText();
    const QByteArray bytes = units.toLatin1(); // one byte per UTF-16 unit; others become '?'
    const std::vector<int> advances = CharacterAdvances(font, units);
    LittleEndianBuffer p;
    p.I16(Clamped(y));
    p.I16(Clamped(x));
    p.I16(static_cast<std::int16_t>(bytes.size()));
    p.U16(0); // no options: the background comes from the bk mode
    p.Append(bytes.toStdString());
    p.PadTo(2);
    for (int advance : advances)
        p.I16(Clamped(advance));
    Emit(META_EXTTEXTOUT, p);
}

int WmfCanvas::TextWidth(const std::string& text)
{
    return TextWidthOf(font, text);
}

int WmfCanvas::TextHeight(const std::string& text)
{
    return TextHeightOf(font, text);
}

std::string WmfCanvas::FileBytes() const
{
    constexpr std::uint32_t headerWords = 9;
    constexpr std::uint32_t eofWords = 3;
    const auto sizeWords = static_cast<std::uint32_t>(headerWords + records_.Size() / 2 + eofWords);

    LittleEndianBuffer placeable;
    placeable.U32(PlaceableKey);
    placeable.U16(0); // HWmf
    placeable.I16(0); // bounding box
    placeable.I16(0);
    placeable.I16(static_cast<std::int16_t>(width_));
    placeable.I16(static_cast<std::int16_t>(height_));
    placeable.U16(UnitsPerInch);
    placeable.U32(0);
    std::uint16_t checksum = 0;
    const std::string& head = placeable.Bytes();
    for (std::size_t i = 0; i < head.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(head[i]) |
                                               (static_cast<unsigned char>(head[i + 1]) << 8));
    placeable.U16(checksum);

    LittleEndianBuffer file = placeable;
    file.U16(1); // memory metafile
    file.U16(headerWords);
    file.U16(0x0300);
    file.U32(sizeWords);
    file.U16(static_cast<std::uint16_t>(objectInUse_.size()));
    file.U32(largestRecord_);
    file.U16(0);
    file.Append(records_.Bytes());
    file.U32(eofWords);
    file.U16(META_EOF);
    return file.Bytes();
}

} // namespace vartel
