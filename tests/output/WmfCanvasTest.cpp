// The placeable Windows metafile: headers and object table checked by hand, the drawing read back by
// wmf2svg, and coordinates beyond the 16-bit range.
#include "ExternalTool.h"
#include "MetafileWalk.h"
#include "TestDrawing.h"

#include "output/SegmentClip.h"
#include "output/WmfCanvas.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vartel {
namespace {

using test::I16At;
using test::U16At;
using test::U32At;

enum : std::uint16_t {
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePen = 0x02FA,
    CreateFont = 0x02FB,
    CreateBrush = 0x02FC,
    TextOut = 0x0A32,
    SetBkMode = 0x0102
};

std::vector<test::WmfRecord> Walk(const std::string& bytes)
{
    std::string problem;
    auto records = test::WalkWmf(bytes, problem);
    EXPECT_EQ(problem, "") << "expected a clean record walk to META_EOF";
    return records;
}

TEST(WmfCanvas, HeadersAgreeWithTheRecords)
{
    WmfCanvas canvas(3388, 648);
    test::DrawTestPicture(canvas);
    const std::string bytes = canvas.FileBytes();
    EXPECT_EQ(U32At(bytes, 0), 0x9AC6CDD7U) << "expected the placeable key";
    EXPECT_EQ(I16At(bytes, 10), 3388) << "expected the bounding box right 3388";
    EXPECT_EQ(I16At(bytes, 12), 648) << "expected the bounding box bottom 648";
    EXPECT_EQ(U16At(bytes, 14), 96) << "expected 96 units per inch";
    std::uint16_t xorOfWords = 0;
    for (int i = 0; i < 10; ++i)
        xorOfWords ^= U16At(bytes, 2 * i);
    EXPECT_EQ(U16At(bytes, 20), xorOfWords) << "expected the checksum to be the XOR of the ten words before it";

    EXPECT_EQ(U16At(bytes, 24), 9) << "expected HeaderSize 9 words";
    EXPECT_EQ(U16At(bytes, 26), 0x0300) << "expected version 0x0300";
    EXPECT_EQ(22 + 2 * std::size_t{U32At(bytes, 28)}, bytes.size()) << "expected Size in words from META_HEADER";
    const auto records = Walk(bytes);
    std::uint32_t largest = 0;
    for (const auto& r : records)
        largest = std::max(largest, r.words);
    EXPECT_EQ(U32At(bytes, 34), largest) << "expected MaxRecord to be the largest record";

    // Replay the object table: lowest free index for every create, freed by every delete.
    std::set<std::uint16_t> alive;
    std::size_t mostAlive = 0;
    for (const auto& r : records) {
        if (r.function == CreatePen || r.function == CreateBrush || r.function == CreateFont) {
            std::uint16_t index = 0;
            while (alive.count(index) != 0)
                ++index;
            alive.insert(index);
            mostAlive = std::max(mostAlive, alive.size());
        } else if (r.function == SelectObject) {
            EXPECT_EQ(alive.count(U16At(bytes, r.offset + 6)), 1U) << "expected a select of a live object";
        } else if (r.function == DeleteObject) {
            EXPECT_EQ(alive.erase(U16At(bytes, r.offset + 6)), 1U) << "expected a delete of a live object";
        }
    }
    EXPECT_GE(U16At(bytes, 32), mostAlive) << "expected NumberOfObjects to hold every live object";
    EXPECT_LE(U16At(bytes, 32), 4) << "expected the object table to stay small";
}

TEST(WmfCanvas, NullPenAndBrushAreObjects)
{
    WmfCanvas canvas(100, 100);
    canvas.pen.Style = PenStyle::Clear;
    canvas.brush.Style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 10, 10); // draws nothing at all
    canvas.brush = {Rgb(1, 2, 3), BrushStyle::Solid};
    canvas.Rectangle(0, 0, 10, 10);
    canvas.pen = {Rgb(0, 0, 0), 1, PenStyle::Solid};
    canvas.brush.Style = BrushStyle::Clear;
    canvas.Rectangle(0, 0, 10, 10);
    const std::string bytes = canvas.FileBytes();
    std::vector<std::uint16_t> penStyles, brushStyles;
    for (const auto& r : Walk(bytes)) {
        if (r.function == CreatePen)
            penStyles.push_back(U16At(bytes, r.offset + 6));
        if (r.function == CreateBrush)
            brushStyles.push_back(U16At(bytes, r.offset + 6));
    }
    EXPECT_EQ(penStyles, (std::vector<std::uint16_t>{5, 0})) << "expected a PS_NULL pen, then a solid one";
    EXPECT_EQ(brushStyles, (std::vector<std::uint16_t>{0, 1})) << "expected a solid brush, then BS_NULL";
}

