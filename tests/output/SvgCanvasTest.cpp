// The SVG picture: drawn through QSvgGenerator, rendered again by Qt SVG and compared with the screen canvas.
#include "ExternalTool.h"
#include "TestDrawing.h"

#include "output/PictureSaver.h"
#include "output/SvgCanvas.h"
#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vartel {
namespace {

class SvgPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("drawing.svg")).toStdString();
        // The test drawing fills 400 x 200, which is four times a 100 x 50 view.
        const ViewSource view{nullptr, [](Canvas& c, int) { test::DrawTestPicture(c); }, 100, 50};
        ASSERT_EQ(SavePicture(PictureFormat::Svg, path_, view), "") << "expected the SVG saved";
        svg_ = QString::fromStdString(test::ReadBytes(path_));
    }

    QImage Rendered() const
    {
        QSvgRenderer renderer(QString::fromStdString(path_));
        EXPECT_TRUE(renderer.isValid()) << "expected Qt SVG to read the file back";
        QImage image(test::TestDrawingWidth, test::TestDrawingHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    }

    QTemporaryDir dir_;
    std::string path_;
    QString svg_;
};

TEST_F(SvgPicture, HasTheSizeTextsAndColours)
{
    QSvgRenderer renderer(QString::fromStdString(path_));
    EXPECT_EQ(renderer.defaultSize(), QSize(400, 200)) << "expected four times the 100 x 50 view";
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 400, 200)) << "expected one SVG unit per pixel";
    EXPECT_TRUE(svg_.contains(QStringLiteral(">Opaque</text>"))) << "expected the opaque text";
    EXPECT_TRUE(svg_.contains(QStringLiteral(">Years</text>"))) << "expected the transparent text";
    EXPECT_TRUE(svg_.contains(QStringLiteral("stroke-dasharray"))) << "expected the dotted lines dashed";
    for (const char* colour : {"#fafa90", "#c08450", "#008000", "#00ff00", "#7c4633", "#0000ff", "#fff6f1"})
        EXPECT_TRUE(svg_.contains(QLatin1String(colour))) << "expected the colour " << colour;
}

TEST_F(SvgPicture, ShapesLieOnTheScreenCanvasPixels)
{
    const QImage svg = Rendered();
    RasterImage raster(test::TestDrawingWidth, test::TestDrawingHeight);
    RasterCanvas canvas(raster);
    test::DrawTestPicture(canvas);
    const QImage screen = ToQImage(raster);
    // Points the screen canvas's edge rules decide: outlines, the right and bottom edges left out, the
    // clear-pen fill one pixel short, the filled marker. Qt SVG renders antialiased, so corners are not
    // probed.
    const QPoint probes[] = {{50, 20},   {20, 50},   {119, 50},  {120, 50},  {50, 79},  {50, 80},
                             {50, 50},   {160, 20},  {169, 30},  {170, 30},  {160, 30}, {160, 40},
                             {398, 100}, {399, 100}, {200, 199}, {100, 135}, {5, 5}};
    for (const QPoint& p : probes)
        EXPECT_EQ(QColor(svg.pixel(p)).name().toStdString(), QColor(screen.pixel(p)).name().toStdString())
            << "expected the SVG pixel at (" << p.x() << ", " << p.y() << ") as on the screen canvas";
    // The wide dotted line (rows 188..192) is left out: the screen draws wide pens solid, the SVG dotted.
    int differing = 0;
    for (int y = 0; y < 186; ++y)
        for (int x = 0; x < svg.width(); ++x) {
            const QRgb a = svg.pixel(x, y), b = screen.pixel(x, y);
            const int most =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
            differing += most > 64 ? 1 : 0;
        }
    EXPECT_LT(differing, svg.width() * svg.height() / 100) << "expected at most 1% of the pixels clearly different";
}

TEST_F(SvgPicture, WideDottedLineIsRoundDotsEveryTwoWidths)
{
    const QImage svg = Rendered();
    // The 4 px dotted line from x = 10 at y = 190: dots centred every 8 px, background between them.
    for (int x : {10, 18, 26, 386})
        EXPECT_EQ(QColor(svg.pixel(x, 190)).name().toStdString(), "#0000ff") << "expected a dot at x = " << x;
    for (int x : {14, 22, 30})
        EXPECT_EQ(QColor(svg.pixel(x, 190)).name().toStdString(), "#fafa90") << "expected a gap at x = " << x;
}

