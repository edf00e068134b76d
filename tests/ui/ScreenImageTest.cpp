// What the window shows of the views. The graph on the screen is its screen picture (the picture itself at
// a device pixel ratio of 1): the yearly update repaints only the new curve segment, so a box too small
// would leave stale pixels on the screen. At a device pixel ratio above 1 (QT_SCALE_FACTOR; the suite runs
// at 2 and 1.5 as well, with VARTEL_EXPECT_RATIO naming the ratio) the views, the map and the houses are
// drawn at the screen's resolution while the saved 1x pictures and all positions stay as they are.
#include "WindowFixture.h"

#include "model/Codes.h"
#include "tests/views/DeviceImages.h"
#include "ui/ImageView.h"
#include "ui/ViewCanvases.h"
#include "views/GraphView.h"
#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QBackingStore>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vartel::test {
namespace {

using ScreenImage = WindowTest;

// The pixels of the window's backing store under the view, against the view's screen picture; the count
// that differ. At a fractional device pixel ratio the view's first device column and row are the ones
// whose pixels match (the view's place in device pixels is not whole); its last ones may be cut.
int StalePixels(TForm1& form, ImageView& view)
{
    QCoreApplication::processEvents();
    QPaintDevice* device = form.backingStore()->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        ADD_FAILURE() << "the backing store is no image";
        return -1;
    }
    const QImage shown = static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    const QImage picture = ToQImage(view.ScreenPicture());
    const QPointF origin = QPointF(view.mapTo(&form, QPoint(0, 0))) * shown.devicePixelRatio();
    const int cut = origin == origin.toPoint() ? 0 : 1;
    int fewest = picture.width() * picture.height();
    for (int left : {qFloor(origin.x()), qCeil(origin.x())})
        for (int top : {qFloor(origin.y()), qCeil(origin.y())}) {
            const int width = std::min(picture.width(), shown.width() - left) - cut;
            const int height = std::min(picture.height(), shown.height() - top) - cut;
            int stale = 0;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    stale += shown.pixel(left + x, top + y) != picture.pixel(x, y);
            fewest = std::min(fewest, stale);
        }
    return fewest;
}

TEST_F(ScreenImage, TheGraphOnScreenFollowsItsPictureYearByYear)
{
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    for (int year : {1, 2, 10, 700, 1500}) {
        ASSERT_TRUE(RunUntil([&] { return S().Year >= year; }));
        form->Controls().StartButton->click(); // pause
        EXPECT_EQ(StalePixels(*form, *form->Controls().Image2), 0) << "graph pixels not shown at year " << S().Year;
        form->Controls().StartButton->click();
    }
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(StalePixels(*form, *form->Controls().Image2), 0) << "graph pixels not shown after the run";
}

TEST_F(ScreenImage, TheGraphOnScreenFollowsARealisticRunOnTheLogarithmicScale)
{
    form->Controls().RadioButtons[6]->click();
    form->Controls().Logscale->click();
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 1200; }));
    form->Controls().StartButton->click();
    EXPECT_EQ(StalePixels(*form, *form->Controls().Image2), 0) << "graph pixels not shown at year " << S().Year;
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(StalePixels(*form, *form->Controls().Image2), 0) << "graph pixels not shown after the run";
}

// The device pixel ratio the suite runs at: the one named by VARTEL_EXPECT_RATIO, checked against the screen.
double Ratio(TForm1& form)
{
    const double ratio = form.Controls().Image2->DeviceRatio();
    if (qEnvironmentVariableIsSet("VARTEL_EXPECT_RATIO")) {
        EXPECT_EQ(ratio, qEnvironmentVariable("VARTEL_EXPECT_RATIO").toDouble()) << "the ratio of the screen";
    }
    return ratio;
}

