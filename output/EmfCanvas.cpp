#include "output/EmfCanvas.h"

#include "output/MetafileState.h"
#include "output/MetafileText.h"
#include "model/Rounding.h"
#include "views/QtFont.h"

#include <QString>
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
constexpr std::uint32_t TRANSPARENT = 1;
constexpr std::uint32_t OPAQUE = 2;
constexpr std::uint32_t HeaderSize = 108; // with both header extensions

// The reference device: a 96-dpi screen whose millimetres are whole numbers (1920 px = 508 mm).
constexpr std::int32_t DevicePixelsX = 1920;
constexpr std::int32_t DevicePixelsY = 1440;
constexpr std::int32_t DeviceMillimetresX = 508;
constexpr std::int32_t DeviceMillimetresY = 381;
constexpr float HundredthsMmPerPixel = 2540.0F / 96.0F;

bool IsStock(std::uint32_t handle) { return (handle & StockObject) != 0; }

std::int32_t PixelsToHundredthsMm(int pixels)
{
    return static_cast<std::int32_t>(RoundEvenToInt(pixels * 2540.0 / 96.0));
}

} // namespace

EmfCanvas::EmfCanvas(int width, int height)
    : width_(std::max(1, width)), height_(std::max(1, height)), handleInUse_(1, true)
{
}

void EmfCanvas::Emit(std::uint32_t type, const LittleEndianBuffer& params)
{
    records_.U32(type);
    records_.U32(static_cast<std::uint32_t>(8 + params.Size()));
    records_.Append(params.Bytes());
    ++recordCount_;
}

void EmfCanvas::EmitWord(std::uint32_t type, std::uint32_t value)
{
    LittleEndianBuffer p;
    p.U32(value);
    Emit(type, p);
}

std::uint32_t EmfCanvas::AllocateHandle()
{
    for (std::size_t i = 1; i < handleInUse_.size(); ++i) {
        if (!handleInUse_[i]) {
            handleInUse_[i] = true;
            return static_cast<std::uint32_t>(i);
        }
    }
    handleInUse_.push_back(true);
    return static_cast<std::uint32_t>(handleInUse_.size() - 1);
}

void EmfCanvas::Replace(std::uint32_t& selected, std::uint32_t object)
{
    EmitWord(EMR_SELECTOBJECT, object);
    if (selected != 0 && !IsStock(selected)) {
        EmitWord(EMR_DELETEOBJECT, selected);
        handleInUse_[selected] = false;
    }
    selected = object;
}

void EmfCanvas::SelectPen()
{
    if (recordedPen_ && SameMetafilePen(*recordedPen_, pen))
        return;
    recordedPen_ = pen;
    if (pen.style == PenStyle::Clear) {
        Replace(selectedPen_, NullPen);
        return;
    }
    const std::uint32_t handle = AllocateHandle();
    const int width = EffectivePenWidth(pen);
    LittleEndianBuffer p;
    p.U32(handle);
    if (width > 1) {
        // Wide pens are geometric: only a geometric pen can be dotted, and readers take its width as given.
        p.U32(0); // offBmi
        p.U32(0); // cbBmi
        p.U32(0); // offBits
        p.U32(0); // cbBits
        p.U32(PS_GEOMETRIC | (pen.style == PenStyle::Dot ? PS_DOT : PS_SOLID));
        p.U32(static_cast<std::uint32_t>(width));
        p.U32(BS_SOLID);
        p.U32(pen.color);
        p.U32(0); // hatch
        p.U32(0); // no style entries
        Emit(EMR_EXTCREATEPEN, p);
    } else {
        p.U32(pen.style == PenStyle::Dot ? PS_DOT : PS_SOLID);
        p.I32(width);
        p.I32(0);
        p.U32(pen.color);
        Emit(EMR_CREATEPEN, p);
    }
    Replace(selectedPen_, handle);
}

void EmfCanvas::SelectBrush()
{
    if (recordedBrush_ && SameMetafileBrush(*recordedBrush_, brush))
        return;
    recordedBrush_ = brush;
    if (brush.style == BrushStyle::Clear) {
        Replace(selectedBrush_, NullBrush);
        return;
    }
    const std::uint32_t handle = AllocateHandle();
    LittleEndianBuffer p;
    p.U32(handle);
    p.U32(BS_SOLID);
    p.U32(brush.color);
    p.U32(0); // hatch
    Emit(EMR_CREATEBRUSHINDIRECT, p);
    Replace(selectedBrush_, handle);
}

