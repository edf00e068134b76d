#pragma once
// The application's helping hints: shown at once and kept up 20 seconds, and only while switched on
// ("Show helping hints"); a control's shortcut is shown after its hint. main makes one for the life of both windows (it
// needs the QApplication) and the main window switches it.
#include <QObject>

namespace vartel {

class HintSwitch : public QObject {
    Q_OBJECT
public:
    static constexpr int ShowDelayMs = 0;
    static constexpr int DisplayTimeMs = 20000;

    // Installs itself on the application: its style's hint timing and a filter of the hint events.
    HintSwitch();

    void SetHintsShown(bool shown) { shown_ = shown; }
    bool HintsShown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool shown_ = false;
};

} // namespace vartel