TEST_F(ScreenImage, TheViewsAreDrawnAtTheScreensResolutionAndSavedAt1x)
{
    const double d = Ratio(*form);
    form->Controls().RadioButtons[6]->click();
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 800; }));
    form->Controls().StartButton->click();
    Pump();
    for (ImageView* view : {form->Controls().Image1, form->Controls().Image2}) {
        EXPECT_EQ(view->ScreenRatio(), d) << view->objectName().toStdString();
        EXPECT_EQ(view->ScreenPicture().Size(), RasterCanvas::DeviceSize({view->width(), view->height()}, d))
            << view->objectName().toStdString() << " at the device's size";
        EXPECT_EQ(view->Picture().Size(), PixelSize(view->width(), view->height()))
            << view->objectName().toStdString() << " stays 1x";
    }
    if (d == 1.0) {
        EXPECT_EQ(&form->Controls().Image2->ScreenPicture(), &form->Controls().Image2->Picture())
            << "at 1 the screen shows the picture";
        return;
    }
    // The pyramid of the year shown, at both resolutions: enlarged, the 1x one equals the screen's away from
    // the texts, and the texts are finer.
    const RasterImage& pyramid = form->Controls().Image1->ScreenPicture();
    const RasterImage enlarged = test::Enlarged(form->Controls().Image1->Picture(), d);
    EXPECT_EQ(test::DifferentPixels(pyramid, enlarged, {62, 30, 169, 248}, d), 0) << "the layers";
    EXPECT_GT(test::MixedPixels(pyramid, {3, 35, 58, 15}, d), 40) << "the year label at the device's resolution";
    const RasterImage& graph = form->Controls().Image2->ScreenPicture();
    EXPECT_GT(test::MixedPixels(graph, {6, 16, 75, 32}, d), 60) << "the graph's labels at the device's resolution";
    EXPECT_EQ(test::DifferentPixels(graph, test::Enlarged(form->Controls().Image2->Picture(), d), {100, 7, 730, 17}, d),
              0)
        << "in the overpopulation strip the graph is its 1x picture enlarged";
}

// Above ratio 1 the 1x graph waits to be drawn until it is read; then it must be what drawing it at once gave,
// also after a whole repaint and after more calls than are kept waiting.
TEST_F(ScreenImage, The1xGraphDrawnWhenReadIsTheGraphDrawnAtOnce)
{
    const double d = Ratio(*form);
    ImageView view(QSize(847, 162));
    ASSERT_EQ(view.DeviceRatio(), d);
    ViewCanvases canvases(view);
    RasterImage image(847, 162);
    RasterCanvas direct(image);
    const auto record = std::make_unique<SimulationState>(); // too large for the stack
    SimulationState& st = *record;
    st.GraphMode = GraphModeCode::Population;
    st.ZoomFactor = 1;
    for (int y = 0; y <= MaxYear; ++y)
        st.ExactPopHistory[y] = st.PopHistory[y] = 90000 + 70000 * std::sin(y / 110.0);
    const auto both = [&](const ViewCanvases::Drawing& drawing) {
        canvases.Draw(drawing);
        drawing(direct);
    };
    const auto extend = [&](Canvas& c) { ExtendCurve(c, st, true); };
    const auto whole = [&](Canvas& c) {
        ClearGraphImage(c);
        DrawGraph(c, st, true, 1);
    };
    both(whole);
    for (st.Year = 1; st.Year <= 1200; ++st.Year) {
        both(extend);
        if (st.Year == 300 || st.Year == 301) {
            EXPECT_EQ(view.Picture(), image) << "read at year " << st.Year;
            EXPECT_EQ(canvases.State().Position().y, direct.Position().y);
        }
        if (st.Year == 700) {
            canvases.Repaint(whole);
            whole(direct);
        }
    }
    for (int i = 0; i < 70000; ++i) // the last year again and again, as a long session's yearly segments
        both(extend);
    EXPECT_EQ(canvases.State().Position().x, direct.Position().x);
    EXPECT_EQ(canvases.State().pen.Width, direct.pen.Width);
    EXPECT_EQ(view.Picture(), image) << "after the run";
    if (d > 1.0) {
        EXPECT_EQ(test::DifferentPixels(view.ScreenPicture(), test::Enlarged(image, d), {100, 7, 730, 17}, d), 0)
            << "the screen shows the same graph";
    }
}

