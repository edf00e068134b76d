#include "ui/ImageView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace vartel {

ImageView::ImageView(QSize pictureSize, QWidget* parent)
    : QWidget(parent), picture_(pictureSize, QImage::Format_RGB32)
{
    picture_.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void ImageView::SetPicture(const QImage& picture)
{
    if (picture.isNull())
        return; // a missing picture leaves the blank one
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

void ImageView::UpdatePictureArea(const QRect& pictureArea)
{
    // A stretched picture is shown again whole: its pixels do not map one to one onto the control's.
    if (picture_.size() == size())
        update(pictureArea);
    else
        update();
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.size() == size())
        painter.drawImage(0, 0, picture_);
    else
        painter.drawImage(rect(), picture_);
}

QPoint ImageView::ToPicture(QPointF widgetPoint) const
{
    if (width() <= 0 || height() <= 0)
        return {};
    const double x = std::floor(widgetPoint.x() * picture_.width() / width());
    const double y = std::floor(widgetPoint.y() * picture_.height() / height());
    return {static_cast<int>(x), static_cast<int>(y)};
}

void ImageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = ToPicture(event->position());
    emit MouseMoved(p.x(), p.y());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

} // namespace vartel
