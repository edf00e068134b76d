#include "ui/NumEdit.h"

#include "platform/Platform.h"
#include "ui/TypedCharacter.h"

#include <QKeyEvent>
#include <QLocale>

namespace vartel {

namespace {

QString DecimalSeparator()
{
    return QLocale().decimalPoint();
}

} // namespace

TFloatEdit::TFloatEdit(Platform& platform, QWidget* parent) : QLineEdit(parent), platform_(platform)
{
    setText(QStringLiteral("0.0"));
    resize(33, height());
}

double TFloatEdit::Value()
{
    if (text().isEmpty())
        setText(QStringLiteral("0"));
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text().trimmed(), &ok);
    if (!ok) {
        platform_.ShowMessage(window(), tr("Information"),
                              tr("EConvertError\r'%1' is not a valid floating point value").arg(text()),
                              MessageIcon::Information);
        return 0;
    }
    return value;
}

void TFloatEdit::SetValue(double value)
{
    QString shown = QLocale().toString(value, 'g', 15);
    // The general form writes exponents as E20 and E-7.
    const qsizetype e = shown.indexOf(u'e');
    if (e >= 0) {
        QString exponent = shown.mid(e + 1);
        const bool negative = exponent.startsWith(u'-');
        exponent.remove(0, (negative || exponent.startsWith(u'+')) ? 1 : 0);
        while (exponent.size() > 1 && exponent.startsWith(u'0'))
            exponent.remove(0, 1);
        shown = shown.left(e) + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
    }
    setText(shown);
}

bool TFloatEdit::Accepts(QChar typed) const
{
    if (typed.unicode() > 255)
        return false;
    if (typed == u'+' || typed == u'-' || (typed >= u'0' && typed <= u'9'))
        return true;
    return QString(typed) == DecimalSeparator();
}

void TFloatEdit::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<QChar> typed = TypedCharacter(*event)) {
        const QChar c = *typed;
        // The separator is refused when the text holds one, even when typing would replace it.
        const bool secondSeparator = QString(c) == DecimalSeparator() && text().contains(DecimalSeparator());
        if (!Accepts(c) || secondSeparator) {
            platform_.Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vartel
