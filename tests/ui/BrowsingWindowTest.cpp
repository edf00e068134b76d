// History browsing in the real window: the mouse goes through the window system, so the hint zones, the
// restoring controls and the others are hit as a user would hit them.
#include "WindowFixture.h"

#include "session/Browsing.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPalette>

#include <algorithm>
#include <map>

namespace vartel::test {
namespace {

const QString InvestigateText = QString::fromLatin1(InvestigateMessage);
const QString FrozenText = QString::fromLatin1(FrozenMessage);

// What the fields and the board show.
struct Display {
    std::map<QString, QString> fields;
    QString board;
    QColor boardBackground;
    int boardFontSize = 0;
    friend bool operator==(const Display&, const Display&) = default;
};

std::ostream& operator<<(std::ostream& out, const Display& d)
{
    for (const auto& [name, text] : d.fields)
        out << name.toStdString() << "=\"" << text.toStdString() << "\" ";
    return out << "board=\"" << d.board.toStdString() << "\" " << d.boardBackground.name().toStdString() << " "
               << d.boardFontSize;
}

class Browsing : public WindowTest {
protected:
    Display Shown() const
    {
        Display d;
        for (QLineEdit* field :
             {static_cast<QLineEdit*>(form->Controls().Popmeter), static_cast<QLineEdit*>(form->Controls().SPmeter),
              static_cast<QLineEdit*>(form->Controls().BImeter), static_cast<QLineEdit*>(form->Controls().BDmeter),
              static_cast<QLineEdit*>(form->Controls().ADmeter), static_cast<QLineEdit*>(form->Controls().IMmeter),
              form->Controls().clock, form->Controls().PGmeter, form->Controls().RBmeter, form->Controls().LEmeter,
              form->Controls().MAmeter, form->Controls().GRmeter, form->Controls().CHmeter})
            d.fields[field->objectName()] = field->text();
        d.board = form->Controls().Paper->toPlainText();
        d.boardBackground = form->Controls().Paper->palette().color(QPalette::Base);
        d.boardFontSize = form->Controls().Paper->font().pointSize();
        return d;
    }

    // The window point of a pixel of the graph image.
    QPoint GraphPoint(int x, int y) const { return form->Controls().Image2->mapTo(form.get(), QPoint(x, y)); }

    void MoveMouse(QPoint windowPoint)
    {
        QTest::mouseMove(form->windowHandle(), windowPoint);
        Pump();
    }
    void MoveOverGraph(int x, int y) { MoveMouse(GraphPoint(x, y)); }
    void ClickGraph(int x, int y)
    {
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, GraphPoint(x, y));
        Pump();
    }

    // A point of the window where `widget` itself (or, when `inside` is set, also one of its unnamed parts
    // such as a viewport) is the widget under the mouse.
    QPoint PointOn(QWidget* widget, bool inside = false) const
    {
        for (int y = widget->height() / 2; y < widget->height(); ++y)
            for (int x = 2; x < widget->width() - 2; ++x) {
                const QPoint p = widget->mapTo(form.get(), QPoint(x, y));
                QWidget* hit = form->childAt(p);
                if (hit == widget || (widget == form.get() && hit == nullptr) ||
                    (inside && hit != nullptr && hit->objectName().isEmpty() && widget->isAncestorOf(hit)))
                    return p;
            }
        ADD_FAILURE() << "no free point on " << widget->objectName().toStdString();
        return {};
    }

    // The graph as the screen shows it, marks over the picture included: black when any device pixel of the
    // picture's pixel (x, y) is black, else the first one.
    QRgb ShownPixel(int x, int y) const
    {
        const QImage image = form->Controls().Image2->grab().toImage();
        const double ratio = image.devicePixelRatio();
        const int top = static_cast<int>(y * ratio);
        for (int dx = static_cast<int>(x * ratio);
             dx < std::max(static_cast<int>((x + 1) * ratio), 1 + static_cast<int>(x * ratio)); ++dx)
            if (image.pixel(dx, top) == qRgb(0, 0, 0))
                return qRgb(0, 0, 0);
        return image.pixel(static_cast<int>(x * ratio), top);
    }

