#include "ui/NumEdit.h"

#include "platform/Platform.h"
#include "session/NumberKeyFilter.h"
#include "ui/TypedCharacter.h"

#include <QKeyEvent>
#include <QLocale>

namespace vartel {

namespace {

char DecimalSeparator()
{
    return QLocale().decimalPoint().front().toLatin1();
}

} // namespace

TFloatEdit::TFloatEdit(Platform& platform, QWidget* parent) : QLineEdit(parent), platform_(platform)
{
    setText(QStringLiteral("0.0"));
    resize(33, height());
    connect(this, &QLineEdit::textEdited, this, &TFloatEdit::ReadCommasAsSeparator);
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

void TFloatEdit::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<QChar> typed = TypedCharacter(*event)) {
        const std::optional<char32_t> put =
            TypedIntoNumberField(NumberField::Decimal, typed->unicode(), text().toStdString(), DecimalSeparator());
        if (!put) {
            platform_.Beep();
            event->accept();
            return;
        }
        if (*put != typed->unicode()) {
            // A decimal comma goes in as the separator, edited as the separator's own key would be.
            const QChar separator(*put);
            QKeyEvent asSeparator(event->type(), separator == u',' ? Qt::Key_Comma : Qt::Key_Period, event->modifiers(),
                                  QString(separator), event->isAutoRepeat(), event->count());
            QLineEdit::keyPressEvent(&asSeparator);
            event->setAccepted(asSeparator.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TFloatEdit::ReadCommasAsSeparator(const QString& edited)
{
    const QString read = QString::fromStdString(WithDecimalSeparator(edited.toStdString(), DecimalSeparator()));
    if (read == edited)
        return;
    const int cursor = cursorPosition();
    setText(read);
    setModified(true);
    setCursorPosition(cursor);
}

} // namespace vartel
