// The raster formats, decoded again by ImageMagick, djpeg and giftext: sizes and pixels as the bitmap.
#include "ExternalTool.h"
#include "TestDrawing.h"

#include "output/GifEncoder.h"
#include "output/JpegEncoder.h"
#include "output/PictureSaver.h"
#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace vartel {
namespace {

QImage TestBitmap()
{
    RasterImage image(test::TestDrawingWidth, test::TestDrawingHeight);
    RasterCanvas canvas(image);
    test::DrawTestPicture(canvas);
    return ToQImage(image);
}

// Many more than 256 colours.
QImage GradientBitmap()
{
    QImage image(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / 319, y, (x + 2 * y) % 256));
    return image;
}

// The pixels of `path` as ImageMagick decodes them, packed R, G, B.
std::string DecodedRgb(const std::string& path)
{
    const auto run = test::RunTool("convert", {path, "-depth", "8", "rgb:-"});
    EXPECT_EQ(run.exitCode, 0) << "expected ImageMagick to decode " << path << ": " << run.err;
    return run.out;
}

std::string PackedRgb(const QImage& image)
{
    std::string rgb;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            rgb += static_cast<char>(qRed(p));
            rgb += static_cast<char>(qGreen(p));
            rgb += static_cast<char>(qBlue(p));
        }
    return rgb;
}

struct Difference {
    double mean = 0;
    int largest = 0;
};

Difference Compare(const std::string& a, const std::string& b)
{
    Difference d;
    if (a.size() != b.size() || a.empty())
        return {1e9, 255};
    long long sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int diff = std::abs(static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]));
        sum += diff;
        d.largest = std::max(d.largest, diff);
    }
    d.mean = static_cast<double>(sum) / static_cast<double>(a.size());
    return d;
}

std::string Identify(const std::string& path, const std::string& format)
{
    const auto run = test::RunTool("identify", {"-format", format, path});
    EXPECT_EQ(run.exitCode, 0) << "expected identify to read " << path << ": " << run.err;
    return run.out;
}

