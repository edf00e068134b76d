// Makes the glyph tables of the raster canvas (views/GlyphAtlas.h describes them): every printable
// character of Windows-1252 in each font the views draw with, at each device pixel ratio the window and the
// browser use, as Qt draws and measures it with the installed Liberation fonts.
#include "views/FontFaces.h"
#include "widgets/QtFont.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace vartel {
namespace {

// The fonts the views write in, drawn at every ratio.
const Font DrawnFonts[] = {
    {"ms sans serif", 8, false},                                   // the canvas's own font
    {"ms sans serif", 8, true},    {"times new roman", 10, false}, // labels and titles
    {"times new roman", 10, true}, {"times new roman", 12, true},  // the stage markers
};
const double Ratios[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
// Measured only: the labels of the pictures saved at four times the screen size.
const Font MeasuredFonts[] = {{"times new roman", 40, false}, {"times new roman", 40, true}};

std::vector<char16_t> CodePoints()
{
    std::vector<char16_t> codes;
    for (char16_t c = 0x20; c <= 0x7E; ++c)
        codes.push_back(c);
    // Windows-1252 0x80..0x9F, where it has characters.
    for (char16_t c : {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                       0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178})
        codes.push_back(c);
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        codes.push_back(c);
    std::sort(codes.begin(), codes.end());
    return codes;
}

class Out {
public:
    void U8(unsigned v) { bytes_.push_back(static_cast<char>(v & 0xFF)); }
    void I8(int v)
    {
        if (v < -128 || v > 127)
            throw std::runtime_error("a value does not fit a byte");
        U8(static_cast<unsigned>(v));
    }
    void Byte(int v)
    {
        if (v < 0 || v > 255)
            throw std::runtime_error("a value does not fit a byte");
        U8(static_cast<unsigned>(v));
    }
    void U16(unsigned v)
    {
        if (v > 0xFFFF)
            throw std::runtime_error("a value does not fit two bytes");
        U8(v);
        U8(v >> 8);
    }
    void Raw(const std::vector<std::uint8_t>& bytes)
    {
        bytes_.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }
    const QByteArray& Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

struct GlyphImage {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<bool> ink;
};

// One character drawn as the raster canvas draws text, cut to its ink.
GlyphImage Draw(const QFont& font, char16_t code)
{
    const int size = QFontMetrics(font).height() * 4 + 16;
    const int originX = size / 4, baseline = size / 2;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(originX, baseline), QString(QChar(code)));
    }
    int minX = size, minY = size, maxX = -1, maxY = -1;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == qRgb(255, 255, 255))
                continue;
            if (p != qRgb(0, 0, 0))
                throw std::runtime_error("a glyph came out antialiased");
            minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    GlyphImage glyph;
    if (maxX < 0)
        return glyph;
    if (minX == 0 || minY == 0 || maxX == size - 1 || maxY == size - 1)
        throw std::runtime_error("a glyph reached the edge of its image");
    glyph.left = minX - originX;
    glyph.top = baseline - minY;
    glyph.width = maxX - minX + 1;
    glyph.height = maxY - minY + 1;
    for (int y = minY; y <= maxY; ++y)
        for (int x = minX; x <= maxX; ++x)
            glyph.ink.push_back(image.pixel(x, y) == qRgb(0, 0, 0));
    return glyph;
}

void WriteFont(Out& out, const Font& font, double ratio, bool bitmaps, const std::vector<char16_t>& codes)
{
    const QFont qfont = ToQFont(font, ratio);
    const QFontInfo info(qfont);
    if (info.family() != QString::fromLatin1(FamilyName(FamilyOf(font.Face))))
        throw std::runtime_error("the Liberation fonts are not installed");
    const QFontMetrics metrics(qfont);
    out.U8(static_cast<unsigned>(FamilyOf(font.Face)));
    out.U8(font.Bold ? 1 : 0);
    out.U16(static_cast<unsigned>(qfont.pixelSize()));
    out.U16(static_cast<unsigned>(metrics.ascent()));
    out.U16(static_cast<unsigned>(metrics.descent()));
    out.U16(static_cast<unsigned>(metrics.height()));
    out.U8(bitmaps ? 1 : 0);
    std::vector<int> advances;
    for (char16_t c : codes) {
        advances.push_back(metrics.horizontalAdvance(QString(QChar(c))));
        out.Byte(advances.back());
    }
    std::vector<std::tuple<unsigned, unsigned, int>> kerning;
    for (std::size_t a = 0; a < codes.size(); ++a)
        for (std::size_t b = 0; b < codes.size(); ++b) {
            const QString pair = QString(QChar(codes[a])) + QChar(codes[b]);
            const int adjustment = metrics.horizontalAdvance(pair) - advances[a] - advances[b];
            if (adjustment != 0)
                kerning.emplace_back(static_cast<unsigned>(a), static_cast<unsigned>(b), adjustment);
        }
    out.U16(static_cast<unsigned>(kerning.size()));
    for (const auto& [a, b, adjustment] : kerning) {
        out.U8(a);
        out.U8(b);
        out.I8(adjustment);
    }
    if (!bitmaps)
        return;
    std::vector<std::uint8_t> bits;
    for (char16_t c : codes) {
        const GlyphImage glyph = Draw(qfont, c);
        out.I8(glyph.left);
        out.I8(glyph.top);
        out.Byte(glyph.width);
        out.Byte(glyph.height);
        std::uint8_t byte = 0;
        int filled = 0;
        for (bool ink : glyph.ink) {
            byte = static_cast<std::uint8_t>((byte << 1) | (ink ? 1 : 0));
            if (++filled == 8) {
                bits.push_back(byte);
                byte = 0;
                filled = 0;
            }
        }
        if (filled > 0)
            bits.push_back(static_cast<std::uint8_t>(byte << (8 - filled)));
    }
    out.Raw(bits);
}

} // namespace
} // namespace vartel

int main(int argc, char** argv)
{
    using namespace vartel;
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s glyphs.bin\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<char16_t> codes = CodePoints();
        // Each family, weight and pixel size once; drawn fonts before measured ones of the same size.
        std::map<std::tuple<int, bool, int>, std::tuple<Font, double, bool>> fonts;
        for (const Font& font : DrawnFonts)
            for (double ratio : Ratios)
                fonts.try_emplace({static_cast<int>(FamilyOf(font.Face)), font.Bold, PixelSizeOf(font, ratio)}, font,
                                  ratio, true);
        for (const Font& font : MeasuredFonts)
            fonts.try_emplace({static_cast<int>(FamilyOf(font.Face)), font.Bold, PixelSizeOf(font)}, font, 1.0, false);

        Out out;
        for (char c : {'V', 'G', 'L', 'Y'})
            out.U8(static_cast<unsigned char>(c));
        out.U16(1);
        out.U16(static_cast<unsigned>(codes.size()));
        for (char16_t c : codes)
            out.U16(c);
        out.U16(static_cast<unsigned>(fonts.size()));
        for (const auto& [key, made] : fonts) {
            const auto& [font, ratio, bitmaps] = made;
            WriteFont(out, font, ratio, bitmaps, codes);
        }
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (!file.open(QIODevice::WriteOnly) || file.write(out.Bytes()) != out.Bytes().size())
            throw std::runtime_error("the tables could not be written");
        std::printf("%d fonts, %d characters, %lld bytes\n", static_cast<int>(fonts.size()),
                    static_cast<int>(codes.size()), static_cast<long long>(out.Bytes().size()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