void EmfCanvas::SelectFont()
{
    if (!recordedFont_ || !SameMetafileFont(*recordedFont_, font)) {
        recordedFont_ = font;
        const std::uint32_t handle = AllocateHandle();
        LittleEndianBuffer p;
        p.U32(handle);
        p.I32(-FontPixelHeight(font)); // negative: the em height, as the screen font is sized
        p.I32(0);                      // width: the face's own
        p.I32(0);                      // escapement
        p.I32(0);                      // orientation
        p.I32(font.bold ? 700 : 400);
        p.U8(0); // italic
        p.U8(0); // underline
        p.U8(0); // strike-out
        p.U8(0); // ANSI charset
        p.U8(0); // out precision
        p.U8(0); // clip precision
        p.U8(0); // quality
        p.U8(0); // pitch and family
        const QString face = QString::fromStdString(MetafileFaceName(font.face)).left(31);
        for (int i = 0; i < 32; ++i)
            p.U16(i < face.size() ? face.at(i).unicode() : 0);
        Emit(EMR_EXTCREATEFONTINDIRECTW, p);
        Replace(selectedFont_, handle);
    }
    if (textColor_ != font.color) {
        textColor_ = font.color;
        EmitWord(EMR_SETTEXTCOLOR, font.color);
    }
    if (!textAlignSet_) {
        textAlignSet_ = true;
        EmitWord(EMR_SETTEXTALIGN, 0); // top-left reference, position not updated
    }
}

void EmfCanvas::SetBkMode(std::uint32_t mode)
{
    if (bkMode_ != mode) {
        bkMode_ = mode;
        EmitWord(EMR_SETBKMODE, mode);
    }
}

void EmfCanvas::SetBackgroundForText()
{
    if (brush.style == BrushStyle::Clear) {
        SetBkMode(TRANSPARENT);
        return;
    }
    SetBkMode(OPAQUE);
    if (bkColor_ != brush.color) {
        bkColor_ = brush.color;
        EmitWord(EMR_SETBKCOLOR, brush.color);
    }
}

void EmfCanvas::SetBackgroundTransparent()
{
    // The gaps of a dotted pen are transparent on every canvas of the program.
    if (pen.style == PenStyle::Dot)
        SetBkMode(TRANSPARENT);
}

void EmfCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (pen.style == PenStyle::Clear && brush.style == BrushStyle::Clear)
        return;
    SelectPen();
    SelectBrush();
    SetBackgroundTransparent();
    LittleEndianBuffer p;
    p.I32(std::min(x1, x2));
    p.I32(std::min(y1, y2));
    p.I32(std::max(x1, x2));
    p.I32(std::max(y1, y2));
    Emit(EMR_RECTANGLE, p);
}

void EmfCanvas::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void EmfCanvas::LineTo(int x, int y)
{
    if (pen.style != PenStyle::Clear) {
        SelectPen();
        SetBackgroundTransparent();
        if (!recordedPosition_ || recordedPosition_->x != position_.x || recordedPosition_->y != position_.y) {
            LittleEndianBuffer m;
            m.I32(position_.x);
            m.I32(position_.y);
            Emit(EMR_MOVETOEX, m);
        }
        LittleEndianBuffer p;
        p.I32(x);
        p.I32(y);
        Emit(EMR_LINETO, p);
        recordedPosition_ = Point{x, y};
    }
    position_ = {x, y};
}

void EmfCanvas::TextOut(int x, int y, const std::string& text)
{
    const QString units = QString::fromStdString(text);
    if (units.isEmpty())
        return;
    SelectFont();
    SetBackgroundForText();
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
    for (QChar c : units)
        p.U16(c.unicode());
    p.PadTo(4);
    for (int advance : advances)
        p.I32(advance);
    Emit(EMR_EXTTEXTOUTW, p);
}

int EmfCanvas::TextWidth(const std::string& text)
{
    return TextWidthOf(font, text);
}

int EmfCanvas::TextHeight(const std::string& text)
{
    return TextHeightOf(font, text);
}

std::string EmfCanvas::FileBytes() const
{
    const std::uint32_t eofSize = 20;
    const auto totalBytes = static_cast<std::uint32_t>(HeaderSize + records_.Size() + eofSize);
    LittleEndianBuffer file;
    file.U32(EMR_HEADER);
    file.U32(HeaderSize);
    file.I32(0); // bounds, inclusive
    file.I32(0);
    file.I32(width_ - 1);
    file.I32(height_ - 1);
    file.I32(0); // frame in 0.01 mm, inclusive
    file.I32(0);
    file.I32(PixelsToHundredthsMm(width_) - 1);
    file.I32(PixelsToHundredthsMm(height_) - 1);
    file.U32(0x464D4520); // " EMF"
    file.U32(0x00010000);
    file.U32(totalBytes);
    file.U32(recordCount_ + 2);
    file.U16(static_cast<std::uint16_t>(handleInUse_.size()));
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
    file.Append(records_.Bytes());
    file.U32(EMR_EOF);
    file.U32(eofSize);
    file.U32(0);  // no palette entries
    file.U32(16); // offPalEntries
    file.U32(eofSize);
    return file.Bytes();
}

} // namespace vartel