    bool AgeGraphButtonsEnabled() const
    {
        return form->Controls().BirthButton->isEnabled() && form->Controls().DeathButton->isEnabled() &&
               form->Controls().lifebutton->isEnabled();
    }
    bool AgeGraphButtonsDisabled() const
    {
        return !form->Controls().BirthButton->isEnabled() && !form->Controls().DeathButton->isEnabled() &&
               !form->Controls().lifebutton->isEnabled();
    }

    // Runs `years` single steps and records what the window showed after each one.
    std::map<int, Display> StepAndRecord(int years)
    {
        std::map<int, Display> shown;
        if (!form->Controls().CheckBox1->isChecked())
            form->Controls().CheckBox1->click(); // step by step
        for (int i = 0; i < years; ++i) {
            const int before = S().Year;
            form->Controls().StartButton->click();
            EXPECT_TRUE(RunUntil([&] { return S().Year > before && !S().Running; })) << "one step runs one year";
            shown[S().Year] = Shown();
        }
        return shown;
    }

    RasterImage PyramidOf(int year) const
    {
        RasterImage image(PyramidWidth, PyramidHeight);
        RasterCanvas canvas(image);
        DrawPyramid(canvas, form->state(), year, 1);
        return image;
    }
};

TEST_F(Browsing, YearZeroOnlyColumn90IsThePast)
{
    MoveOverGraph(90, 60);
    EXPECT_TRUE(S().Browsing) << "column 90 is year 0, reached at start";
    EXPECT_EQ(S().BrowseYear, 0);
    EXPECT_TRUE(AgeGraphButtonsDisabled()) << "the age-graph buttons are disabled while browsing";
    MoveOverGraph(91, 60);
    EXPECT_FALSE(S().Browsing) << "column 91 (year 4) is not a past point at year 0, so it restores";
    EXPECT_TRUE(AgeGraphButtonsEnabled()) << "restoring enables the age-graph buttons";
}

TEST_F(Browsing, EveryBrowsedYearLooksAsWhenItWasCurrent)
{
    form->Controls().RadioButtons[6]->click(); // realistic: parameters, stages and the board change over time
    const std::map<int, Display> during = StepAndRecord(160);
    const Display present = Shown();
    for (int year = 4; year <= 160; year += 4) {
        MoveOverGraph(90 + year / 4, 80);
        ASSERT_TRUE(S().Browsing) << "year " << year << " is browsed";
        EXPECT_EQ(Shown(), during.at(year)) << "year " << year << " shown as it was current";
        EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(year)) << "the pyramid of year " << year;
    }
    MoveMouse(PointOn(form->Controls().Map));
    EXPECT_FALSE(S().Browsing);
    EXPECT_EQ(Shown(), present) << "the present is shown again";
    EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(S().Year)) << "the pyramid of the current year again";
}

