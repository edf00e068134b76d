#include "ui/WidgetFactory.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vartel {

namespace {

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

QFont SansFont(int pixels, bool bold, bool italic)
{
    QFont font = PixelFont(QStringLiteral("Liberation Sans"), pixels, bold, italic);
    // The window's captions were fitted to a narrower face; a slightly condensed one keeps them whole.
    font.setStretch(90);
    return font;
}

QFont SerifFont(int pixels)
{
    return PixelFont(QStringLiteral("Liberation Serif"), pixels, false, false);
}

QFont MonoFont(int pixels, bool bold)
{
    return PixelFont(QStringLiteral("Liberation Mono"), pixels, bold, false);
}

void PlaceWidget(QWidget* widget, const char* name, Geometry g, const QString& hint)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(g.left, g.top, g.width, g.height);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, Geometry g, const QString& hint)
{
    return Place(new QGroupBox(parent), name, g, hint);
}

QLabel* MakeLabel(QWidget* parent, const char* name, Geometry g, const QString& text, const QString& hint)
{
    return Place(new QLabel(text, parent), name, g, hint);
}

QLabel* MakeHeading(QWidget* parent, const char* name, Geometry g, const QString& text, const QString& hint)
{
    QLabel* label = MakeLabel(parent, name, g, text, hint);
    label->setFont(SansFont(16, true, true));
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, Geometry g, const QString& caption, const QString& hint)
{
    auto* button = Place(new QPushButton(caption, parent), name, g, hint);
    button->setFocusPolicy(Qt::ClickFocus);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, Geometry g, const QString& caption, bool checked,
                        const QString& hint)
{
    auto* box = Place(new QCheckBox(caption, parent), name, g, hint);
    box->setChecked(checked);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

QRadioButton* MakeRadioButton(QWidget* parent, const char* name, Geometry g, const QString& caption,
                              const QString& hint)
{
    auto* button = Place(new QRadioButton(caption, parent), name, g, hint);
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

QLineEdit* MakeResultField(QWidget* parent, const char* name, int left, int top, const QString& hint)
{
    auto* field = Place(new QLineEdit(parent), name, {left, top, 60, 16}, hint);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Light));
    field->setPalette(palette);
    return field;
}

QWidget* MakeLoweredPanel(QWidget* parent, const char* name, Geometry g)
{
    auto* panel = Place(new QFrame(parent), name, g);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

} // namespace vartel
