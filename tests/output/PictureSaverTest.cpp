// Choosing the format by the extension, and what a failed save reports.
#include "ExternalTool.h"
#include "TestDrawing.h"
#include "output/FileExtension.h"

#include "output/PictureSaver.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(FormatForExtension, OnlyTheSevenExtensionsInAnyCase)
{
    const std::pair<const char*, PictureFormat> cases[] = {
        {".EMF", PictureFormat::Emf},     {".Emf", PictureFormat::Emf},      {".emf", PictureFormat::Emf},
        {".wmf", PictureFormat::Wmf},     {".BMP", PictureFormat::Bmp},      {".jpg", PictureFormat::Jpeg},
        {".JpG", PictureFormat::Jpeg},    {".gif", PictureFormat::Gif},      {".Png", PictureFormat::Png},
        {".svg", PictureFormat::Svg},     {".jpeg", PictureFormat::Unknown}, {".JPEG", PictureFormat::Unknown},
        {"", PictureFormat::Unknown},     {".", PictureFormat::Unknown},     {"EMF", PictureFormat::Unknown},
        {".tif", PictureFormat::Unknown}, {".emf.", PictureFormat::Unknown},
    };
    for (const auto& [extension, format] : cases)
        EXPECT_EQ(FormatForExtension(extension), format) << "for the extension \"" << extension << "\"";
}

TEST(UpperExtension, LastDotOfTheNameOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/st/graph.Emf", ".EMF"},
        {"graph.jpg", ".JPG"},
        {"a.b.gif", ".GIF"},
        {"/tmp/dir.d/graph", ""},
        {"graph", ""},
        {"graph.", "."},
        {"/x/.svg", ".SVG"},
        {"", ""},
    };
    for (const auto& [name, extension] : cases)
        EXPECT_EQ(UpperExtension(name), extension) << "for the file name \"" << name << "\"";
}

TEST(UnsupportedExtensionMessage, NamesEveryWorkingExtension)
{
    const std::string message = UnsupportedExtensionMessage();
    for (const char* extension : {".emf", ".wmf", ".bmp", ".jpg", ".gif", ".png", ".svg"})
        EXPECT_NE(message.find(extension), std::string::npos) << "expected the message to name " << extension;
}

class PictureSaverFailures : public ::testing::Test {
protected:
    RasterImage bitmap_{test::TestDrawingWidth, test::TestDrawingHeight};
    ViewSource view_{&bitmap_, [](Canvas& c, int) { test::DrawTestPicture(c); }, 100, 50};
};

TEST_F(PictureSaverFailures, FullDeviceGivesAnErrorForEveryFormat)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "this system has no /dev/full";
    for (PictureFormat format : {PictureFormat::Emf, PictureFormat::Wmf, PictureFormat::Bmp, PictureFormat::Jpeg,
                                 PictureFormat::Gif, PictureFormat::Png, PictureFormat::Svg}) {
        const std::string error = SavePicture(format, "/dev/full", view_);
        EXPECT_NE(error, "") << "expected a full device to be reported, format " << static_cast<int>(format);
        EXPECT_NE(error.find("/dev/full"), std::string::npos) << "expected the error to name the file: " << error;
    }
}

TEST_F(PictureSaverFailures, MissingFolderNamesTheFileAndLeavesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("missing/graph.emf")).toStdString();
    const std::string error = SavePicture(PictureFormat::Emf, path, view_);
    EXPECT_NE(error.find(path), std::string::npos) << "expected the error to name the file: " << error;
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing")))) << "expected no folder made";
}

TEST_F(PictureSaverFailures, UnknownFormatWritesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("graph.jpeg")).toStdString();
    const std::string error = SavePicture(FormatForExtension(UpperExtension(path)), path, view_);
    EXPECT_NE(error.find(UnsupportedExtensionMessage()), std::string::npos) << "expected the extension explained";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << "expected no file for .jpeg";
}

TEST_F(PictureSaverFailures, MissingSourceIsAnErrorNotAnEmptyFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("graph.bmp")).toStdString();
    const ViewSource nothing{nullptr, {}, 0, 0};
    EXPECT_NE(SavePicture(PictureFormat::Bmp, path, nothing), "") << "expected an error without a bitmap";
    EXPECT_NE(SavePicture(PictureFormat::Emf, path, nothing), "") << "expected an error without a drawing";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << "expected no file written";
}

TEST(PictureSaver, VectorFormatsAreDrawnAtFourTimesTheViewSize)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int drawnAt = 0, width = 0, height = 0;
    const ViewSource view{nullptr,
                          [&](Canvas& c, int s) {
                              drawnAt = s;
                              width = c.Width();
                              height = c.Height();
                          },
                          231, 278};
    for (const char* name : {"p.emf", "p.wmf", "p.svg"}) {
        drawnAt = width = height = 0;
        const std::string path = dir.filePath(QLatin1String(name)).toStdString();
        EXPECT_EQ(SavePicture(FormatForExtension(UpperExtension(path)), path, view), "") << "expected " << name;
        EXPECT_EQ(drawnAt, 4) << "expected scale 4 for " << name;
        EXPECT_EQ(width, 924) << "expected the pyramid 924 wide in " << name;
        EXPECT_EQ(height, 1112) << "expected the pyramid 1112 high in " << name;
        EXPECT_GT(QFile(QString::fromStdString(path)).size(), 0) << "expected " << name << " written";
    }
}

} // namespace
} // namespace vartel
