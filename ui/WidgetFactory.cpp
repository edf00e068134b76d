#include "ui/WidgetFactory.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace vartel {

namespace {

// Paints the bevel over the field's own painting.
class SoftBevel final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* field = static_cast<QLineEdit*>(watched);
        field->event(event);
        QPainter painter(field);
        const QRect r = field->rect();
        painter.setPen(field->palette().color(QPalette::Mid));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(field->palette().color(QPalette::Light));
        painter.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
        painter.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
        return true;
    }
};

// The style's own slider with another thumb length; Fusion draws the thumb one pixel inside its rectangle
// on either side.
class ThumbLengthStyle final : public QProxyStyle {
public:
    ThumbLengthStyle(const QString& baseStyle, int pixels) : QProxyStyle(baseStyle), pixels_(pixels) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_SliderThickness)
            return pixels_ + 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int pixels_;
};

} // namespace

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

void WidenLabelsToTheirCaptions(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (label->pixmap().isNull() && needed > label->width())
            label->resize(needed, label->height());
    }
}

QPushButton* MakeButton(QWidget* parent, const char* name, Geometry g, const QString& caption, const QString& hint)
{
    auto* button = Place(new QPushButton(caption, parent), name, g, hint);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, Geometry g, const QString& caption, bool checked,
                        const QString& hint)
{
    auto* box = Place(new QCheckBox(caption, parent), name, g, hint);
    box->setChecked(checked);
    return box;
}

QRadioButton* MakeRadioButton(QWidget* parent, const char* name, Geometry g, const QString& caption,
                              const QString& hint)
{
    return Place(new QRadioButton(caption, parent), name, g, hint);
}

QLineEdit* MakeResultField(QWidget* parent, const char* name, int left, int top, const QString& hint)
{
    auto* field = Place(new QLineEdit(parent), name, {left, top, 60, 16}, hint);
    field->setReadOnly(true);
    // A value wider than the field shows its first digits, which tell its size, and the whole value in its
    // hint; the field would otherwise scroll to the end of the new text and cut the first digits.
    QObject::connect(field, &QLineEdit::textChanged, field, [field, hint](const QString& text) {
        field->setCursorPosition(0);
        // QLineEdit keeps two pixels on either side of its text margins.
        const QMargins margins = field->textMargins();
        const int room = field->contentsRect().width() - margins.left() - margins.right() - 2 * 2;
        const bool fits = field->fontMetrics().horizontalAdvance(text) <= room;
        field->setToolTip(fits ? hint : hint + QStringLiteral("\r\n") + text);
    });
    GiveSoftLoweredBevel(field);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Light));
    field->setPalette(palette);
    return field;
}

void GiveSoftLoweredBevel(QLineEdit* field)
{
    field->setFrame(false);
    field->setTextMargins(1, 1, 1, 1);
    field->installEventFilter(new SoftBevel(field));
}

void SetThumbLength(QSlider* slider, int pixels)
{
    auto* style = new ThumbLengthStyle(QApplication::style()->name(), pixels);
    // Owned by the window, which deletes it after the slider it serves.
    style->setParent(slider->window());
    slider->setStyle(style);
}

QWidget* MakeLoweredPanel(QWidget* parent, const char* name, Geometry g)
{
    auto* panel = Place(new QFrame(parent), name, g);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    return panel;
}

} // namespace vartel
