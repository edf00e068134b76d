#include "platform/Platform.h"

#include <QAccessible>
#include <QWidget>

namespace vartel {

void Platform::Announce(QWidget* source)
{
    QAccessibleEvent announcement(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&announcement);
}

void Platform::ReportError(QWidget* owner, const QString& text)
{
    QString message = text;
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        message += u'.';
    ShowMessage(owner, QStringLiteral("Vartel"), message, MessageIcon::Stop);
}

} // namespace vartel
