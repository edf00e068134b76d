#pragma once
// An image control: a persistent picture shown stretched to the control. What is drawn on the picture
// stays until it is drawn over; call update() after drawing. Mouse moves (without a button too) and left
// clicks are reported in the picture's own pixel coordinates.
//
// For assistive technology the control carries an accessible name and a description that says what it
// shows now, asked of its owner when a screen reader reads it.
//
// With the keyboard focus the control shows a focus mark around its edge, on the screen only.
//
// On a screen with a device pixel ratio above 1 the control shows a screen picture of the same view at
// the screen's resolution instead, which its owner draws or loads; the picture itself stays at 1x, for
// what is saved and for what positions refer to.
#include "views/RasterImage.h"

#include <QAccessible>
#include <QWidget>

#include <functional>

namespace vartel {

class Canvas;

class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(QSize pictureSize, QWidget* parent = nullptr);

    RasterImage& Picture();
    const RasterImage& Picture() const;
    void SetPicture(RasterImage picture); // a null picture is ignored
    // `draw` brings the picture up to date the next time it is asked for; the screen shows the screen
    // picture meanwhile, so a view that is repainted every year is drawn at 1x only when it is read.
    void SetPictureDue(std::function<void()> draw) { due_ = std::move(draw); }

    // The device pixel ratio the control is shown at, 1 at least.
    double DeviceRatio() const;
    // The ratio the screen picture was made for.
    double ScreenRatio() const { return screenRatio_; }
    // What the screen shows: the screen picture, or the picture itself when there is none.
    RasterImage& ScreenPicture() { return screenPicture_.IsNull() ? Picture() : screenPicture_; }
    const RasterImage& ScreenPicture() const { return screenPicture_.IsNull() ? Picture() : screenPicture_; }
    // The view made for `ratio`: device-sized for the graph and the pyramid, or any size stretched to the
    // control like the picture (the map); a null one shows the picture.
    void SetScreenPicture(RasterImage picture, double ratio);

    // What the control shows now, in words; with `role` (a chart, a picture).
    void SetDescription(std::function<QString()> describe, QAccessible::Role role);
    QString Description() const { return describe_ ? describe_() : QString(); }
    QAccessible::Role AccessibleRole() const { return role_; }

    // A drawing over the picture on the screen only, like the focus mark: what is saved stays without it.
    // It draws in the picture's pixels at scale 1; an empty one shows the picture alone.
    void SetOverlay(std::function<void(Canvas&)> draw);

    // Shows again the part of the picture in pictureArea (picture pixels), when only that part was drawn on.
    void UpdatePictureArea(const QRect& pictureArea);

signals:
    void MouseMoved(int x, int y);
    void Clicked();
    // The control is shown at another device pixel ratio than its screen picture was made for; the owner
    // makes a new one (SetScreenPicture) before the paint goes on.
    void DeviceRatioChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint ToPicture(QPointF widgetPoint) const;
    void DrawDue() const;

    mutable std::function<void()> due_;
    std::function<QString()> describe_;
    QAccessible::Role role_ = QAccessible::Graphic;
    RasterImage picture_;
    RasterImage screenPicture_;
    std::function<void(Canvas&)> overlay_;
    double screenRatio_ = 1.0;
};

} // namespace vartel
