// The raster formats, decoded again by ImageMagick, djpeg and giftext: sizes and pixels as the bitmap.
#include "ExternalTool.h"
#include "TestDrawing.h"

#include "output/BmpEncoder.h"
#include "output/GifEncoder.h"
#include "output/JpegEncoder.h"
#include "output/PictureSaver.h"
#include "output/PngEncoder.h"
#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace vartel {
namespace {

RasterImage TestBitmap()
{
    RasterImage image(test::TestDrawingWidth, test::TestDrawingHeight);
    RasterCanvas canvas(image);
    test::DrawTestPicture(canvas);
    return image;
}

// Many more than 256 colours.
RasterImage GradientBitmap()
{
    RasterImage image(320, 200);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.Row(y)[x] = RasterImage::ValueOf(Rgb(x * 255 / 319, y, (x + 2 * y) % 256));
    return image;
}

// The pixels of `path` as ImageMagick decodes them, packed R, G, B.
std::string DecodedRgb(const std::string& path)
{
    const auto run = test::RunTool("convert", {path, "-depth", "8", "rgb:-"});
    EXPECT_EQ(run.exitCode, 0) << "expected ImageMagick to decode " << path << ": " << run.err;
    return run.out;
}

std::string PackedRgb(const RasterImage& image)
{
    std::string rgb;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Color c = image.PixelColor(x, y);
            rgb += static_cast<char>(RedOf(c));
            rgb += static_cast<char>(GreenOf(c));
            rgb += static_cast<char>(BlueOf(c));
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
    std::string Save(PictureFormat format, const std::string& name, const RasterImage& image)
    {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        const ViewSource view{&image, {}, image.Width(), image.Height()};
        const std::string error = SavePicture(format, path, view);
        EXPECT_EQ(error, "") << "expected " << name << " to be saved";
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(RasterWriters, BmpAndPngHoldTheBitmapExactly)
{
    REQUIRE_TOOL("convert");
    const RasterImage bitmap = TestBitmap();
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
    const RasterImage bitmap = TestBitmap();
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
    const RasterImage bitmap = GradientBitmap();
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
    RasterImage bitmap(16, 16);
    for (int i = 0; i < 256; ++i)
        bitmap.Row(i / 16)[i % 16] = RasterImage::ValueOf(Rgb(i, 255 - i, (i * 7) % 256));
    const std::string path = Save(PictureFormat::Gif, "all.gif", bitmap);
    EXPECT_EQ(DecodedRgb(path), PackedRgb(bitmap)) << "expected 256 colours to fit the palette exactly";
}

TEST_F(RasterWriters, JpegIsBaselineQuality100AndCloseToTheBitmap)
{
    REQUIRE_TOOL("convert");
    REQUIRE_TOOL("djpeg");
    const RasterImage bitmap = TestBitmap();
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
    EXPECT_NE(EncodeJpeg(RasterImage(), 100, out), "") << "expected an error for an empty picture";
    // libjpeg's own error path: it refuses an image wider than 65500 pixels.
    const RasterImage tooWide(70000, 1);
    EXPECT_NE(EncodeJpeg(tooWide, 100, out), "") << "expected an error text for a 70000 px wide picture";
    EXPECT_EQ(out, "") << "expected nothing encoded after failures";
}

TEST(GifEncoder, RefusesAnEmptyPicture)
{
    std::string out;
    EXPECT_NE(EncodeGif(RasterImage(), out), "") << "expected an error for an empty picture";
    EXPECT_EQ(out, "") << "expected nothing encoded";
}

// Three by two pixels, two of them coloured: the bytes Qt's BMP writer gave for the same picture at 96 dpi.
TEST(BmpEncoder, HeaderFieldsAndBottomUpPaddedRows)
{
    RasterImage image(3, 2);
    image.Row(0)[0] = RasterImage::ValueOf(Rgb(1, 2, 3));
    image.Row(1)[2] = RasterImage::ValueOf(Rgb(250, 128, 9));
    std::string out;
    ASSERT_EQ(EncodeBmp(image, out), "");
    const unsigned char expected[] = {
        'B',  'M',  78,   0,    0,    0,    0,    0,    0,    0, 54,   0,    0, 0, // file header
        40,   0,    0,    0,    3,    0,    0,    0,    2,    0, 0,    0,    1, 0, // size, 3 x 2, 1 plane
        24,   0,    0,    0,    0,    0,    24,   0,    0,    0, 0xc4, 0x0e, 0, 0, // 24 bits, BI_RGB, 24 bytes
        0xc4, 0x0e, 0,    0,    0,    0,    0,    0,    0,    0, 0,    0,          // 3780 per metre, no palette
        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 9,    128,  250,  0, 0,    0,          // the bottom row first, B G R
        3,    2,    1,    0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0, 0,    0,          // padded to 12 bytes
    };
    EXPECT_EQ(out, std::string(reinterpret_cast<const char*>(expected), sizeof expected));
    EXPECT_NE(EncodeBmp(RasterImage(), out), "") << "expected an error for an empty picture";
}

TEST(PngEncoder, QtDecodesEveryPixelAndTheResolution)
{
    const RasterImage bitmap = TestBitmap();
    std::string out;
    ASSERT_EQ(EncodePng(bitmap, out), "");
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(QByteArray::fromStdString(out), "PNG")) << "expected a PNG Qt reads";
    EXPECT_EQ(ToRasterImage(decoded), bitmap) << "expected every pixel as drawn";
    EXPECT_EQ(decoded.dotsPerMeterX(), 3780) << "expected the screen's 96 dpi";
    EXPECT_NE(EncodePng(RasterImage(), out), "") << "expected an error for an empty picture";
}

} // namespace
} // namespace vartel
