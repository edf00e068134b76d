#include "ui/ImageView.h"

#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vartel {

namespace {

// The accessible side of an image control: its owner's description of what it shows now.
class AccessibleImageView final : public QAccessibleWidget {
public:
    explicit AccessibleImageView(ImageView* view) : QAccessibleWidget(view) {}

    QAccessible::Role role() const override { return static_cast<const ImageView*>(widget())->AccessibleRole(); }

    QString text(QAccessible::Text t) const override
    {
        const auto* view = static_cast<const ImageView*>(widget());
        if (t == QAccessible::Description && !view->Description().isEmpty())
            return view->Description();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AccessibleImageViews(const QString& className, QObject* object)
{
    if (className == QLatin1String(ImageView::staticMetaObject.className()) && object != nullptr)
        return new AccessibleImageView(static_cast<ImageView*>(object));
    return nullptr;
}

} // namespace

ImageView::ImageView(QSize pictureSize, QWidget* parent)
    : QWidget(parent), picture_(pictureSize.width(), pictureSize.height())
{
    static const bool accessible = [] {
        QAccessible::installFactory(AccessibleImageViews);
        return true;
    }();
    Q_UNUSED(accessible);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

RasterImage& ImageView::Picture()
{
    DrawDue();
    return picture_;
}

const RasterImage& ImageView::Picture() const
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

void ImageView::SetPicture(RasterImage picture)
{
    if (picture.IsNull())
        return; // a missing picture leaves the blank one
    due_ = nullptr;
    picture_ = std::move(picture);
    update();
}

void ImageView::SetDescription(std::function<QString()> describe, QAccessible::Role role)
{
    describe_ = std::move(describe);
    role_ = role;
}

double ImageView::DeviceRatio() const
{
    return std::max(1.0, devicePixelRatioF());
}

void ImageView::SetScreenPicture(RasterImage picture, double ratio)
{
    screenPicture_ = std::move(picture);
    screenRatio_ = std::max(1.0, ratio);
    update();
}

void ImageView::SetOverlay(std::function<void(Canvas&)> draw)
{
    overlay_ = std::move(draw);
    update();
}

void ImageView::UpdatePictureArea(const QRect& pictureArea)
{
    // A stretched picture is shown again whole: its pixels do not map one to one onto the control's.
    if (picture_.Size() != PixelSize{width(), height()})
        update();
    else if (!screenPicture_.IsNull())
        update(pictureArea.adjusted(-1, -1, 1, 1)); // the area's edges may fall inside device pixels
    else
        update(pictureArea);
}

void ImageView::paintEvent(QPaintEvent* event)
{
    if (DeviceRatio() != screenRatio_)
        emit DeviceRatioChanged();
    QPainter painter(this);
    const RasterImage* picture = &ScreenPicture();
    // One image pixel to one screen pixel: painted in device pixels, so nothing is resampled.
    const bool devicePixels =
        !screenPicture_.IsNull() && picture->Size() == RasterCanvas::DeviceSize({width(), height()}, screenRatio_);
    RasterImage overlaid;
    if (overlay_) {
        overlaid = *picture;
        RasterCanvas canvas(overlaid, devicePixels ? screenRatio_ : 1.0);
        overlay_(canvas);
        picture = &overlaid;
    }
    const QImage shown = WrappedForReading(*picture);
    // One rectangle of the area at a time: under a clip of many rectangles (the map where houses came and
    // went) the toolkit blends the image row by row and hands the rows to other threads; under one
    // rectangle it copies them.
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        if (devicePixels) {
            painter.setWorldTransform(QTransform::fromScale(1.0 / screenRatio_, 1.0 / screenRatio_));
            painter.drawImage(0, 0, shown);
            painter.resetTransform();
        } else if (shown.size() == size()) {
            painter.drawImage(0, 0, shown);
        } else {
            painter.drawImage(rect(), shown);
        }
    }
    if (hasFocus()) {
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void ImageView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ImageView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

QPoint ImageView::ToPicture(QPointF widgetPoint) const
{
    if (width() <= 0 || height() <= 0)
        return {};
    const double x = std::floor(widgetPoint.x() * picture_.Width() / width());
    const double y = std::floor(widgetPoint.y() * picture_.Height() / height());
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