TEST_F(Browsing, KeysBrowseTheGraphAClickFocusedAsTheMouseDoes)
{
    form->Controls().RadioButtons[6]->click();
    const std::map<int, Display> during = StepAndRecord(40);
    const Display present = Shown();
    const RasterImage picture = form->Controls().Image2->Picture();
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(form->windowHandle(), k, modifiers); // to the widget with the focus
        Pump();
    };
    EXPECT_FALSE(form->Controls().Image2->hasFocus());
    key(Qt::Key_Left);
    EXPECT_FALSE(S().Browsing) << "a key without the focus does not browse";

    ClickGraph(300, 80); // not a past point at year 40: the click only gives the focus
    ASSERT_TRUE(form->Controls().Image2->hasFocus()) << "a click gives the graph the keyboard focus";
    EXPECT_FALSE(S().Frozen);
    EXPECT_EQ(form->Controls().Image2->Picture(), picture) << "the focus mark is not part of the picture";
    const QImage marked = form->Controls().Image2->grab().toImage();
    const QRgb highlight = form->Controls().Image2->palette().color(QPalette::Highlight).rgb();
    EXPECT_EQ(marked.pixel(1, marked.height() / 2), highlight) << "the focus mark on the screen";
    form->Controls().Newbutton->setFocus();
    Pump();
    EXPECT_NE(form->Controls().Image2->grab().toImage().pixel(1, marked.height() / 2), highlight)
        << "gone with the focus";
    form->Controls().Image2->setFocus(Qt::MouseFocusReason);

    const std::size_t announced = platform.announcements.size();
    key(Qt::Key_Left);
    ASSERT_TRUE(S().Browsing) << "Left goes from the present to the last column";
    EXPECT_EQ(S().BrowseYear, 40);
    EXPECT_EQ(Shown(), during.at(40));
    key(Qt::Key_Left);
    EXPECT_EQ(S().BrowseYear, 36);
    EXPECT_EQ(Shown(), during.at(36)) << "year 36 shown as it was current";
    EXPECT_EQ(ShownPixel(90 + 36 / 4, 80), qRgb(0, 0, 0)) << "and marked in the graph";
    EXPECT_EQ(form->Controls().Image2->Picture(), picture) << "on the screen only";
    EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(36)) << "and its pyramid";
    const Display byKey = Shown();
    MoveOverGraph(90 + 36 / 4, 80);
    EXPECT_EQ(Shown(), byKey) << "the mouse shows the same in that column";
    ASSERT_GT(platform.announcements.size(), announced) << "a key tells a screen reader";
    EXPECT_EQ(platform.announcements.back().first, form->Controls().Image2) << "to read the graph";
    const QString description =
        QAccessible::queryAccessibleInterface(form->Controls().Image2)->text(QAccessible::Description);
    EXPECT_TRUE(description.endsWith(QStringLiteral("; year 36, population %1, growth %2")
                                         .arg(form->Controls().Popmeter->text(), form->Controls().PGmeter->text())))
        << "the description follows the browsed year: " << description.toStdString();

    key(Qt::Key_Home);
    EXPECT_EQ(S().BrowseYear, 0);
    EXPECT_EQ(form->Controls().clock->text(), QStringLiteral("0")) << "Home shows year 0";
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_FALSE(S().Browsing) << "Shift+Right goes 100 years on, beyond the last column the present";
    EXPECT_EQ(Shown(), present);
    key(Qt::Key_End);
    EXPECT_EQ(S().BrowseYear, 40);
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(S().BrowseYear, 0) << "100 years back, no further than year 0";
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    EXPECT_EQ(S().BrowseYear, 8);

    key(Qt::Key_Space);
    EXPECT_TRUE(S().Frozen) << "Space freezes as a click does";
    EXPECT_EQ(form->Controls().Memo1->text(), FrozenText);
    key(Qt::Key_Right);
    EXPECT_TRUE(S().Frozen) << "a key moves the frozen moment, which stays frozen";
    EXPECT_EQ(S().BrowseYear, 12);
    EXPECT_EQ(Shown(), during.at(12));
    key(Qt::Key_Space);
    EXPECT_FALSE(S().Frozen) << "and releases";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText);
    key(Qt::Key_Space);
    key(Qt::Key_Escape);
    EXPECT_FALSE(S().Frozen) << "Escape releases a frozen moment";
    EXPECT_FALSE(S().Browsing);
    EXPECT_EQ(Shown(), present) << "and shows the present";
    EXPECT_NE(ShownPixel(90 + 36 / 4, 80), qRgb(0, 0, 0)) << "without the marker";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText);
    EXPECT_TRUE(AgeGraphButtonsEnabled());

    form->Controls().BirthButton->click();
    form->Controls().Image2->setFocus(Qt::MouseFocusReason);
    key(Qt::Key_Left);
    EXPECT_FALSE(S().Browsing) << "no browsing in the age graphs";
    form->Controls().PopButton->click();

    form->Controls().Newbutton->setFocus();
    int visits = 0;
    for (int i = 0; i < 80; ++i) {
        QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
        visits += QApplication::focusWidget() == form->Controls().Image2 ? 1 : 0;
    }
    EXPECT_GT(visits, 0) << "Tab reaches the graph too, where these keys browse without a click";
}