// A few calls written out: one group for each change of attributes, the shapes on pixel centres, the text
// on its baseline (a 16-pixel Liberation Sans rises 14 pixels above it) and escaped.
TEST(SvgCanvas, WritesEachCallInAGroupOfItsAttributes)
{
    SvgCanvas canvas(40, 20);
    canvas.pen = {Rgb(0x7c, 0x46, 0x33), 3, PenStyle::Solid};
    canvas.brush = {Rgb(250, 250, 144), BrushStyle::Solid};
    canvas.Rectangle(12, 8, 1, 2);
    canvas.pen = {Rgb(0, 0, 255), 1, PenStyle::Dot};
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 0);
    canvas.LineTo(10, 5);
    canvas.brush.Style = BrushStyle::Clear;
    canvas.font = {"arial", 12, true, Rgb(0, 128, 0)};
    canvas.TextOut(5, 5, "Years <&> \"é\"");
    canvas.pen.Style = PenStyle::Clear;
    canvas.LineTo(0, 0);
    EXPECT_EQ(canvas.Position().x, 0) << "expected a clear pen to move without drawing";
    EXPECT_EQ(
        canvas.FileBytes(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<svg width=\"40\" height=\"20\"\n"
        " viewBox=\"0 0 40 20\"\n"
        " xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"  version=\"1.2\" "
        "baseProfile=\"tiny\">\n"
        "<title>Vartel</title>\n"
        "<g fill=\"none\" stroke=\"black\" stroke-width=\"1\" fill-rule=\"evenodd\" stroke-linecap=\"square\" "
        "stroke-linejoin=\"bevel\" >\n"
        "\n"
        "<g fill=\"#fafa90\" fill-opacity=\"1\" stroke=\"#7c4633\" stroke-opacity=\"1\" stroke-width=\"3\" "
        "stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
        "<rect x=\"1.5\" y=\"2.5\" width=\"10\" height=\"5\"/>\n"
        "</g>\n"
        "\n"
        "<g fill=\"none\" stroke=\"#0000ff\" stroke-opacity=\"1\" stroke-dasharray=\"3,3\" stroke-dashoffset=\"0\" "
        "stroke-width=\"1\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\" stroke-miterlimit=\"2\">\n"
        "<polyline fill=\"none\" points=\"0.5,0.5 10.5,0.5\"/>\n"
        "<polyline fill=\"none\" points=\"10.5,0.5 10.5,5.5\"/>\n"
        "</g>\n"
        "\n"
        "<g fill=\"#008000\" fill-opacity=\"1\" stroke=\"none\" font-family=\"Liberation Sans\" font-size=\"16\" "
        "font-weight=\"700\" font-style=\"normal\">\n"
        "<text xml:space=\"preserve\" x=\"5\" y=\"19\">Years &lt;&amp;&gt; &quot;é&quot;</text>\n"
        "</g>\n"
        "</g>\n"
        "</svg>\n");
}

TEST(SvgCanvas, WideDottedPenIsRoundDotsEveryTwoWidthsAndOpaqueTextHasItsBox)
{
    SvgCanvas canvas(400, 200);
    canvas.pen = {Rgb(0, 0, 255), 4, PenStyle::Dot};
    canvas.MoveTo(10, 190);
    canvas.LineTo(390, 190);
    canvas.font = {"Times New Roman", 10, false, Rgb(0, 0, 0)};
    canvas.brush = {Rgb(255, 246, 241), BrushStyle::Solid};
    canvas.TextOut(7, 9, "Opaque");
    const std::string svg = canvas.FileBytes();
    EXPECT_NE(svg.find("stroke-dasharray=\"0.004,8\" stroke-dashoffset=\"0\" stroke-width=\"4\" "
                       "stroke-linecap=\"round\""),
              std::string::npos)
        << svg;
    const std::string box = "<g fill=\"#fff6f1\" fill-opacity=\"1\" stroke=\"none\">\n<rect x=\"7\" y=\"9\" width=\"" +
                            std::to_string(canvas.TextWidth("Opaque")) + "\" height=\"" +
                            std::to_string(canvas.TextHeight("Opaque")) + "\"/>";
    EXPECT_NE(svg.find(box), std::string::npos) << "expected the text's box on the brush colour: " << svg;
    EXPECT_NE(svg.find("font-family=\"Liberation Serif\" font-size=\"13\" font-weight=\"400\""), std::string::npos)
        << svg;
}

} // namespace
} // namespace vartel
