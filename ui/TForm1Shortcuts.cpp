#include "ui/TForm1Shortcuts.h"

#include "ui/ImageView.h"
#include "ui/NumEdit.h"
#include "ui/TForm1Ui.h"
#include "ui/WholeNumberEdit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>

#include <QKeySequence>

#include <vector>

namespace vartel {

namespace {

struct ButtonShortcut {
    QKeySequence Keys;
    QAbstractButton* Button;
};

std::vector<ButtonShortcut> ButtonShortcuts(const TForm1Ui& ui)
{
    return {{QKeySequence(Qt::Key_F1), ui.HelpButton},
            {QKeySequence(Qt::CTRL | Qt::Key_Space), ui.StartButton},
            {QKeySequence(Qt::CTRL | Qt::Key_N), ui.Newbutton},
            {QKeySequence(Qt::CTRL | Qt::Key_S), ui.Button2},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), ui.Button1}};
}

// In reading order: the left column, the middle one, the graph and the row below it. The results, the board
// and the map are read, not operated, and stay out of it.
std::vector<QWidget*> TabChain(const TForm1Ui& ui)
{
    return {ui.Newbutton, ui.StartButton, ui.HelpButton, ui.TrackBar1,       ui.CheckBox1,   ui.CheckBox4,
            ui.CheckBox2, ui.CheckBox3,   ui.Button3,    ui.RadioButtons[1], ui.Popmeter,    ui.SPmeter,
            ui.BImeter,   ui.BDmeter,     ui.ADmeter,    ui.IMmeter,         ui.EpiButton,   ui.OneButton,
            ui.ImmButton, ui.Image2,      ui.PopButton,  ui.BirthButton,     ui.DeathButton, ui.lifebutton,
            ui.Linscale,  ui.Inbutton,    ui.Outbutton,  ui.Button1,         ui.Button2};
}

// The graph's panel shows a frame in the highlight colour while the graph has the focus from the keyboard;
// a click, which freezes a moment there, changes nothing on the screen.
class KeyboardFocusFrame final : public QObject {
public:
    explicit KeyboardFocusFrame(QFrame* panel)
        : QObject(panel), panel_(panel), palette_(panel->palette()), style_(panel->frameStyle())
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
                Show(true);
        } else if (event->type() == QEvent::FocusOut) {
            Show(false);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Show(bool shown)
    {
        QPalette framed = palette_;
        framed.setColor(QPalette::WindowText, palette_.color(QPalette::Highlight));
        panel_->setPalette(shown ? framed : palette_);
        panel_->setFrameStyle(shown ? QFrame::Box | QFrame::Plain : style_);
    }

    QFrame* panel_;
    QPalette palette_;
    int style_;
};

void MakeTheChosenOneTheTabStop(const std::vector<QRadioButton*>& group)
{
    for (QRadioButton* button : group)
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Tab enters a group of radio buttons at its chosen one, also when the choice was made without the focus;
// Qt moves the stop as the focus moves in the group.
void KeepTheChosenOneTheTabStop(const std::vector<QRadioButton*>& group)
{
    for (QRadioButton* button : group)
        QObject::connect(button, &QRadioButton::toggled, button, [group](bool checked) {
            if (checked)
                MakeTheChosenOneTheTabStop(group);
        });
    MakeTheChosenOneTheTabStop(group);
}

} // namespace

void GiveKeyboardAccess(QWidget& window, const TForm1Ui& ui)
{
    ui.Image2->setFocusPolicy(Qt::StrongFocus);
    ui.Image2->installEventFilter(new KeyboardFocusFrame(static_cast<QFrame*>(ui.Panel2)));
    const std::vector<QWidget*> chain = TabChain(ui);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    // The other radio buttons of a group follow their first, where Tab skips them and the arrows reach them.
    for (std::size_t i = 2; i < ui.RadioButtons.size(); ++i)
        QWidget::setTabOrder(ui.RadioButtons[i - 1], ui.RadioButtons[i]);
    QWidget::setTabOrder(ui.RadioButtons.back(), ui.Popmeter);
    QWidget::setTabOrder(ui.Linscale, ui.Logscale);
    QWidget::setTabOrder(ui.Logscale, ui.Inbutton);
    KeepTheChosenOneTheTabStop({ui.RadioButtons[1], ui.RadioButtons[2], ui.RadioButtons[3], ui.RadioButtons[4],
                                ui.RadioButtons[5], ui.RadioButtons[6], ui.RadioButtons[7]});
    KeepTheChosenOneTheTabStop({ui.Linscale, ui.Logscale});

    for (const ButtonShortcut& shortcut : ButtonShortcuts(ui)) {
        auto* keys = new QShortcut(shortcut.Keys, &window);
        QAbstractButton* button = shortcut.Button;
        QObject::connect(keys, &QShortcut::activated, button, &QAbstractButton::click);
        button->setProperty(ShortcutProperty, shortcut.Keys.toString(QKeySequence::NativeText));
    }
}

} // namespace vartel
