#include "ui/HintZone.h"

#include <QMouseEvent>

namespace vartel {

HintZone::HintZone(const QString& hint, QWidget* parent) : QWidget(parent), hint_(hint)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setToolTip(hint_);
}

void HintZone::SetHintShown(bool shown)
{
    setToolTip(shown ? hint_ : QString());
}

void HintZone::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void HintZone::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void HintZone::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace vartel