TEST_F(ScreenImage, TheMapAndTheHousesComeAtTheScreensResolutionInTheirPlaces)
{
    const double d = Ratio(*form);
    const int n = d > 1.0 ? static_cast<int>(std::ceil(d - 1e-9)) : 1;
    EXPECT_EQ(form->Controls().Map->Picture().Size(), PixelSize(395, 223)) << "the land test reads the 1x map";
    EXPECT_EQ(form->Controls().Map->ScreenPicture().Size(), PixelSize(395 * n, 223 * n))
        << "the @" << n << "x map on the screen";
    EXPECT_EQ(form->Controls().Map->ScreenPicture().PixelColor(200 * n, 100 * n), Rgb(140, 255, 140))
        << "its middle is land";
    const QPixmap house = form->Controls().Houses[1]->pixmap();
    EXPECT_EQ(house.devicePixelRatio(), d) << "the house at the screen's ratio";
    EXPECT_EQ(house.size(), QSize(28, 19) * d) << "exactly the device pixels of a house";
    EXPECT_EQ(house.toImage().pixelColor(0, house.height() - 1).alpha(), 0) << "on a transparent background";
    EXPECT_EQ(house.toImage().pixel(house.width() / 2, 2), qRgb(200, 30, 30)) << "the roof on top";
    for (int i = 1; i <= HouseCountMax; ++i) {
        ASSERT_EQ(form->Controls().Houses[static_cast<std::size_t>(i)]->size(), QSize(28, 19)) << "house " << i;
        const QPoint place = form->Controls().Houses[static_cast<std::size_t>(i)]->pos();
        ASSERT_EQ(form->Controls().Map->Picture().PixelColor(place.x() + 14, place.y() + 10), Rgb(140, 255, 140))
            << "house " << i;
    }
}

TEST_F(ScreenImage, MousePositionsStayInLogicalPixels)
{
    Ratio(*form);
    QSignalSpy moves(form->Controls().Image2, &ImageView::MouseMoved);
    QTest::mouseMove(form->Controls().Image2, QPoint(341, 80));
    Pump();
    ASSERT_GE(moves.count(), 1) << "the graph reports the mouse";
    EXPECT_EQ(moves.last().at(0).toInt(), 341) << "in the graph's own pixels";
    EXPECT_EQ(moves.last().at(1).toInt(), 80) << "in the graph's own pixels";
    EXPECT_EQ(form->Controls().h1->geometry(), QRect(90, 6, 751, 20)) << "the hint zones keep their places";
}

// Two screens, an ordinary one and one of twice the density (QT_QPA_PLATFORM=offscreen:configfile=...);
// skipped where there is only one.
TEST_F(ScreenImage, FollowsTheWindowToAScreenOfAnotherResolution)
{
    QScreen* dense = nullptr;
    QScreen* ordinary = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        (screen->devicePixelRatio() > 1.0 ? dense : ordinary) = screen;
    if (dense == nullptr || ordinary == nullptr)
        GTEST_SKIP() << "needs an ordinary and a dense screen";
    form->windowHandle()->setScreen(ordinary);
    form->Controls().RadioButtons[6]->click();
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 300; }));

    form->windowHandle()->setScreen(dense); // while it runs
    const double d = dense->devicePixelRatio();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 900; }));
    form->Controls().StartButton->click();
    Pump();
    EXPECT_EQ(form->Controls().Image2->ScreenRatio(), d) << "the graph follows the screen";
    EXPECT_EQ(form->Controls().Image1->ScreenPicture().Size(), RasterCanvas::DeviceSize({231, 278}, d))
        << "the pyramid too";
    EXPECT_EQ(form->Controls().Map->ScreenPicture().Size(), PixelSize(790, 446)) << "and the map";
    EXPECT_EQ(form->Controls().Houses[1]->pixmap().devicePixelRatio(), d) << "and the houses";
    EXPECT_EQ(StalePixels(*form, *form->Controls().Image2), 0) << "the screen shows the rebuilt graph";
    EXPECT_EQ(test::DifferentPixels(form->Controls().Image2->ScreenPicture(),
                                    test::Enlarged(form->Controls().Image2->Picture(), d), {100, 7, 730, 17}, d),
              0)
        << "the rebuilt graph is the 1x one at the screen's resolution";
    EXPECT_EQ(form->Controls().Image2->Picture().Size(), PixelSize(847, 162)) << "the saved picture stays 1x";

    form->windowHandle()->setScreen(ordinary);
    Pump();
    form->repaint();
    EXPECT_EQ(form->Controls().Image2->ScreenRatio(), 1.0) << "back on the ordinary screen";
    EXPECT_EQ(&form->Controls().Image1->ScreenPicture(), &form->Controls().Image1->Picture())
        << "which shows the 1x pictures";
    EXPECT_EQ(StalePixels(*form, *form->Controls().Image2), 0) << "the graph's 1x picture on the screen";
}

