// The enhanced metafile: its structure walked by hand, and the drawing read back by emf2svg-conv.
#include "ExternalTool.h"
#include "MetafileWalk.h"
#include "TestDrawing.h"

#include "output/EmfCanvas.h"
#include "views/TextMetrics.h"

#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vartel {
namespace {

using test::I32At;
using test::U16At;
using test::U32At;

enum : std::uint32_t {
    Header = 1,
    Eof = 14,
    SetBkMode = 18,
    SetTextColor = 24,
    SetBkColor = 25,
    SelectObject = 37,
    CreatePen = 38,
    CreateBrush = 39,
    DeleteObject = 40,
    RectangleRecord = 43,
    CreateFont = 82,
    TextRecord = 84,
    ExtCreatePen = 95
};

std::vector<test::EmfRecord> Walk(const std::string& bytes)
{
    std::string problem;
    auto records = test::WalkEmf(bytes, problem);
    EXPECT_EQ(problem, "") << "expected a clean record walk from EMR_HEADER to EMR_EOF";
    return records;
}

std::map<std::uint32_t, int> CountTypes(const std::vector<test::EmfRecord>& records)
{
    std::map<std::uint32_t, int> counts;
    for (const auto& r : records)
        ++counts[r.type];
    return counts;
}

TEST(EmfCanvas, HeaderAgreesWithTheRecords)
{
    EmfCanvas canvas(3388, 648);
    test::DrawTestPicture(canvas);
    const std::string bytes = canvas.FileBytes();
    const auto records = Walk(bytes);
    ASSERT_GE(records.size(), 2U);
    EXPECT_EQ(records.front().type, Header) << "expected EMR_HEADER first";
    EXPECT_EQ(U32At(bytes, 40), 0x464D4520U) << "expected the \" EMF\" signature";
    EXPECT_EQ(U32At(bytes, 48), bytes.size()) << "expected Bytes to be the file size";
    EXPECT_EQ(U32At(bytes, 52), records.size()) << "expected Records to count header and EOF too";
    EXPECT_EQ(U32At(bytes, bytes.size() - 4), 20U) << "expected SizeLast of EMR_EOF as the last u32";

    EXPECT_EQ(I32At(bytes, 8), 0);
    EXPECT_EQ(I32At(bytes, 16), 3387) << "expected inclusive bounds 0..3387";
    EXPECT_EQ(I32At(bytes, 20), 647) << "expected inclusive bounds 0..647";
    EXPECT_EQ(I32At(bytes, 32), 89640) << "expected the frame round(3388*2540/96)-1 in 0.01 mm";
    EXPECT_EQ(I32At(bytes, 36), 17144) << "expected the frame round(648*2540/96)-1 in 0.01 mm";
    // Frame and bounds agree through the reference device: 0.01 mm per pixel = 100 mm / px.
    const double perPixelX = 100.0 * I32At(bytes, 80) / I32At(bytes, 72);
    const double perPixelY = 100.0 * I32At(bytes, 84) / I32At(bytes, 76);
    EXPECT_NEAR(perPixelX, 2540.0 / 96.0, 1e-9) << "expected a 96-dpi reference device horizontally";
    EXPECT_NEAR(perPixelY, 2540.0 / 96.0, 1e-9) << "expected a 96-dpi reference device vertically";

    std::uint32_t highest = 0;
    for (const auto& r : records)
        if (r.type == CreatePen || r.type == CreateBrush || r.type == CreateFont || r.type == ExtCreatePen)
            highest = std::max(highest, U32At(bytes, r.offset + 8));
    EXPECT_EQ(U16At(bytes, 56), highest + 1) << "expected Handles = highest object index + 1";
    EXPECT_GE(highest, 1U) << "expected objects to start at index 1 (0 is the metafile)";
}

TEST(EmfCanvas, EmptyPictureIsStillComplete)
{
    EmfCanvas canvas(924, 1112);
    const std::string bytes = canvas.FileBytes();
    const auto records = Walk(bytes);
    EXPECT_EQ(records.size(), 2U) << "expected just EMR_HEADER and EMR_EOF";
    EXPECT_EQ(U16At(bytes, 56), 1) << "expected Handles 1: only the metafile itself";
}

TEST(EmfCanvas, ObjectsAreCreatedOnlyWhenTheStateChanges)
{
    EmfCanvas canvas(400, 200);
    canvas.pen = {Rgb(1, 2, 3), 1, PenStyle::Solid};
    canvas.brush = {Rgb(4, 5, 6), BrushStyle::Solid};
    for (int i = 0; i < 10; ++i)
        canvas.Rectangle(i, i, i + 20, i + 20);
    canvas.MoveTo(0, 0);
    for (int i = 1; i <= 10; ++i)
        canvas.LineTo(i * 10, i * 5);
    auto counts = CountTypes(Walk(canvas.FileBytes()));
    EXPECT_EQ(counts[CreatePen], 1) << "expected one pen for ten rectangles and ten lines of the same pen";
    EXPECT_EQ(counts[CreateBrush], 1) << "expected one brush for ten rectangles";
    EXPECT_EQ(counts[27], 1) << "expected one MOVETOEX: each LineTo continues from the last";

    for (int i = 0; i < 50; ++i) {
        canvas.pen.Color = Rgb(i, 0, 0);
        canvas.brush.Color = Rgb(0, i, 0);
        canvas.Rectangle(0, 0, 10, 10);
    }
    const std::string bytes = canvas.FileBytes();
    counts = CountTypes(Walk(bytes));
    EXPECT_EQ(counts[CreatePen], 51) << "expected a new pen for every new colour";
    EXPECT_EQ(counts[DeleteObject], 100) << "expected every replaced pen and brush deleted";
    EXPECT_LE(U16At(bytes, 56), 4) << "expected the object table to stay small";
}

TEST(EmfCanvas, ClearPenAndBrushUseStockObjects)
{
    EmfCanvas canvas(100, 100);
    canvas.pen.Style = PenStyle::Clear;
    canvas.brush = {Rgb(9, 9, 9), BrushStyle::Solid};
    canvas.Rectangle(0, 0, 50, 50);
    canvas.pen = {Rgb(0, 0, 0), 1, PenStyle::Solid};
    canvas.brush.Style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 50, 50);
    const std::string bytes = canvas.FileBytes();
    std::vector<std::uint32_t> selected;
    for (const auto& r : Walk(bytes))
        if (r.type == SelectObject)
            selected.push_back(U32At(bytes, r.offset + 8));
    EXPECT_NE(std::find(selected.begin(), selected.end(), 0x80000008U), selected.end()) << "expected NULL_PEN";
    EXPECT_NE(std::find(selected.begin(), selected.end(), 0x80000005U), selected.end()) << "expected NULL_BRUSH";
    for (const auto& r : Walk(bytes)) {
        if (r.type == DeleteObject) {
            EXPECT_EQ(U32At(bytes, r.offset + 8) & 0x80000000U, 0U) << "expected stock objects never deleted";
        }
    }
}