class RasterWriters : public ::testing::Test {
protected:
    std::string Save(PictureFormat format, const std::string& name, const QImage& image)
    {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        const RasterImage bitmap = ToRasterImage(image);
        const ViewSource view{&bitmap, {}, image.width(), image.height()};
        const std::string error = SavePicture(format, path, view);
        EXPECT_EQ(error, "") << "expected " << name << " to be saved";
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(RasterWriters, BmpAndPngHoldTheBitmapExactly)
{
    REQUIRE_TOOL("convert");
    const QImage bitmap = TestBitmap();
    for (auto [format, name, magick] :
         {std::tuple{PictureFormat::Bmp, "graph.bmp", "BMP3"}, std::tuple{PictureFormat::Png, "graph.png", "PNG"}}) {
        const std::string path = Save(format, name, bitmap);
        EXPECT_EQ(Identify(path, "%m %w %h"), std::string(magick) + " 400 200") << "expected a 400 x 200 " << magick;
        EXPECT_EQ(DecodedRgb(path), PackedRgb(bitmap)) << "expected every pixel of " << name << " as drawn";
    }
}

TEST_F(RasterWriters, GifWithFewColoursIsExact)
{
    REQUIRE_TOOL("convert");
    REQUIRE_TOOL("giftext");
    const QImage bitmap = TestBitmap();
    const std::string path = Save(PictureFormat::Gif, "pyramid.gif", bitmap);
    EXPECT_EQ(Identify(path, "%m %w %h "), "GIF 400 200 ") << "expected one 400 x 200 GIF image";
    EXPECT_EQ(DecodedRgb(path), PackedRgb(bitmap)) << "expected the exact palette to keep every pixel";
    const auto text = test::RunTool("giftext", {path});
    ASSERT_EQ(text.exitCode, 0) << "expected giftext to read the file: " << text.err;
    std::istringstream lines(text.out);
    int images = 0;
    for (std::string line; std::getline(lines, line);)
        images += line.find("Image #") != std::string::npos ? 1 : 0;
    EXPECT_EQ(images, 1) << "expected exactly one image in the GIF";
    EXPECT_NE(text.out.find("Global Color Map"), std::string::npos) << "expected a global palette";
}

TEST_F(RasterWriters, GifWithManyColoursIsQuantised)
{
    REQUIRE_TOOL("convert");
    const QImage bitmap = GradientBitmap();
    const std::string path = Save(PictureFormat::Gif, "gradient.gif", bitmap);
    EXPECT_EQ(Identify(path, "%m %w %h "), "GIF 320 200 ") << "expected one 320 x 200 GIF image";
    EXPECT_LE(std::stoi(Identify(path, "%k")), 256) << "expected at most 256 colours";
    const Difference d = Compare(DecodedRgb(path), PackedRgb(bitmap));
    // A smooth three-way gradient is the hardest case for 256 colours.
    EXPECT_LT(d.mean, 12.0) << "expected the reduced colours close to the originals";
    EXPECT_LT(d.largest, 80) << "expected no colour far off";
}

TEST_F(RasterWriters, GifOfExactly256ColoursKeepsThemAll)
{
    REQUIRE_TOOL("convert");
    QImage bitmap(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i)
        bitmap.setPixel(i % 16, i / 16, qRgb(i, 255 - i, (i * 7) % 256));
    const std::string path = Save(PictureFormat::Gif, "all.gif", bitmap);
    EXPECT_EQ(DecodedRgb(path), PackedRgb(bitmap)) << "expected 256 colours to fit the palette exactly";
}

TEST_F(RasterWriters, JpegIsBaselineQuality100AndCloseToTheBitmap)
{
    REQUIRE_TOOL("convert");
    REQUIRE_TOOL("djpeg");
    const QImage bitmap = TestBitmap();
    const std::string path = Save(PictureFormat::Jpeg, "graph.jpg", bitmap);
    EXPECT_EQ(Identify(path, "%m %w %h %Q %[interlace] %[colorspace]"), "JPEG 400 200 100 None sRGB")
        << "expected a 400 x 200 colour baseline JPEG at quality 100";
    const Difference magick = Compare(DecodedRgb(path), PackedRgb(bitmap));
    EXPECT_LT(magick.mean, 3.0) << "expected quality 100 to stay close to the bitmap";

    const auto run = test::RunTool("djpeg", {"-pnm", path});
    ASSERT_EQ(run.exitCode, 0) << "expected djpeg to decode the file: " << run.err;
    EXPECT_EQ(run.out.rfind("P6\n400 200\n255\n", 0), 0U) << "expected djpeg to give a 400 x 200 colour image";

    // Subsampled colour turns the 1-pixel green and blue equilibrium dashes into an olive line.
    EXPECT_EQ(Identify(path, "%[jpeg:sampling-factor] %x %y %U"), "1x1,1x1,1x1 96 96 PixelsPerInch")
        << "expected full colour resolution and the screen's 96 dpi in the JFIF header";
}

TEST(JpegEncoder, FailsCleanlyInsteadOfEndingTheProcess)
{
    std::string out;
    EXPECT_NE(EncodeJpeg(QImage(), 100, out), "") << "expected an error for an empty picture";
    // libjpeg's own error path: it refuses an image wider than 65500 pixels.
    const QImage tooWide(70000, 1, QImage::Format_RGB32);
    EXPECT_NE(EncodeJpeg(tooWide, 100, out), "") << "expected an error text for a 70000 px wide picture";
    EXPECT_EQ(out, "") << "expected nothing encoded after failures";
}

TEST(GifEncoder, RefusesAnEmptyPicture)
{
    std::string out;
    EXPECT_NE(EncodeGif(QImage(), out), "") << "expected an error for an empty picture";
    EXPECT_EQ(out, "") << "expected nothing encoded";
}

} // namespace
} // namespace vartel
