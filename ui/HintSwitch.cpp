#include "ui/HintSwitch.h"

#include "ui/TForm1Shortcuts.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace vartel {

namespace {

// The wake-up delay of tool tips is a style hint; everything else comes from the platform's style.
class HintTimingStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return HintSwitch::ShowDelayMs;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return HintSwitch::DisplayTimeMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

HintSwitch::HintSwitch()
{
    QApplication::setStyle(new HintTimingStyle);
    QCoreApplication::instance()->installEventFilter(this);
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    if (!shown_)
        return true;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->toolTip().isEmpty())
        return QObject::eventFilter(watched, event); // the parent's hint, if any
    const auto* help = static_cast<QHelpEvent*>(event);
    QString hint = widget->toolTip();
    if (const QString keys = widget->property(ShortcutProperty).toString(); !keys.isEmpty())
        hint += QStringLiteral("\r\n(%1)").arg(keys);
    QToolTip::showText(help->globalPos(), hint, widget, QRect(), DisplayTimeMs);
    return true;
}

} // namespace vartel