TEST(EmfCanvas, PensKeepTheirWidthAndDots)
{
    EmfCanvas canvas(100, 100);
    canvas.pen = {Rgb(0, 255, 0), 1, PenStyle::Dot};
    canvas.LineTo(50, 0);
    canvas.pen = {Rgb(0, 0, 255), 4, PenStyle::Dot};
    canvas.LineTo(50, 50);
    canvas.pen = {Rgb(124, 70, 51), 12, PenStyle::Solid};
    canvas.LineTo(0, 50);
    const std::string bytes = canvas.FileBytes();
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pens; // style, width
    for (const auto& r : Walk(bytes)) {
        if (r.type == CreatePen)
            pens.emplace_back(U32At(bytes, r.offset + 12), U32At(bytes, r.offset + 16));
        if (r.type == ExtCreatePen)
            pens.emplace_back(U32At(bytes, r.offset + 28), U32At(bytes, r.offset + 32));
    }
    ASSERT_EQ(pens.size(), 3U);
    EXPECT_EQ(pens[0], std::make_pair(2U, 1U)) << "expected a cosmetic PS_DOT pen of width 1";
    EXPECT_EQ(pens[1], std::make_pair(0x10002U, 4U)) << "expected PS_GEOMETRIC|PS_DOT for a dotted 4 px pen";
    EXPECT_EQ(pens[2], std::make_pair(0x10000U, 12U)) << "expected a geometric solid pen of width 12";
}

