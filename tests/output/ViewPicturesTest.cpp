// The real graph and pyramid saved as vector pictures at scale 4, read back by the decoders.
#include "ExternalTool.h"
#include "MetafileWalk.h"
#include "output/FileExtension.h"

#include "model/SimulationState.h"
#include "output/PictureSaver.h"
#include "output/WmfCanvas.h"
#include "views/GraphView.h"
#include "views/PyramidView.h"

#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace vartel {
namespace {

std::unique_ptr<SimulationState> HandFilledState()
{
    auto st = std::make_unique<SimulationState>();
    st->Year = 1200;
    st->GraphMode = 1;
    st->ZoomFactor = 1;
    st->StableLevel = 2'000'000;
    for (int y = 0; y <= st->Year; ++y) {
        st->ExactPopHistory[y] = 10'000.0 + 1'000.0 * y;
        st->PopHistory[y] = st->ExactPopHistory[y];
        for (int k = 0; k < ClassCount; ++k)
            st->PyramidHistory[y][k] = 100.0 * (ClassCount - k);
    }
    const char* letters = "SAMHPEB";
    for (int i = 0; i < 7; ++i)
        st->Stages[i].Letter = std::string(1, letters[i]);
    st->Stages[1].Year = 1000; // A reached
    return st;
}

class ViewPictures : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string SaveGraph(const std::string& name, const KeptCurves& kept = {})
    {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        const SimulationState& st = *state_;
        const ViewSource view{nullptr, [&st, &kept](Canvas& c, int s) { DrawGraph(c, st, true, s, kept); }, GraphWidth,
                              GraphHeight};
        EXPECT_EQ(SavePicture(FormatForExtension(UpperExtension(path)), path, view), "") << "expected " << name;
        return path;
    }

    std::string SavePyramid(const std::string& name)
    {
        const std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        const SimulationState& st = *state_;
        const ViewSource view{nullptr, [&st](Canvas& c, int s) { DrawPyramid(c, st, st.Year, s); }, PyramidWidth,
                              PyramidHeight};
        EXPECT_EQ(SavePicture(FormatForExtension(UpperExtension(path)), path, view), "") << "expected " << name;
        return path;
    }

    QString Emf2Svg(const std::string& emf)
    {
        const std::string svg = emf + ".svg";
        const auto run = test::RunTool("emf2svg-conv", {"-i", emf, "-o", svg});
        EXPECT_EQ(run.exitCode, 0) << "expected emf2svg-conv to read " << emf << ": " << run.err;
        return QString::fromStdString(test::ReadBytes(svg));
    }

    QString Wmf2Svg(const std::string& wmf)
    {
        const std::string svg = wmf + ".svg";
        // wmf2svg shrinks anything wider than 768 unless told otherwise.
        const auto run = test::RunTool("wmf2svg", {"--maxwidth=4000", "--maxheight=4000", "-o", svg, wmf});
        EXPECT_EQ(run.exitCode, 0) << "expected wmf2svg to read " << wmf << ": " << run.err;
        return QString::fromStdString(test::ReadBytes(svg));
    }

    std::unique_ptr<SimulationState> state_ = HandFilledState();
    QTemporaryDir dir_;
};

TEST_F(ViewPictures, GraphAsEmfHasItsFrameTextsAndCurve)
{
    REQUIRE_TOOL("emf2svg-conv");
    const std::string path = SaveGraph("graph.Emf");
    const std::string bytes = test::ReadBytes(path);
    std::string problem;
    const auto records = test::WalkEmf(bytes, problem);
    EXPECT_EQ(problem, "") << "expected a clean record walk";
    EXPECT_EQ(test::I32At(bytes, 16), 3387) << "expected a frame 3388 wide";
    EXPECT_EQ(test::I32At(bytes, 20), 647) << "expected a frame 648 high";
    EXPECT_LE(test::U16At(bytes, 56), 5) << "expected the lazy objects to keep the table small";

    const QString svg = Emf2Svg(path);
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"3387.0000\" height=\"647.0000\""))) << "expected 3388 x 648";
    for (const char* text : {"[Years]", "[Population]", "[(millions)]", "[2800]", "[3,5]", "[A]"})
        EXPECT_TRUE(svg.contains(QLatin1String(text))) << "expected the text " << text;
    EXPECT_TRUE(svg.contains(QStringLiteral("font-size=\"53.0000\""))) << "expected 40-point labels";
    EXPECT_TRUE(svg.contains(QStringLiteral("font-size=\"16.0000\""))) << "expected the 12-point stage letter";
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke=\"#7C4633\" stroke-width=\"12.0000\"")))
        << "expected the curve's 12 px pen";
    EXPECT_TRUE(svg.contains(QStringLiteral("#FF8888"))) << "expected the overpopulation strip";
    EXPECT_GT(svg.count(QStringLiteral("<path")), 1200) << "expected a curve segment per year and the grid";
}

