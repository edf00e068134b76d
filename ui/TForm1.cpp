// Construction and start-up of the main window, its event bindings and the houses of the map.
#include "ui/TForm1.h"

#include "lesson/LessonPlan.h"
#include "model/Codes.h"
#include "model/Scenarios.h"
#include "platform/Platform.h"
#include "ui/ClickSelectsAll.h"
#include "ui/EnterPressesButton.h"
#include "ui/HintSwitch.h"
#include "ui/HintZone.h"
#include "ui/ImageView.h"
#include "ui/InfoLine.h"
#include "ui/NumEdit.h"
#include "ui/ProcessLocale.h"
#include "ui/TForm1Shortcuts.h"
#include "ui/ViewCanvases.h"
#include "ui/ViewDescriptions.h"
#include "ui/WholeNumberEdit.h"
#include "ui/WidgetFactory.h"
#include "views/GraphView.h"
#include "views/HouseMap.h"
#include "views/PyramidView.h"
#include "widgets/QtRasterImage.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

namespace vartel {

namespace {

constexpr Qt::WindowFlags FixedWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                                             Qt::MSWindowsFixedSizeDialogHint;

// The house picture with its bottom-left pixel's colour made transparent.
QPixmap TransparentHouse(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == transparent)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(image);
}

// The @Nx picture Qt picks for the device pixel ratio (the 1x one on an ordinary screen), or null when the
// 1x one is all there is.
QImage DensePicture(const QString& name, double ratio)
{
    qreal source = 1;
    const QString file = qt_findAtNxFile(name, ratio, &source);
    return source > 1 ? QImage(file) : QImage();
}

// The house at the device pixel ratio: scaled to exactly the device pixels of a house image, so the image
// shows it unscaled.
QPixmap HouseAt(double ratio, const QPixmap& oneX)
{
    const QImage dense = DensePicture(QStringLiteral(":/House0"), ratio);
    if (ratio <= 1.0 || dense.isNull())
        return TransparentHouse(oneX.toImage());
    QPixmap house = TransparentHouse(dense).scaled(QSize(HouseWidth, HouseHeight) * ratio, Qt::IgnoreAspectRatio,
                                                   Qt::FastTransformation);
    house.setDevicePixelRatio(ratio);
    return house;
}

} // namespace

TForm1::TForm1(Platform& platform, HintSwitch& hints, QWidget* parent)
    : QWidget(parent, FixedWindowFlags), platform_(platform), hints_(hints)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(tr("Vartel      -      Population Simulation"));
    setFont(SansFont(11));
    setFixedSize(ClientWidth, ClientHeight);
    setMouseTracking(true);

    BuildControlGroup();
    BuildScenarios();
    BuildParameters();
    BuildIncidents();
    BuildResults();
    BuildBulletinAndMap();
    BuildPyramidPanel();
    BuildGraphControls();
    BuildGraphPanel();
    BuildBottomLines();
    ui_.RichEdit1 = CreateInfoLine(this, platform_);
    WidenLabelsToTheirCaptions(this);
    SetAccessibleNames();

    ui_.MemoTimer = new QTimer(this);
    ui_.MemoTimer->setObjectName(QStringLiteral("MemoTimer"));
    ui_.MemoTimer->setInterval(500);

    BuildLessonControls();
    ConnectControls();
    GiveKeyboardAccess(*this, ui_);
    FormCreate();
    ui_.MemoTimer->start();

    if (const QScreen* screen = this->screen()) {
        const QRect desktop = screen->availableGeometry();
        move(desktop.center() - rect().center());
    }
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    sinceStart_.start();
    passTimer_.setSingleShot(true);
    passTimer_.setTimerType(Qt::PreciseTimer);
    connect(&passTimer_, &QTimer::timeout, this, &TForm1::RunPass);
    Schedule({NextPass::When::Soon});

    UseDecimalPointEverywhere();
    seed_ = platform_.ClockSeed();
    random_ = std::make_unique<SeededRandom>(seed_);
    houseRandom_ = std::make_unique<SeededRandom>(seed_);
    host_ = std::make_unique<WindowHost>(*this, platform_);
    session_ = std::make_unique<Session>(*host_, *random_, [this] { return sinceStart_.nsecsElapsed(); });
    // The run's options as the session starts them.
    ui_.TrackBar1->setValue(session_->Speed());
    ui_.CheckBox1->setChecked(session_->StepMode());
    ui_.CheckBox2->setChecked(session_->PauseAtAlarms());
    ui_.CheckBox4->setChecked(session_->Sound());

    CreateHouses();

    graphCanvas_ = std::make_unique<ViewCanvases>(*ui_.Image2);
    pyramidCanvas_ = std::make_unique<ViewCanvases>(*ui_.Image1);
    graphCanvas_->Draw(ClearGraphImage);
    ui_.Image1->SetDescription([this] { return PyramidDescription(state(), pyramidYear_); }, QAccessible::Chart);
    ui_.Image2->SetDescription([this] { return GraphDescription(state(), ui_.Linscale->isChecked(), pyramidYear_); },
                               QAccessible::Chart);
    ui_.Map->SetDescription([this] { return MapDescription(state()); }, QAccessible::Graphic);
    // On a screen of another resolution the graph is drawn anew as it stands; its 1x picture stays.
    graphCanvas_->SetRebuild([this](Canvas& c) {
        ClearGraphImage(c);
        DrawGraph(c, state(), ui_.Linscale->isChecked(), 1, keptCurves_);
        if (curveExtendedSinceDraw_)
            ExtendCurve(c, state(), ui_.Linscale->isChecked());
    });

    session_->StartUp();
    hints_.SetHintsShown(ui_.CheckBox3->isChecked());
}