TEST(WmfCanvas, FarCoordinatesStayWithinSixteenBits)
{
    WmfCanvas canvas(3388, 648);
    canvas.pen = {Rgb(255, 51, 51), 12, PenStyle::Solid};
    canvas.MoveTo(348, -9'599'416); // the overpopulation line at zoom 20000, far above the picture
    canvas.LineTo(3360, -9'599'416);
    canvas.MoveTo(364, 584);
    canvas.LineTo(1000, -3'000'000); // a curve leaving the picture upwards
    const std::string bytes = canvas.FileBytes();
    std::vector<std::pair<int, int>> points;
    for (const auto& r : Walk(bytes))
        if (r.function == MoveTo || r.function == LineTo)
            points.emplace_back(I16At(bytes, r.offset + 8), I16At(bytes, r.offset + 6));
    ASSERT_EQ(points.size(), 2U) << "expected the line wholly outside the 16-bit range left out, the other cut";
    EXPECT_EQ(points[0], std::make_pair(364, 584)) << "expected the visible start kept";
    EXPECT_EQ(points[1].second, -32768) << "expected the end cut at the top of the 16-bit range";
    // The cut keeps the direction: x advances by 636 over 3,000,584 rows.
    const double expectedX = 364 + 636.0 * (584 + 32768) / 3'000'584.0;
    EXPECT_NEAR(points[1].first, expectedX, 0.5) << "expected the cut end on the original line";
}

TEST(SegmentClip, CutsToTheBoxAndKeepsInsideSegments)
{
    const ClipBox box{0, 0, 100, 100};
    auto inside = ClipSegment({10, 10}, {90, 50}, box);
    ASSERT_TRUE(inside.has_value());
    EXPECT_EQ(inside->first.x, 10);
    EXPECT_EQ(inside->second.y, 50) << "expected a segment inside the box unchanged";

    auto across = ClipSegment({-100, 50}, {200, 50}, box);
    ASSERT_TRUE(across.has_value());
    EXPECT_EQ(across->first.x, 0) << "expected the left end cut to the box";
    EXPECT_EQ(across->second.x, 100) << "expected the right end cut to the box";

    EXPECT_FALSE(ClipSegment({-10, -10}, {-5, 200}, box).has_value()) << "expected a segment left of the box dropped";
    EXPECT_FALSE(ClipSegment({150, 150}, {300, 120}, box).has_value()) << "expected a segment beside it dropped";
    auto point = ClipSegment({5, 5}, {5, 5}, box);
    ASSERT_TRUE(point.has_value()) << "expected a point inside the box kept";
}

TEST(WmfCanvas, WideDottedLinesBecomeRoundDots)
{
    WmfCanvas canvas(400, 200);
    canvas.pen = {Rgb(0, 0, 255), 4, PenStyle::Dot};
    canvas.MoveTo(10, 190);
    canvas.LineTo(90, 190);
    const std::string bytes = canvas.FileBytes();
    int lines = 0;
    std::vector<std::uint16_t> penStyles;
    for (const auto& r : Walk(bytes)) {
        lines += r.function == LineTo ? 1 : 0;
        if (r.function == CreatePen)
            penStyles.push_back(U16At(bytes, r.offset + 6));
    }
    EXPECT_EQ(lines, 10) << "expected a dot every 8 px over 80 px";
    EXPECT_EQ(penStyles, std::vector<std::uint16_t>{0}) << "expected the dots drawn with a solid 4 px pen";
    EXPECT_EQ(canvas.Position().x, 90) << "expected the position at the line's end";
}

TEST(WmfCanvas, Wmf2SvgReadsTheDrawingBack)
{
    REQUIRE_TOOL("wmf2svg");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string wmf = dir.filePath("drawing.wmf").toStdString();
    const std::string svg = dir.filePath("drawing.svg").toStdString();
    WmfCanvas canvas(test::TestDrawingWidth, test::TestDrawingHeight);
    test::DrawTestPicture(canvas);
    ASSERT_TRUE(test::WriteBytes(wmf, canvas.FileBytes()));
    const auto run = test::RunTool("wmf2svg", {"-o", svg, wmf});
    ASSERT_EQ(run.exitCode, 0) << "expected wmf2svg to accept the file: " << run.err;
    const QString out = QString::fromStdString(test::ReadBytes(svg));
    EXPECT_TRUE(out.contains(QStringLiteral("width=\"400\" height=\"200\""))) << "expected a 400 x 200 picture";
    EXPECT_EQ(out.count(QStringLiteral("<rect")), 3) << "expected the three rectangles";
    // The dotted line, two curve segments and the wide dotted line's 48 dots.
    EXPECT_EQ(out.count(QStringLiteral("<line")), 3 + 48) << "expected every line";
    EXPECT_TRUE(out.contains(QStringLiteral("stroke-dasharray:0.995025 1.990050"))) << "expected the dotted 1 px pen";
    // wmf2svg places every character by its advance.
    EXPECT_EQ(out.count(QStringLiteral("<text")), 11) << "expected the characters of \"Opaque\" and \"Years\"";
    EXPECT_TRUE(out.contains(QStringLiteral(">O</text>"))) << "expected the text on the solid brush";
    EXPECT_TRUE(out.contains(QStringLiteral("font-weight:bold; font-size:12.935322; fill:blue")))
        << "expected the bold blue 13 px text";
    for (const char* colour : {"khaki", "peru", "green", "lime", "saddlebrown", "blue"})
        EXPECT_TRUE(out.contains(QLatin1String(colour))) << "expected the colour " << colour;
}

} // namespace
} // namespace vartel