TEST_F(ViewPictures, PyramidAsEmfHasItsLayersAndLabels)
{
    REQUIRE_TOOL("emf2svg-conv");
    const QString svg = Emf2Svg(SavePyramid("pyramid.emf"));
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"923.0000\" height=\"1111.0000\""))) << "expected 924 x 1112";
    EXPECT_EQ(svg.count(QStringLiteral("<rect")), 1 + ClassCount) << "expected the background and 22 layers";
    for (const char* text : {"[Age]", "[Year]", "[(years)]", "[1200]", "[65]"})
        EXPECT_TRUE(svg.contains(QLatin1String(text))) << "expected the text " << text;
    EXPECT_TRUE(svg.contains(QStringLiteral("stroke-dasharray"))) << "expected the dotted age lines";
}

TEST_F(ViewPictures, GraphAndPyramidAsWmfAreRead)
{
    REQUIRE_TOOL("wmf2svg");
    const QString graph = Wmf2Svg(SaveGraph("graph.wmf"));
    EXPECT_TRUE(graph.contains(QStringLiteral("width=\"3388\" height=\"648\""))) << "expected 3388 x 648";
    EXPECT_TRUE(graph.contains(QStringLiteral(">Y</text>"))) << "expected the graph's texts";
    const QString pyramid = Wmf2Svg(SavePyramid("pyramid.WMF"));
    EXPECT_TRUE(pyramid.contains(QStringLiteral("width=\"924\" height=\"1112\""))) << "expected 924 x 1112";
    EXPECT_EQ(pyramid.count(QStringLiteral("<rect")), 1 + ClassCount) << "expected the background and 22 layers";
}

// The screen leaves out a rectangle with no inside; players of a recorded one draw it as a pole of the pen.
TEST_F(ViewPictures, RectanglesWithNoInsideAreNotRecorded)
{
    for (int k : {3, 8, 20, 21})
        state_->PyramidHistory[state_->Year][k] = 0.0; // empty layers, as wide as nothing
    const std::string wmf = test::ReadBytes(SavePyramid("pyramid.wmf"));
    std::string problem;
    int rectangles = 0;
    for (const auto& r : test::WalkWmf(wmf, problem)) {
        if (r.function != 0x041B) // META_RECTANGLE: bottom, right, top, left
            continue;
        ++rectangles;
        EXPECT_TRUE(test::I16At(wmf, r.offset + 8) > test::I16At(wmf, r.offset + 12) &&
                    test::I16At(wmf, r.offset + 6) > test::I16At(wmf, r.offset + 10))
            << "expected no rectangle without inside";
    }
    EXPECT_EQ(rectangles, 1 + ClassCount - 4) << "the background and the 18 filled layers";
    WmfCanvas clearPen(100, 100); // without a pen the fill is a pixel narrower: one pixel across is nothing
    clearPen.pen.Style = PenStyle::Clear;
    clearPen.Rectangle(10, 10, 11, 50);
    EXPECT_EQ(clearPen.FileBytes(), WmfCanvas(100, 100).FileBytes()) << "expected nothing recorded";
}

TEST_F(ViewPictures, GraphAsSvgHasItsFrameAndTexts)
{
    const std::string path = SaveGraph("graph.svg");
    QSvgRenderer renderer(QString::fromStdString(path));
    ASSERT_TRUE(renderer.isValid()) << "expected Qt SVG to read the file back";
    EXPECT_EQ(renderer.defaultSize(), QSize(3388, 648)) << "expected four times the 847 x 162 graph";
    const QString svg = QString::fromStdString(test::ReadBytes(path));
    for (const char* text : {">Years<", ">Population<", ">2800<"})
        EXPECT_TRUE(svg.contains(QLatin1String(text))) << "expected the text " << text;
}

TEST_F(ViewPictures, KeptCurveAndItsLabelInTheSavedEmfAndSvg)
{
    KeptCurves kept;
    kept.Keep({"Realistic, low*", std::vector<double>(2001, 1'500'000.0)});
    const std::string svgPath = SaveGraph("compare.svg", kept);
    const QString svg = QString::fromStdString(test::ReadBytes(svgPath));
    EXPECT_TRUE(svg.contains(QLatin1String(">Realistic, low*<"))) << "expected the kept curve's label";
    EXPECT_TRUE(svg.contains(QLatin1String("#449999"))) << "expected the kept curve's colour";
    EXPECT_FALSE(QString::fromStdString(test::ReadBytes(SaveGraph("alone.svg"))).contains(QLatin1String("#449999")))
        << "expected nothing of it without a kept curve";

    REQUIRE_TOOL("emf2svg-conv");
    const QString emf = Emf2Svg(SaveGraph("compare.emf", kept));
    EXPECT_TRUE(emf.contains(QLatin1String("[Realistic, low*]"))) << "expected the kept curve's label";
    EXPECT_TRUE(emf.contains(QLatin1String("stroke=\"#449999\" stroke-width=\"4.0000\"")))
        << "expected the kept curve's pen, 1 s wide";
}

} // namespace
} // namespace vartel
