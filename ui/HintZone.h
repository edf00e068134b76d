#pragma once
// An invisible zone over the graph that carries a hint. It draws nothing and takes the mouse itself, so
// the graph under it is neither browsed nor restored there. Its hint can be switched off and on.
#include <QWidget>

namespace vartel {

class HintZone : public QWidget {
    Q_OBJECT
public:
    HintZone(const QString& hint, QWidget* parent);

    void SetHintShown(bool shown);
    bool HintShown() const { return !toolTip().isEmpty(); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString hint_;
};

} // namespace vartel