TEST_F(Browsing, NoAlarmWhileBrowsingOrRestoring)
{
    ASSERT_TRUE(form->Controls().CheckBox4->isChecked()) << "the sound signal is on";
    StepAndRecord(12);
    form->Controls().EpiButton->click(); // the epidemic's board comes with the alarm
    StepAndRecord(4);
    ASSERT_FALSE(platform.waves.empty()) << "the epidemic was announced with the alarm";
    platform.waves.clear();
    const QString presentBoard = form->Controls().Paper->toPlainText();
    for (int x = 94; x >= 90; --x)
        MoveOverGraph(x, 80);
    ASSERT_NE(form->Controls().Paper->toPlainText(), presentBoard)
        << "year 0 had another board, so restoring changes it";
    MoveMouse(PointOn(form->Controls().PopButton));
    EXPECT_EQ(form->Controls().Paper->toPlainText(), presentBoard);
    EXPECT_FALSE(S().Browsing);
    EXPECT_TRUE(platform.waves.empty()) << "browsing changes the board without the alarm";
}

TEST_F(Browsing, ClickWhileThePresentIsShownDoesNothing)
{
    StepAndRecord(40);
    const QString memo = form->Controls().Memo1->text();
    ClickGraph(500, 80); // year 1640: not reached, so the graph shows the present there
    EXPECT_FALSE(S().Frozen) << "nothing to freeze";
    EXPECT_FALSE(S().Browsing);
    EXPECT_EQ(form->Controls().Memo1->text(), memo) << "Memo1 unchanged";
}

TEST_F(Browsing, FrozenMomentSurvivesOtherControlsUntilReleased)
{
    StepAndRecord(40);
    const Display present = Shown();
    MoveOverGraph(95, 80); // year 20
    const Display year20 = Shown();
    ClickGraph(95, 80);
    ASSERT_TRUE(S().Frozen) << "a click on a browsed year freezes it";
    EXPECT_EQ(form->Controls().Memo1->text(), FrozenText) << "the freeze message";

    MoveOverGraph(100, 80); // year 40: the frozen year stays
    EXPECT_EQ(S().BrowseYear, 20) << "moves in the graph do not change a frozen moment";
    EXPECT_EQ(Shown(), year20);
    MoveOverGraph(600, 80); // not a past point: on the graph nothing happens while frozen
    EXPECT_TRUE(S().Browsing) << "a non-past point of the graph does not end a frozen browse";
    for (QWidget* place : std::initializer_list<QWidget*>{form->Controls().Map, form->Controls().PopButton,
                                                          form->Controls().Button2, form.get()}) {
        MoveMouse(PointOn(place));
        EXPECT_FALSE(S().Browsing) << "moving over " << place->objectName().toStdString() << " ends browsing";
        EXPECT_EQ(Shown(), year20) << "the frozen year stays on display over " << place->objectName().toStdString();
        EXPECT_TRUE(AgeGraphButtonsDisabled()) << "the age-graph buttons stay disabled while frozen";
        EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(20)) << "the frozen pyramid stays";
    }

    ClickGraph(98, 80); // the move onto the graph comes first, then the release
    EXPECT_FALSE(S().Frozen) << "a second click releases";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText) << "the release message";
    EXPECT_EQ(S().BrowseYear, 32) << "after the release the display follows the mouse at once";
    EXPECT_EQ(form->Controls().clock->text(), QStringLiteral("32"));
    MoveOverGraph(99, 80);
    EXPECT_EQ(S().BrowseYear, 36) << "after the release the mouse browses again";
    MoveMouse(PointOn(form->Controls().Button1));
    EXPECT_EQ(Shown(), present) << "and a restoring place shows the present";
    EXPECT_TRUE(AgeGraphButtonsEnabled()) << "the present enables the age-graph buttons";
}