TEST(EmfCanvas, TextRecordsFontBackgroundAndAdvances)
{
    EmfCanvas canvas(3388, 648);
    canvas.font = {"times new roman", 40, true, Rgb(0, 0, 255)};
    canvas.brush = {Rgb(255, 246, 241), BrushStyle::Solid};
    canvas.TextOut(12, 34, "Years");
    canvas.brush.Style = BrushStyle::Clear;
    canvas.TextOut(50, 60, "Age");
    const std::string bytes = canvas.FileBytes();
    const auto records = Walk(bytes);

    std::vector<std::uint32_t> modes;
    std::uint32_t bkColour = 0, textColour = 0;
    int texts = 0;
    for (const auto& r : records) {
        if (r.type == SetBkMode)
            modes.push_back(U32At(bytes, r.offset + 8));
        if (r.type == SetBkColor)
            bkColour = U32At(bytes, r.offset + 8);
        if (r.type == SetTextColor)
            textColour = U32At(bytes, r.offset + 8);
        if (r.type == CreateFont) {
            EXPECT_EQ(I32At(bytes, r.offset + 12), -53) << "expected height -round(40*96/72)";
            EXPECT_EQ(I32At(bytes, r.offset + 28), 700) << "expected weight 700 for bold";
            QString face;
            for (int i = 0; i < 32 && U16At(bytes, r.offset + 40 + 2 * i) != 0; ++i)
                face += QChar(U16At(bytes, r.offset + 40 + 2 * i));
            EXPECT_EQ(face.toStdString(), "Times New Roman") << "expected the face as the system names it";
        }
        if (r.type == TextRecord && texts++ == 0) {
            EXPECT_EQ(I32At(bytes, r.offset + 36), 12) << "expected the reference point at the top-left x";
            EXPECT_EQ(I32At(bytes, r.offset + 40), 34) << "expected the reference point at the top-left y";
            const std::uint32_t chars = U32At(bytes, r.offset + 44);
            ASSERT_EQ(chars, 5U);
            QString text;
            for (std::uint32_t i = 0; i < chars; ++i)
                text += QChar(U16At(bytes, r.offset + U32At(bytes, r.offset + 48) + 2 * i));
            EXPECT_EQ(text.toStdString(), "Years");
            int sum = 0;
            for (std::uint32_t i = 0; i < chars; ++i)
                sum += I32At(bytes, r.offset + U32At(bytes, r.offset + 72) + 4 * i);
            EXPECT_EQ(sum, TextWidthOf(canvas.font, "Years")) << "expected the advances to add up to TextWidth";
        }
    }
    EXPECT_EQ(texts, 2);
    EXPECT_EQ(modes, (std::vector<std::uint32_t>{2, 1})) << "expected OPAQUE on the solid brush, then TRANSPARENT";
    EXPECT_EQ(bkColour, Rgb(255, 246, 241)) << "expected the brush colour behind opaque text";
    EXPECT_EQ(textColour, Rgb(0, 0, 255)) << "expected the font colour as text colour";
    EXPECT_EQ(CountTypes(records)[CreateFont], 1) << "expected one font for two texts in the same font";
}

TEST(EmfCanvas, DottedLinesHaveTransparentGapsEvenOnASolidBrush)
{
    EmfCanvas canvas(100, 100);
    canvas.brush = {Rgb(255, 246, 241), BrushStyle::Solid};
    canvas.pen = {Rgb(0, 0, 255), 4, PenStyle::Dot};
    canvas.MoveTo(0, 10);
    canvas.LineTo(90, 10);
    const std::string bytes = canvas.FileBytes();
    std::vector<std::uint32_t> modes;
    for (const auto& r : Walk(bytes))
        if (r.type == SetBkMode)
            modes.push_back(U32At(bytes, r.offset + 8));
    EXPECT_EQ(modes, std::vector<std::uint32_t>{1}) << "expected TRANSPARENT before a dotted line";
}

TEST(EmfCanvas, Emf2SvgReadsTheDrawingBack)
{
    REQUIRE_TOOL("emf2svg-conv");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string emf = dir.filePath("drawing.emf").toStdString();
    const std::string svg = dir.filePath("drawing.svg").toStdString();
    EmfCanvas canvas(test::TestDrawingWidth, test::TestDrawingHeight);
    test::DrawTestPicture(canvas);
    ASSERT_TRUE(test::WriteBytes(emf, canvas.FileBytes()));
    const auto run = test::RunTool("emf2svg-conv", {"-i", emf, "-o", svg});
    ASSERT_EQ(run.exitCode, 0) << "expected emf2svg-conv to accept the file: " << run.err;
    const QString out = QString::fromStdString(test::ReadBytes(svg));
    // emf2svg sizes its SVG one pixel short of the bounds.
    EXPECT_TRUE(out.contains(QStringLiteral("width=\"399.0000\" height=\"199.0000\""))) << "expected 400 x 200";
    EXPECT_EQ(out.count(QStringLiteral("<rect")), 3) << "expected the three rectangles";
    EXPECT_TRUE(out.contains(QStringLiteral("x=\"150.0000\" y=\"20.0000\" width=\"20.0000\" height=\"20.0000\"")))
        << "expected the swapped corners normalised";
    EXPECT_EQ(out.count(QStringLiteral("<path")), 4) << "expected the dotted line, two curve segments, the wide dots";
    EXPECT_TRUE(out.contains(QStringLiteral("stroke-dasharray"))) << "expected the dotted lines dashed";
    EXPECT_TRUE(out.contains(QStringLiteral("stroke=\"#7C4633\" stroke-width=\"3.0000\""))) << "expected the 3 px pen";
    EXPECT_TRUE(out.contains(QStringLiteral("[Opaque]"))) << "expected the text on the solid brush";
    EXPECT_TRUE(out.contains(QStringLiteral("[Years]"))) << "expected the text on the clear brush";
    EXPECT_TRUE(out.contains(QStringLiteral("font-family=\"Times New Roman\""))) << "expected the face name";
    EXPECT_TRUE(out.contains(QStringLiteral("font-weight=\"700\""))) << "expected the bold text";
    for (const char* colour : {"#FAFA90", "#C08450", "#008000", "#00FF00", "#0000FF"})
        EXPECT_TRUE(out.contains(QLatin1String(colour))) << "expected the colour " << colour;
}

} // namespace
} // namespace vartel