// The window's backing store, the screen as it stands, as one number.
std::size_t ScreenHash(TForm1& form)
{
    QPaintDevice* device = form.backingStore()->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        ADD_FAILURE() << "the backing store is no image";
        return 0;
    }
    const QImage& shown = *static_cast<QImage*>(device);
    return qHashBits(shown.constBits(), static_cast<std::size_t>(shown.sizeInBytes()));
}

// What the window showed and had said where a run stopped.
struct Stop {
    int year;
    std::size_t screen;
    std::size_t alarms;        // sounds played since the start
    std::size_t announcements; // news told to assistive technology since the start
    bool automatic;            // paused by itself (the hint stays "Pause simulation")
};

using ButtonOf = QPushButton* TForm1Ui::*;

struct PassRun {
    const char* name;
    int scenario;                                    // RadioButtons[1..7]
    bool pauseAtMoments;                             // CheckBox2
    ButtonOf graph;                                  // the graph button pressed first; nullptr: the population graph
    std::vector<std::pair<int, ButtonOf>> incidents; // clicked at the first stop from that year on
};

void PrintTo(const PassRun& run, std::ostream* out)
{
    *out << run.name;
}

// The screen after every pass of the fastest speed against the year-by-year driver's screen after the same
// year. The fastest run's driver clock makes its passes at most 1, 7, 40 and 150 years long in turn, and its
// screen is taken at the end of every pass; the other run goes a year a pass (1 ms a year, the slider left at
// the fastest place so that the two screens can be equal) and its screen is taken after the same years. Both
// pause by themselves where the run does, and are continued there.
class FastestPasses : public WindowTest, public ::testing::WithParamInterface<PassRun> {
protected:
    // Sets the run up as a student would and runs it to year 3000. The screen is taken where it pauses by
    // itself and after the passes for which `takeNow` holds, told the stops made so far.
    std::vector<Stop> Run(bool fastest, const std::function<bool(std::size_t stops)>& takeNow)
    {
        const PassRun& run = GetParam();
        form->Controls().MemoTimer->stop(); // the blinking line would differ between the runs
        form->Controls().RadioButtons[static_cast<std::size_t>(run.scenario)]->click();
        if (run.pauseAtMoments)
            form->Controls().CheckBox2->click();
        if (run.graph != nullptr)
            (form->Controls().*run.graph)->click();
        form->Controls().TrackBar1->setValue(4);
        if (!fastest)
            S().StepDelay = 1;
        platform.waves.clear();
        platform.announcements.clear();
        std::vector<Stop> stops;
        auto incident = run.incidents.begin();
        // The screen as the event loop leaves it once it has painted, then the incidents due.
        auto take = [&] {
            Pump();
            stops.push_back({S().Year, ScreenHash(*form), platform.waves.size(), platform.announcements.size(),
                             !S().Running && S().Year < MaxYear});
            for (; incident != run.incidents.end() && incident->first <= S().Year; ++incident) {
                QPushButton* button = form->Controls().*incident->second;
                EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString() << " at " << S().Year;
                button->click();
            }
        };
        const QMetaObject::Connection taking =
            QObject::connect(form.get(), &TForm1::PassDone, form.get(), [&](int, qint64) {
                if (S().Running && S().Year < MaxYear && takeNow(stops.size()))
                    take();
            });
        form->Controls().StartButton->click();
        for (;;) {
            if (!RunUntil([this] { return !S().Running; })) {
                ADD_FAILURE() << "the run did not stop after year " << S().Year;
                break;
            }
            take();
            if (S().Year >= MaxYear)
                break;
            form->Controls().StartButton->click(); // Continue
        }
        QObject::disconnect(taking);
        return stops;
    }
};

