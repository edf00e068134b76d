#include "output/EmfCanvas.h"

#include "model/Rounding.h"
#include "output/MetafileState.h"
#include "output/MetafileText.h"
#include "output/Utf16Text.h"
#include "views/TextMetrics.h"

#include <algorithm>

namespace vartel {

namespace {

enum : std::uint32_t {
    EMR_HEADER = 1,
    EMR_EOF = 14,
    EMR_SETBKMODE = 18,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25,
    EMR_MOVETOEX = 27,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_RECTANGLE = 43,
    EMR_LINETO = 54,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
    EMR_EXTCREATEPEN = 95,
};

constexpr std::uint32_t StockObject = 0x80000000;
constexpr std::uint32_t NullBrush = StockObject + 5;
constexpr std::uint32_t NullPen = StockObject + 8;
constexpr std::uint32_t PS_SOLID = 0;
constexpr std::uint32_t PS_DOT = 2;
constexpr std::uint32_t PS_GEOMETRIC = 0x10000;
constexpr std::uint32_t BS_SOLID = 0;
constexpr std::uint32_t HeaderSize = 108; // with both header extensions
constexpr std::uint32_t EofSize = 20;

// The reference device: a 96-dpi screen whose millimetres are whole numbers (1920 px = 508 mm).
constexpr std::int32_t DevicePixelsX = 1920;
constexpr std::int32_t DevicePixelsY = 1440;
constexpr std::int32_t DeviceMillimetresX = 508;
constexpr std::int32_t DeviceMillimetresY = 381;
constexpr float HundredthsMmPerPixel = 2540.0F / 96.0F;

std::int32_t PixelsToHundredthsMm(int pixels)
{
    return static_cast<std::int32_t>(RoundEvenToInt(pixels * 2540.0 / 96.0));
}

} // namespace

EmfCanvas::EmfCanvas(int width, int height)
    : MetafileRecorder(std::max(1, width), std::max(1, height), 1) // object 0 is the metafile itself
{
}

void EmfCanvas::Emit(std::uint32_t type, const LittleEndianBuffer& params)
{
    LittleEndianBuffer& records = Records();
    records.U32(type);
    records.U32(static_cast<std::uint32_t>(8 + params.Size()));
    records.Append(params.Bytes());
    ++recordCount_;
}

void EmfCanvas::EmitWord(std::uint32_t type, std::uint32_t value)
{
    LittleEndianBuffer p;
    p.U32(value);
    Emit(type, p);
}

void EmfCanvas::EmitPoint(std::uint32_t type, Point point)
{
    LittleEndianBuffer p;
    p.I32(point.x);
    p.I32(point.y);
    Emit(type, p);
}

void EmfCanvas::WriteValue(ValueRecord record, std::uint32_t value)
{
    switch (record) {
    case ValueRecord::SelectObject:
        return EmitWord(EMR_SELECTOBJECT, value);
    case ValueRecord::DeleteObject:
        return EmitWord(EMR_DELETEOBJECT, value);
    case ValueRecord::BkMode:
        return EmitWord(EMR_SETBKMODE, value);
    case ValueRecord::BkColor:
        return EmitWord(EMR_SETBKCOLOR, value);
    case ValueRecord::TextColor:
        return EmitWord(EMR_SETTEXTCOLOR, value);
    case ValueRecord::TextAlign:
        return EmitWord(EMR_SETTEXTALIGN, value);
    }
}

std::uint32_t EmfCanvas::CreatePen(const Pen& wanted)
{
    if (wanted.Style == PenStyle::Clear)
        return NullPen;
    const std::uint32_t handle = NewObject();
    const int width = EffectivePenWidth(wanted);
    LittleEndianBuffer p;
    p.U32(handle);
    if (width > 1) {
        // Wide pens are geometric: only a geometric pen can be dotted, and readers take its width as given.
        p.U32(0); // offBmi
        p.U32(0); // cbBmi
        p.U32(0); // offBits
        p.U32(0); // cbBits
        p.U32(PS_GEOMETRIC | (wanted.Style == PenStyle::Dot ? PS_DOT : PS_SOLID));
        p.U32(static_cast<std::uint32_t>(width));
        p.U32(BS_SOLID);
        p.U32(wanted.Color);
        p.U32(0); // hatch
        p.U32(0); // no style entries
        Emit(EMR_EXTCREATEPEN, p);
    } else {
        p.U32(wanted.Style == PenStyle::Dot ? PS_DOT : PS_SOLID);
        p.I32(width);
        p.I32(0);
        p.U32(wanted.Color);
        Emit(EMR_CREATEPEN, p);
    }
    return handle;
}

std::uint32_t EmfCanvas::CreateBrush(const Brush& wanted)
{
    if (wanted.Style == BrushStyle::Clear)
        return NullBrush;
    const std::uint32_t handle = NewObject();
    LittleEndianBuffer p;
    p.U32(handle);
    p.U32(BS_SOLID);
    p.U32(wanted.Color);
    p.U32(0); // hatch
    Emit(EMR_CREATEBRUSHINDIRECT, p);
    return handle;
}

std::uint32_t EmfCanvas::CreateFont(const Font& wanted)
{
    const std::uint32_t handle = NewObject();
    LittleEndianBuffer p;
    p.U32(handle);
    AppendLogFontHead(p, wanted, [&p](int v) { p.I32(v); });
    const std::u16string face = Utf16Of(MetafileFaceName(wanted.Face)).substr(0, 31);
    for (std::size_t i = 0; i < 32; ++i)
        p.U16(i < face.size() ? face[i] : 0);
    Emit(EMR_EXTCREATEFONTINDIRECTW, p);
    return handle;
}

void EmfCanvas::WriteRectangle(int left, int top, int right, int bottom)
{
    LittleEndianBuffer p;
    p.I32(left);
    p.I32(top);
    p.I32(right);
    p.I32(bottom);
    Emit(EMR_RECTANGLE, p);
}

void EmfCanvas::WriteMoveTo(Point to)
{
    EmitPoint(EMR_MOVETOEX, to);
}

void EmfCanvas::WriteLineTo(Point to)
{
    EmitPoint(EMR_LINETO, to);
}

void EmfCanvas::WriteText(int x, int y, const std::string& text, const std::u16string& units)
{
    const std::vector<int> advances = CharacterAdvances(font, units);
    const auto chars = static_cast<std::uint32_t>(units.size());
    const std::uint32_t stringBytes = (chars * 2 + 3) / 4 * 4;
    constexpr std::uint32_t offString = 76;
    LittleEndianBuffer p;
    p.I32(x); // bounds, for readers that want them
    p.I32(y);
    p.I32(x + TextWidthOf(font, text) - 1);
    p.I32(y + TextHeightOf(font, text) - 1);
    p.U32(1); // GM_COMPATIBLE
    p.F32(HundredthsMmPerPixel);
    p.F32(HundredthsMmPerPixel);
    p.I32(x); // reference point: the top-left corner
    p.I32(y);
    p.U32(chars);
    p.U32(offString);
    p.U32(0); // options: the background comes from the bk mode
    p.I32(0); // rectangle, unused
    p.I32(0);
    p.I32(-1);
    p.I32(-1);
    p.U32(offString + stringBytes); // offDx
    for (const char16_t unit : units)
        p.U16(unit);
    p.PadTo(4);
    for (int advance : advances)
        p.I32(advance);
    Emit(EMR_EXTTEXTOUTW, p);
}

LittleEndianBuffer EmfCanvas::FileHeader() const
{
    const auto totalBytes = static_cast<std::uint32_t>(HeaderSize + RecordBytes() + EofSize);
    LittleEndianBuffer file;
    file.U32(EMR_HEADER);
    file.U32(HeaderSize);
    file.I32(0); // bounds, inclusive
    file.I32(0);
    file.I32(Width() - 1);
    file.I32(Height() - 1);
    file.I32(0); // frame in 0.01 mm, inclusive
    file.I32(0);
    file.I32(PixelsToHundredthsMm(Width()) - 1);
    file.I32(PixelsToHundredthsMm(Height()) - 1);
    file.U32(0x464D4520); // " EMF"
    file.U32(0x00010000);
    file.U32(totalBytes);
    file.U32(recordCount_ + 2);
    file.U16(static_cast<std::uint16_t>(ObjectTableSize()));
    file.U16(0);
    file.U32(0); // no description
    file.U32(0);
    file.U32(0); // no palette
    file.I32(DevicePixelsX);
    file.I32(DevicePixelsY);
    file.I32(DeviceMillimetresX);
    file.I32(DeviceMillimetresY);
    file.U32(0); // no pixel format
    file.U32(0);
    file.U32(0); // not OpenGL
    file.I32(DeviceMillimetresX * 1000);
    file.I32(DeviceMillimetresY * 1000);
    return file;
}

void EmfCanvas::AppendEndOfFile(LittleEndianBuffer& file) const
{
    file.U32(EMR_EOF);
    file.U32(EofSize);
    file.U32(0);  // no palette entries
    file.U32(16); // offPalEntries
    file.U32(EofSize);
}

} // namespace vartel
