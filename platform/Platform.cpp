#include "platform/Platform.h"

#include "platform/DesktopPlatform.h"

#include <QAccessible>
#include <QWidget>

namespace vartel {

namespace {

Platform* installed = nullptr;

} // namespace

Platform& CurrentPlatform()
{
    static DesktopPlatform desktop;
    return installed != nullptr ? *installed : desktop;
}

void InstallPlatform(Platform* platform)
{
    installed = platform;
}

void Platform::Announce(QWidget* source)
{
    QAccessibleEvent announcement(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&announcement);
}

void ReportError(QWidget* owner, const QString& text)
{
    QString message = text;
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        message += u'.';
    CurrentPlatform().ShowMessage(owner, QStringLiteral("Vartel"), message, MessageIcon::Stop);
}

} // namespace vartel
