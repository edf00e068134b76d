#pragma once
// An image control: a persistent picture shown stretched to the control. What is drawn on the picture
// stays until it is drawn over; call update() after drawing. Mouse moves (without a button too) and left
// clicks are reported in the picture's own pixel coordinates.
#include <QImage>
#include <QWidget>

namespace vartel {

class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(QSize pictureSize, QWidget* parent = nullptr);

    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture); // converted to Format_RGB32; a null picture is ignored
    // Shows again the part of the picture in pictureArea (picture pixels), when only that part was drawn on.
    void UpdatePictureArea(const QRect& pictureArea);

signals:
    void MouseMoved(int x, int y);
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint ToPicture(QPointF widgetPoint) const;

    QImage picture_;
};

} // namespace vartel
