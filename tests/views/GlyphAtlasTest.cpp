// The letters of the raster canvas come from built-in tables; drawn and measured they must be what Qt gives
// with the Liberation fonts, pixel for pixel.
#include "DeviceImages.h"

#include "views/FontFaces.h"
#include "views/RasterCanvas.h"
#include "views/TextMetrics.h"
#include "widgets/QtFont.h"
#include "widgets/QtRasterImage.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vartel {
namespace {

constexpr Color White = Rgb(255, 255, 255);
constexpr Color Ink = Rgb(0, 0, 128);

// The texts the views write, digits, and the Dutch letters.
const std::vector<std::string> Texts = {"Years",
                                        "Population",
                                        "(millions)",
                                        "(x 1000)",
                                        "Populatie",
                                        "Births per annum",
                                        "per 1000 women",
                                        "Mortality per annum",
                                        "per 1000 inhabitants",
                                        "Chance of survival",
                                        "Age",
                                        "(years)",
                                        "Year 1234",
                                        "0.1",
                                        "1 miljoen",
                                        "10 miljoen",
                                        "10.000",
                                        "100.000",
                                        "0123456789",
                                        "2600",
                                        "AVAWAY To Ty",
                                        "caf\xc3\xa9 \xc3\xa9\xc3\xab\xc3\xaf re\xc3\xab"
                                        "el na\xc3\xaf"
                                        "ef",
                                        "I L J K Q",
                                        "1/2 % & @"};

const Font Fonts[] = {{"ms sans serif", 8, false, Ink},
                      {"ms sans serif", 8, true, Ink},
                      {"times new roman", 10, false, Ink},
                      {"times new roman", 10, true, Ink},
                      {"times new roman", 12, true, Ink}};
const double Ratios[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};

int Edge(int v, double d)
{
    return test::DeviceEdge(v, d);
}

// The text as Qt draws it where the canvas puts it: the cell's top-left corner on the device grid, the
// baseline one device ascent below.
RasterImage DrawnByQt(const Font& font, double d, int x, int y, const std::string& text, PixelSize size)
{
    RasterImage image(size.Width, size.Height);
    QImage wrapped = WrappedForDrawing(image);
    QPainter painter(&wrapped);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const QFont device = ToQFont(font, d);
    painter.setFont(device);
    painter.setPen(QColor(RedOf(font.Color), GreenOf(font.Color), BlueOf(font.Color)));
    painter.drawText(QPoint(Edge(x, d), Edge(y, d) + QFontMetrics(device).ascent()), QString::fromStdString(text));
    return image;
}

int Differences(const RasterImage& a, const RasterImage& b)
{
    int different = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            different += a.PixelColor(x, y) != b.PixelColor(x, y);
    return different;
}

TEST(Glyphs, TextIsDrawnAsQtDrawsItAtEveryFontAndRatio)
{
    for (const Font& font : Fonts)
        for (double d : Ratios)
            for (const std::string& text : Texts) {
                const PixelSize size = RasterCanvas::DeviceSize({260, 30}, d);
                RasterImage atlas(size.Width, size.Height);
                RasterCanvas canvas(atlas, d);
                canvas.font = font;
                canvas.brush.Style = BrushStyle::Clear;
                canvas.TextOut(3, 4, text);
                EXPECT_EQ(Differences(atlas, DrawnByQt(font, d, 3, 4, text, size)), 0)
                    << "\"" << text << "\" in " << font.Face << " " << font.Size << (font.Bold ? " bold" : "")
                    << " at d = " << d;
            }
}

TEST(Glyphs, WidthsAndHeightsAreQtsAtEveryFontTheViewsMeasure)
{
    std::vector<Font> measured(std::begin(Fonts), std::end(Fonts));
    measured.push_back({"times new roman", 40, false, Ink}); // the saved pictures, at four times the size
    measured.push_back({"times new roman", 40, true, Ink});
    for (const Font& font : measured) {
        const QFontMetrics metrics(ToQFont(font));
        for (const std::string& text : Texts)
            EXPECT_EQ(TextWidthOf(font, text), metrics.horizontalAdvance(QString::fromStdString(text)))
                << "\"" << text << "\" in " << font.Face << " " << font.Size << (font.Bold ? " bold" : "");
        EXPECT_EQ(TextHeightOf(font, "Age"), metrics.height()) << font.Face << " " << font.Size;
    }
}

TEST(Glyphs, TextCutByThePictureEdgesIsThePartQtDraws)
{
    const Font font = Fonts[3];
    for (double d : {1.0, 1.5, 2.0})
        for (const Point at : {Point{-20, 5}, Point{200, 5}, Point{10, -7}, Point{10, 22}, Point{-100, -100}}) {
            const PixelSize size = RasterCanvas::DeviceSize({230, 30}, d);
            RasterImage atlas(size.Width, size.Height);
            RasterCanvas canvas(atlas, d);
            canvas.font = font;
            canvas.brush.Style = BrushStyle::Clear;
            canvas.TextOut(at.x, at.y, "Population 1234");
            EXPECT_EQ(Differences(atlas, DrawnByQt(font, d, at.x, at.y, "Population 1234", size)), 0)
                << "at " << at.x << "," << at.y << ", d = " << d;
        }
}

TEST(Glyphs, CharactersOutsideTheTablesAreQuestionMarks)
{
    const Font font = Fonts[2];
    RasterImage question(60, 20), other(60, 20);
    RasterCanvas q(question), o(other);
    q.font = o.font = font;
    q.TextOut(2, 2, "a?b?c?");
    o.TextOut(2, 2,
              "a\xe4\xb8\xad"
              "b\xff"
              "c\xc3"); // a CJK letter, a byte that is no UTF-8, a cut sequence
    EXPECT_EQ(other, question);
    EXPECT_EQ(TextWidthOf(font, "\xe4\xb8\xad"), TextWidthOf(font, "?"));
    EXPECT_EQ(TextWidthOf(font, ""), 0);
}

TEST(Glyphs, AFontTheTablesLackIsMeasuredInTheNearestSizeTheyHold)
{
    EXPECT_EQ(PixelSizeOf({"times new roman", 9, false, Ink}), 12);
    EXPECT_EQ(TextWidthOf({"times new roman", 9, false, Ink}, "Population"),
              TextWidthOf({"times new roman", 10, false, Ink}, "Population"))
        << "12 pixels are measured as 13, the nearest";
    EXPECT_EQ(TextWidthOf({"courier", 10, false, Ink}, "Population"),
              TextWidthOf({"ms sans serif", 10, false, Ink}, "Population"))
        << "other faces as the sans serif";
    const Font huge{"times new roman", 72, true, Ink}; // 96 pixels
    EXPECT_EQ(TextWidthOf(huge, "Wy"), TextWidthOf({"times new roman", 48, true, Ink}, "Wy")) << "measured as 64";
    RasterImage image(300, 300);
    RasterCanvas c(image, 3.0);
    c.font = huge;
    c.TextOut(0, 0, "Wy");
    int ink = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            ink += image.PixelColor(x, y) == Ink;
    EXPECT_GT(ink, 500) << "and drawn at the largest size the tables hold";
}

} // namespace
} // namespace vartel
