// History browsing in the window: the graph's mouse moves, clicks and keys go to the session, and so do the
// mouse moves over the controls that show the present again.
#include "platform/Platform.h"
#include "session/Browsing.h"
#include "ui/ImageView.h"
#include "ui/TForm1.h"
#include "views/GraphView.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

#include <optional>

namespace vartel {

namespace {

// A mouse move on the window itself or on one of the restoring controls shows the present. Only a move
// whose deepest widget under the mouse is the watched one counts: the labels, fields and buttons inside
// a restoring group box do not restore, nor does the window behind the other controls.
class RestoringMouseFilter final : public QObject {
public:
    explicit RestoringMouseFilter(TForm1& window) : QObject(&window), window_(window) {}

    void Watch(QWidget* widget)
    {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            auto* widget = static_cast<QWidget*>(watched);
            const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (widget->rect().contains(point) && widget->childAt(point) == nullptr)
                window_.RestorePresent();
        }
        return false;
    }

private:
    TForm1& window_;
};

// The browsing keys of the graph that has the keyboard focus; other keys go on as usual.
class GraphKeyFilter final : public QObject {
public:
    explicit GraphKeyFilter(TForm1& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return window_.Image2KeyDown(key->key(), key->modifiers());
    }

private:
    TForm1& window_;
};

std::optional<BrowseKey> BrowseKeyOf(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers other = modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (other != Qt::NoModifier)
        return std::nullopt;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Left:
        return shift ? BrowseKey::PageLeft : BrowseKey::Left;
    case Qt::Key_Right:
        return shift ? BrowseKey::PageRight : BrowseKey::Right;
    case Qt::Key_Home:
        return BrowseKey::Home;
    case Qt::Key_End:
        return BrowseKey::End;
    case Qt::Key_Space:
        return BrowseKey::Freeze;
    case Qt::Key_Escape:
        return BrowseKey::Present;
    default:
        return std::nullopt;
    }
}

} // namespace

void TForm1::ConnectBrowsing()
{
    connect(ui_.Image2, &ImageView::MouseMoved, this, &TForm1::Image2MouseMove);
    connect(ui_.Image2, &ImageView::Clicked, this, &TForm1::Image2Click);
    // A click gives the graph the keyboard focus for browsing; Tab passes it by.
    ui_.Image2->setFocusPolicy(Qt::ClickFocus);
    ui_.Image2->installEventFilter(new GraphKeyFilter(*this));

    auto* filter = new RestoringMouseFilter(*this);
    for (QWidget* place : std::initializer_list<QWidget*>{
             this, ui_.Image1, ui_.Map, ui_.GroupBox2, ui_.GroupBox4, ui_.GroupBox6, ui_.PopButton, ui_.BirthButton,
             ui_.DeathButton, ui_.lifebutton, ui_.Inbutton, ui_.Outbutton, ui_.Button1, ui_.Button2, ui_.StartButton})
        filter->Watch(place);
}

void TForm1::Image2MouseMove(int X, int Y)
{
    graphMouse_ = QPoint(X, Y);
    session_->browsing().MouseMove(X, Y);
}

void TForm1::Image2Click()
{
    // The mouse moved onto the graph's point before it was clicked there.
    session_->browsing().Click(graphMouse_.x(), graphMouse_.y());
}

bool TForm1::Image2KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const std::optional<BrowseKey> browseKey = BrowseKeyOf(key, modifiers);
    if (!browseKey || !session_->browsing().Key(*browseKey))
        return false;
    // A screen reader reads the year on display, as the graph describes it now.
    platform_.Announce(ui_.Image2);
    return true;
}

void TForm1::ShowBrowseMarker(std::optional<int> year)
{
    if (year == browseMarkerYear_)
        return;
    browseMarkerYear_ = year;
    if (!year) {
        ui_.Image2->SetOverlay(nullptr);
        return;
    }
    // Over the graph on the screen only: the graph's picture, which is saved, stays as the run drew it.
    ui_.Image2->SetOverlay([year = *year](Canvas& c) { DrawBrowseMarker(c, year, 1); });
}

void TForm1::RestorePresent()
{
    if (session_)
        session_->browsing().ShowPresent();
}

} // namespace vartel