TEST_F(Browsing, StartButtonAndResetEndAFrozenMoment)
{
    StepAndRecord(20);
    MoveOverGraph(92, 80);
    ClickGraph(92, 80);
    ASSERT_TRUE(S().Frozen);
    form->StartButtonClick(); // one more step
    EXPECT_FALSE(S().Frozen) << "the start button clears Frozen";
    EXPECT_FALSE(S().Browsing) << "and restores the present";
    EXPECT_TRUE(AgeGraphButtonsEnabled());
    ASSERT_TRUE(RunUntil([this] { return !S().Running; })) << "the step ends";

    MoveOverGraph(93, 81);
    ClickGraph(93, 81);
    ASSERT_TRUE(S().Frozen);
    form->Controls().Newbutton->click();
    EXPECT_FALSE(S().Frozen) << "New clears Frozen";
    EXPECT_FALSE(S().Browsing) << "New restores the present";
    EXPECT_TRUE(AgeGraphButtonsEnabled());
}

TEST_F(Browsing, RestoringAndNonRestoringPlaces)
{
    StepAndRecord(20);
    const std::initializer_list<QWidget*> restoring{form.get(),
                                                    form->Controls().Image1,
                                                    form->Controls().Map,
                                                    form->Controls().GroupBox2,
                                                    form->Controls().GroupBox4,
                                                    form->Controls().GroupBox6,
                                                    form->Controls().PopButton,
                                                    form->Controls().BirthButton,
                                                    form->Controls().DeathButton,
                                                    form->Controls().lifebutton,
                                                    form->Controls().Inbutton,
                                                    form->Controls().Outbutton,
                                                    form->Controls().Button1,
                                                    form->Controls().Button2,
                                                    form->Controls().StartButton};
    for (QWidget* place : restoring) {
        MoveOverGraph(93, 80);
        ASSERT_TRUE(S().Browsing);
        MoveMouse(PointOn(place));
        EXPECT_FALSE(S().Browsing) << place->objectName().toStdString() << " restores the present";
        EXPECT_EQ(form->Controls().clock->text(), QStringLiteral("20")) << "the current year is shown again";
    }
    QWidget* labelInScenarios = form->findChild<QWidget*>(QStringLiteral("Label8"));
    ASSERT_NE(labelInScenarios, nullptr);
    const std::initializer_list<QWidget*> others{form->Controls().GroupBox1, form->Controls().GroupBox3,
                                                 form->Controls().GroupBox5, form->Controls().Paper,
                                                 form->Controls().Panel1,    form->Controls().Button3,
                                                 form->Controls().Memo1,     form->Controls().RadioButtons[2],
                                                 labelInScenarios,           form->Controls().EpiButton,
                                                 form->Controls().clock};
    for (QWidget* place : others) {
        MoveOverGraph(93, 80);
        ASSERT_TRUE(S().Browsing);
        MoveMouse(PointOn(place, true));
        EXPECT_TRUE(S().Browsing) << place->objectName().toStdString() << " does not restore";
        EXPECT_EQ(form->Controls().clock->text(), QStringLiteral("12")) << "the browsed year stays";
    }
}

TEST_F(Browsing, HintZonesSwallowTheMouse)
{
    StepAndRecord(400);
    ASSERT_EQ(S().ZoomFactor, 1);
    MoveOverGraph(150, 80); // year 240
    ASSERT_TRUE(S().Browsing);
    int zonesTried = 0;
    for (HintZone* zone : {form->Controls().h0, form->Controls().h1, form->Controls().he}) {
        if (zone->height() == 0)
            continue; // a zone the scale has shut
        ++zonesTried;
        const QPoint inZone = zone->mapTo(form.get(), QPoint(20, zone->height() / 2));
        ASSERT_EQ(form->childAt(inZone), zone);
        MoveMouse(inZone);
        EXPECT_EQ(S().BrowseYear, 240) << "no browsing on " << zone->objectName().toStdString();
        EXPECT_TRUE(S().Browsing) << "no restoring on " << zone->objectName().toStdString();
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, inZone);
        Pump();
        EXPECT_FALSE(S().Frozen) << "a click on " << zone->objectName().toStdString() << " does not freeze";
    }
    EXPECT_GE(zonesTried, 2) << "the danger strip and the equilibrium line lie over the graph at zoom 1";
}

