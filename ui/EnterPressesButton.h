#pragma once
// Enter (or the keypad's Enter) on a focused push button presses it, as Space does: after a run New has
// the focus and at start-up Start, and a keyboard user expects Enter to press them.
#include <QObject>

namespace vartel {

class EnterPressesButton : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vartel
