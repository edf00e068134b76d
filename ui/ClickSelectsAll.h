#pragma once
// A click in one of the parameter fields selects its whole text, so a new value replaces the old one.
#include <QObject>

namespace vartel {

class ClickSelectsAll : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace vartel