TEST_F(Browsing, ExtinctYearShowsOnlyYearLevelAndGrowth)
{
    Enter(form->Controls().Popmeter, QStringLiteral("120"));
    Enter(form->Controls().BImeter, QStringLiteral("0"));
    Enter(form->Controls().ADmeter, QStringLiteral("50"));
    ASSERT_TRUE(platform.messages.empty()) << "the values are allowed";
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 60; }));
    form->Controls().StartButton->click();
    int extinct = -1;
    for (int y = 4; y <= S().Year; y += 4)
        if (S().PopHistory[static_cast<std::size_t>(y)] == 0.0 && S().PopHistory[static_cast<std::size_t>(y - 1)] > 0.0)
            extinct = y;
    for (int y = 4; extinct < 0 && y <= S().Year; y += 4)
        if (S().PopHistory[static_cast<std::size_t>(y)] == 0.0)
            extinct = y;
    ASSERT_GT(extinct, 0) << "without births and with half the adults dying each year, 120 people die out";

    form->Image2MouseMove(90 + extinct / 4, 80);
    ASSERT_TRUE(S().Browsing);
    const Display d = Shown();
    EXPECT_EQ(d.fields.at("clock"), QString::number(extinct)) << "the year is shown";
    EXPECT_EQ(d.fields.at("Popmeter"), QStringLiteral("0")) << "a population of 0";
    EXPECT_FALSE(d.fields.at("SPmeter").isEmpty()) << "the stable level is shown";
    for (const char* empty :
         {"BImeter", "BDmeter", "ADmeter", "IMmeter", "RBmeter", "LEmeter", "MAmeter", "GRmeter", "CHmeter"})
        EXPECT_TRUE(d.fields.at(QString::fromLatin1(empty)).isEmpty()) << empty << " is empty in an extinct year";
    const bool hadPeople = S().PopHistory[static_cast<std::size_t>(extinct - 1)] > 0.0;
    EXPECT_EQ(d.fields.at("PGmeter").isEmpty(), !hadPeople) << "growth only when the year before had people";
    EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(extinct)) << "an empty pyramid";
}

using BrowsingAtTheEdges = Browsing;

TEST_F(BrowsingAtTheEdges, ReleaseWhereThereIsNoPastPointShowsThePresentAtOnce)
{
    StepAndRecord(40);
    const Display present = Shown();
    MoveOverGraph(95, 80); // year 20
    ClickGraph(95, 80);
    ASSERT_TRUE(S().Frozen);
    MoveMouse(PointOn(form->Controls().Image1)); // browsing ends over the pyramid, the frozen year stays
    ASSERT_EQ(form->Controls().clock->text(), QStringLiteral("20"));
    MoveOverGraph(60, 80); // left of the year axis: no past point
    ClickGraph(60, 80);
    EXPECT_FALSE(S().Frozen) << "the click releases";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText);
    EXPECT_EQ(Shown(), present) << "the present is shown at once";
    EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(40)) << "with its pyramid";
    EXPECT_TRUE(AgeGraphButtonsEnabled()) << "and the age-graph buttons";
    MoveMouse(PointOn(form->Controls().Map));
    EXPECT_EQ(Shown(), present);
}

