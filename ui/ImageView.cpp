#include "ui/ImageView.h"

#include "views/RasterCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vartel {

ImageView::ImageView(QSize pictureSize, QWidget* parent)
    : QWidget(parent), picture_(pictureSize, QImage::Format_RGB32)
{
    picture_.fill(Qt::white);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QImage& ImageView::Picture()
{
    DrawDue();
    return picture_;
}

const QImage& ImageView::Picture() const
{
    DrawDue();
    return picture_;
}

void ImageView::DrawDue() const
{
    if (!due_)
        return;
    const std::function<void()> draw = std::move(due_);
    due_ = nullptr;
    draw();
}

void ImageView::SetPicture(const QImage& picture)
{
    if (picture.isNull())
        return; // a missing picture leaves the blank one
    due_ = nullptr;
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

double ImageView::DeviceRatio() const
{
    return std::max(1.0, devicePixelRatioF());
}

void ImageView::SetScreenPicture(const QImage& picture, double ratio)
{
    screenPicture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    screenRatio_ = std::max(1.0, ratio);
    update();
}

void ImageView::UpdatePictureArea(const QRect& pictureArea)
{
    // A stretched picture is shown again whole: its pixels do not map one to one onto the control's.
    if (picture_.size() != size())
        update();
    else if (!screenPicture_.isNull())
        update(pictureArea.adjusted(-1, -1, 1, 1)); // the area's edges may fall inside device pixels
    else
        update(pictureArea);
}

void ImageView::paintEvent(QPaintEvent*)
{
    if (DeviceRatio() != screenRatio_)
        emit DeviceRatioChanged();
    QPainter painter(this);
    const QImage& shown = ScreenPicture();
    if (!screenPicture_.isNull() && shown.size() == RasterCanvas::DeviceSize(size(), screenRatio_)) {
        // One image pixel to one screen pixel: painted in device pixels, so nothing is resampled.
        painter.setWorldTransform(QTransform::fromScale(1.0 / screenRatio_, 1.0 / screenRatio_));
        painter.drawImage(0, 0, shown);
    } else if (shown.size() == size()) {
        painter.drawImage(0, 0, shown);
    } else {
        painter.drawImage(rect(), shown);
    }
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
