#pragma once
// The application's helping hints: shown at once and kept up 20 seconds, and only while switched on
// ("Show helping hints"). Installed once on the application; the window switches it.
#include <QObject>

namespace vartel {

class HintSwitch : public QObject {
    Q_OBJECT
public:
    static constexpr int ShowDelayMs = 0;
    static constexpr int DisplayTimeMs = 20000;

    // The one switch of the application, installed on first use (needs the QApplication).
    static HintSwitch& Instance();

    void SetHintsShown(bool shown) { shown_ = shown; }
    bool HintsShown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HintSwitch();
    bool shown_ = false;
};

} // namespace vartel
