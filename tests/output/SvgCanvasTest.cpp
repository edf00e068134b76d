// The SVG picture: drawn through QSvgGenerator, rendered again by Qt SVG and compared with the screen canvas.
#include "ExternalTool.h"
#include "TestDrawing.h"

#include "output/PictureSaver.h"
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

} // namespace
} // namespace vartel