void TForm1::ConnectControls()
{
    connect(ui_.StartButton, &QPushButton::clicked, this, &TForm1::StartButtonClick);
    connect(ui_.Newbutton, &QPushButton::clicked, this, &TForm1::NewbuttonClick);
    connect(ui_.HelpButton, &QPushButton::clicked, this, &TForm1::HelpButtonClick);
    connect(ui_.TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(ui_.CheckBox1, &QCheckBox::clicked, this, &TForm1::CheckBox1Click);
    connect(ui_.CheckBox2, &QCheckBox::toggled, this, &TForm1::CheckBox2Click);
    connect(ui_.CheckBox4, &QCheckBox::toggled, this, &TForm1::CheckBox4Click);
    connect(ui_.CheckBox3, &QCheckBox::clicked, this, &TForm1::CheckBox3Click);
    connect(ui_.MemoTimer, &QTimer::timeout, this, &TForm1::MemoTimerTimer);

    for (int i = 1; i <= 7; ++i)
        connect(ui_.RadioButtons[static_cast<std::size_t>(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                ScenarioClick(i);
        });
    connect(ui_.EpiButton, &QPushButton::clicked, this, [this] { IncidentClick(IncidentCode::Epidemic); });
    connect(ui_.OneButton, &QPushButton::clicked, this, [this] { IncidentClick(IncidentCode::OneChildPolicy); });
    connect(ui_.ImmButton, &QPushButton::clicked, this, [this] { IncidentClick(IncidentCode::ImmigrationWave); });

    connect(ui_.PopButton, &QPushButton::clicked, this, &TForm1::PopButtonClick);
    connect(ui_.BirthButton, &QPushButton::clicked, this, &TForm1::BirthButtonClick);
    connect(ui_.DeathButton, &QPushButton::clicked, this, &TForm1::DeathButtonClick);
    connect(ui_.lifebutton, &QPushButton::clicked, this, &TForm1::lifebuttonClick);
    connect(ui_.Linscale, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            LinscaleClick();
    });
    connect(ui_.Logscale, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            LogscaleClick();
    });
    connect(ui_.Inbutton, &QPushButton::clicked, this, &TForm1::InbuttonClick);
    connect(ui_.Outbutton, &QPushButton::clicked, this, &TForm1::OutbuttonClick);

    connect(ui_.Popmeter, &QLineEdit::returnPressed, this, [this] { PopmeterExit(CommitBy::Return); });
    connect(ui_.SPmeter, &QLineEdit::returnPressed, this, [this] { SPmeterExit(CommitBy::Return); });
    connect(ui_.BImeter, &QLineEdit::returnPressed, this, [this] { BImeterExit(CommitBy::Return); });
    connect(ui_.BDmeter, &QLineEdit::returnPressed, this, [this] { BDmeterExit(CommitBy::Return); });
    connect(ui_.ADmeter, &QLineEdit::returnPressed, this, [this] { ADmeterExit(CommitBy::Return); });
    connect(ui_.IMmeter, &QLineEdit::returnPressed, this, [this] { IMmeterExit(CommitBy::Return); });
    auto* selectAll = new ClickSelectsAll(this);
    for (QLineEdit* field : {static_cast<QLineEdit*>(ui_.Popmeter), static_cast<QLineEdit*>(ui_.SPmeter),
                             static_cast<QLineEdit*>(ui_.BImeter), static_cast<QLineEdit*>(ui_.BDmeter),
                             static_cast<QLineEdit*>(ui_.ADmeter), static_cast<QLineEdit*>(ui_.IMmeter)}) {
        field->installEventFilter(selectAll);
        field->installEventFilter(this); // leaving the field commits
    }
    for (QPushButton* button : findChildren<QPushButton*>())
        PressOnEnter(button);
    ConnectBrowsing();
    ConnectComparing();
    ConnectSaving(); // adds to the graph's menu
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the window leaves the field; another window (a message box)
        // taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            LeaveField(static_cast<QLineEdit*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::CreateHouses()
{
    const RasterImage& map = ui_.Map->Picture();
    mapHasLand_ = false;
    for (int y = 0; y < map.Height() && !mapHasLand_; ++y)
        for (int x = 0; x < map.Width() && !mapHasLand_; ++x)
            mapHasLand_ = map.PixelColor(x, y) == LandColor;

    const LandTest isLand = [this](int x, int y) { return IsLand(x, y); };
    for (int i = 1; i <= HouseCountMax; ++i) {
        auto* image = new QLabel(ui_.Panel3);
        image->setObjectName(QStringLiteral("House%1").arg(i));
        image->resize(HouseWidth, HouseHeight);
        image->setScaledContents(true);
        image->setToolTip(ui_.Map->toolTip());
        // The map under the house takes the mouse, with the same hint.
        image->setAttribute(Qt::WA_TransparentForMouseEvents);
        if (i > 1)
            image->hide();
        const Point place = PlaceHouse(isLand, *houseRandom_);
        image->move(place.x, place.y);
        ui_.Houses[static_cast<std::size_t>(i)] = image;
    }
    ShowMapAtDeviceRatio();
    connect(ui_.Map, &ImageView::DeviceRatioChanged, this, &TForm1::ShowMapAtDeviceRatio);
}

void TForm1::ShowMapAtDeviceRatio()
{
    const double ratio = ui_.Map->DeviceRatio();
    ui_.Map->SetScreenPicture(ToRasterImage(DensePicture(QStringLiteral(":/Map"), ratio)), ratio);
    const QPixmap house = HouseAt(ratio, ui_.House0->pixmap());
    for (int i = 1; i <= HouseCountMax; ++i)
        ui_.Houses[static_cast<std::size_t>(i)]->setPixmap(house);
}

bool TForm1::IsLand(int x, int y) const
{
    // A map without land would keep the placement drawing for ever; then every point counts as land.
    if (!mapHasLand_)
        return true;
    const RasterImage& map = ui_.Map->Picture();
    if (x < 0 || y < 0 || x >= map.Width() || y >= map.Height())
        return false;
    return map.PixelColor(x, y) == LandColor;
}

void TForm1::ShowHouseCount(int count)
{
    int& shown = model().S.HousesShown;
    for (int i = shown + 1; i <= count; ++i)
        ui_.Houses[static_cast<std::size_t>(i)]->show();
    for (int i = count + 1; i <= shown; ++i)
        ui_.Houses[static_cast<std::size_t>(i)]->hide();
    shown = count;
}

void TForm1::DrawGraphOnScreen()
{
    const SimulationState& s = state();
    const bool linear = ui_.Linscale->isChecked();
    graphCanvas_->Draw([&](Canvas& c) { DrawGraph(c, s, linear, 1, keptCurves_); });
    curveExtendedSinceDraw_ = false;
    if (s.GraphMode == GraphModeCode::Population)
        ui_.h1->resize(ui_.h1->width(), OverpopulationZoneHeight(linear, s.ZoomFactor));
    ui_.Image2->update();
}

void TForm1::ExtendCurveOnScreen()
{
    // Only the new segment changed: showing just its box spares copying the whole graph every year.
    const Point from = graphCanvas_->State().Position();
    graphCanvas_->Draw([this](Canvas& c) { ExtendCurve(c, state(), ui_.Linscale->isChecked()); });
    curveExtendedSinceDraw_ = true;
    const Point to = graphCanvas_->State().Position();
    const int margin = graphCanvas_->State().pen.Width + 1;
    ui_.Image2->UpdatePictureArea(
        QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)).normalized().adjusted(-margin, -margin, margin, margin));
}

void TForm1::DrawPyramidOnScreen(int year)
{
    pyramidYear_ = year;
    pyramidCanvas_->Repaint([this, year](Canvas& c) { DrawPyramid(c, state(), year, 1); });
    ui_.Image1->update();
}

void TForm1::HelpButtonClick()
{
    if (help_ == nullptr)
        return;
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TForm1::CheckBox3Click()
{
    hints_.SetHintsShown(ui_.CheckBox3->isChecked());
}

} // namespace vartel