TEST_P(FastestPasses, EachPassEndsWithTheYearByYearScreenOfItsYear)
{
    static constexpr std::array<qint64, 4> PassYears{1, 7, 40, 150};
    std::size_t pass = 0;
    qint64 now = 0;
    form->SetDriverClock([&] {
        const qint64 years = PassYears[pass % PassYears.size()];
        return now += (Session::FastestPassNanoseconds + years - 1) / years;
    });
    int longest = 0;
    QObject::connect(form.get(), &TForm1::PassDone, form.get(), [&](int years, qint64) {
        EXPECT_LE(years, PassYears[pass % PassYears.size()]) << "pass " << pass << " to year " << S().Year;
        longest = std::max(longest, years);
        ++pass;
    });
    const std::vector<Stop> fast = Run(true, [](std::size_t) { return true; });
    ASSERT_FALSE(fast.empty());
    EXPECT_EQ(longest, PassYears.back()) << "the passes were as long as the clock let them be";
    EXPECT_EQ(fast.back().year, MaxYear) << "the run ends at year 3000, not past it";
    if (GetParam().pauseAtMoments) {
        EXPECT_GT(std::count_if(fast.begin(), fast.end(), [](const Stop& stop) { return stop.automatic; }), 1)
            << "the run pauses by itself at important moments";
    }

    OpenWindow();
    qint64 slowNow = 0;
    form->SetDriverClock([&slowNow] { return slowNow += 2'000'000; }); // over the 1 ms: no waiting
    QObject::connect(form.get(), &TForm1::PassDone, form.get(),
                     [](int years, qint64) { EXPECT_EQ(years, 1) << "one year a pass below the fastest speed"; });
    const std::vector<Stop> yearly =
        Run(false, [&](std::size_t stops) { return stops < fast.size() && S().Year == fast[stops].year; });
    EXPECT_EQ(yearly.size(), fast.size()) << "as many stops year by year";
    for (std::size_t i = 0; i < std::min(yearly.size(), fast.size()); ++i) {
        const Stop& a = fast[i];
        const Stop& b = yearly[i];
        ASSERT_EQ(a.year, b.year) << "stop " << i << (b.automatic ? ", an automatic pause year by year" : "");
        EXPECT_EQ(a.automatic, b.automatic) << "the same pause at year " << a.year;
        EXPECT_EQ(a.alarms, b.alarms) << "the same alarms up to year " << a.year;
        EXPECT_EQ(a.announcements, b.announcements) << "the same bulletins told up to year " << a.year;
        ASSERT_EQ(a.screen, b.screen) << "the screen at year " << a.year << " differs from the year-by-year one";
    }
}

// Houses shown in the map, the graph and the pyramid at every kind of year: every scenario's full run,
// incidents, automatic pauses, and an age-profile graph drawn anew every year.
INSTANTIATE_TEST_SUITE_P(
    Runs, FastestPasses,
    ::testing::Values(PassRun{"Simple", 1, false, nullptr, {}}, PassRun{"PositiveFeedback", 2, false, nullptr, {}},
                      PassRun{"NegativeFeedback", 3, false, nullptr, {}}, PassRun{"Attenuation", 4, false, nullptr, {}},
                      PassRun{"RealisticLow", 5, false, nullptr, {}}, PassRun{"RealisticMedium", 6, false, nullptr, {}},
                      PassRun{"RealisticHigh", 7, false, nullptr, {}},
                      PassRun{
                          "Incidents",
                          6,
                          false,
                          nullptr,
                          {{400, &TForm1Ui::EpiButton}, {1300, &TForm1Ui::OneButton}, {2200, &TForm1Ui::ImmButton}}},
                      PassRun{"AutomaticPauses", 7, true, nullptr, {{1800, &TForm1Ui::EpiButton}}},
                      PassRun{"SurvivalGraph", 6, false, &TForm1Ui::lifebutton, {{900, &TForm1Ui::ImmButton}}}),
    [](const ::testing::TestParamInfo<PassRun>& info) { return std::string(info.param.name); });

} // namespace
} // namespace vartel::test