TEST_F(BrowsingAtTheEdges, AfterAClickTheKeysMoveTheFrozenMomentUpToTheLastYear)
{
    form->Controls().RadioButtons[6]->click();
    RunToEndAtFullSpeed();
    ASSERT_EQ(S().Year, MaxYear);
    const RasterImage picture = form->Controls().Image2->Picture();
    const auto key = [&](Qt::Key k, int times, Qt::KeyboardModifiers modifiers = {}) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(form->windowHandle(), k, modifiers);
        Pump();
        return form->Controls().clock->text().toStdString();
    };
    MoveOverGraph(240, 80); // year 600
    ClickGraph(240, 80);
    ASSERT_TRUE(S().Frozen);
    ASSERT_TRUE(form->Controls().Image2->hasFocus());
    EXPECT_EQ(key(Qt::Key_Home, 1), "0");
    EXPECT_EQ(key(Qt::Key_Right, 10, Qt::ShiftModifier), "1000");
    EXPECT_EQ(key(Qt::Key_Right, 3), "1012");
    EXPECT_EQ(key(Qt::Key_End, 1), "3000") << "End shows the last year";
    EXPECT_TRUE(S().Frozen) << "the keys keep the freeze";
    EXPECT_EQ(form->Controls().Memo1->text(), FrozenText);
    EXPECT_EQ(ShownPixel(840, 80), qRgb(0, 0, 0)) << "the last year is marked";
    EXPECT_EQ(form->Controls().Image2->Picture(), picture) << "the graph's picture, which is saved, is not";
    EXPECT_EQ(key(Qt::Key_Left, 1), "2996");
    EXPECT_EQ(ShownPixel(839, 80), qRgb(0, 0, 0)) << "the marker follows";
    EXPECT_NE(ShownPixel(840, 80), qRgb(0, 0, 0));
    EXPECT_EQ(key(Qt::Key_Escape, 1), "3000");
    EXPECT_FALSE(S().Frozen);
    EXPECT_NE(ShownPixel(839, 80), qRgb(0, 0, 0)) << "the present has no marker";
}

TEST_F(BrowsingAtTheEdges, ContinueAfterAFreezeShowsThePresentBeforeTheNextYear)
{
    form->Controls().RadioButtons[6]->click();
    form->Controls().CheckBox2->click();
    RunToEndAtFullSpeed();
    ASSERT_TRUE(form->Controls().Paper->toPlainText().startsWith(QStringLiteral("Point A:"))) << "paused at Point A";
    const int paused = S().Year;
    const Display present = Shown();
    MoveOverGraph(215, 80); // year 500
    ClickGraph(215, 80);
    ASSERT_TRUE(S().Frozen);
    MoveMouse(PointOn(form->Controls().StartButton));
    ASSERT_EQ(form->Controls().clock->text(), QStringLiteral("500")) << "the frozen year stays over the Start button";
    platform.waves.clear();

    form->Controls().StartButton->click(); // Continue
    EXPECT_EQ(Shown(), present) << "the present is back before the next year is computed";
    EXPECT_EQ(form->Controls().Image1->Picture(), PyramidOf(paused));
    ASSERT_TRUE(RunUntil([&] { return S().Year >= paused + 3 || !S().Running; }));
    EXPECT_GE(S().Year, paused + 3) << "the run goes on: Point A is not announced a second time";
    EXPECT_TRUE(platform.waves.empty()) << "no second alarm";
    form->Controls().StartButton->click();
}

TEST_F(BrowsingAtTheEdges, ThePresentShownAgainHoldsTheCommitsMadeSinceItsYear)
{
    form->Controls().Newbutton->click();
    Enter(form->Controls().Popmeter, QStringLiteral("500"));
    ASSERT_EQ(form->Controls().Paper->toPlainText(), QStringLiteral(" Small population... danger"));
    Enter(form->Controls().BImeter, QStringLiteral("5"));
    const Display present = Shown();
    MoveOverGraph(90, 80); // year 0 as it was recorded
    ASSERT_TRUE(S().Browsing);
    EXPECT_EQ(form->Controls().Paper->toPlainText(), QStringLiteral(" no announcements ...")) << "the recorded board";
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("3.0000")) << "the recorded birth index";
    MoveMouse(PointOn(form->Controls().Map));
    EXPECT_EQ(Shown(), present) << "the present with the commits made since";
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("5.0000"));
    EXPECT_EQ(S().BulletinTextHistory[0], " no announcements ...") << "the history keeps what it holds";
}

} // namespace
} // namespace vartel::test
