#include "ui/Platform.h"

#include "ui/DesktopPlatform.h"

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

void ReportError(QWidget* owner, const QString& text)
{
    QString message = text;
    if (!message.isEmpty() && message.back() > QChar(u'.'))
        message += u'.';
    CurrentPlatform().ShowMessage(owner, QStringLiteral("Vartel"), message, MessageIcon::Stop);
}

} // namespace vartel
