#pragma once
// The whole-number fields Popmeter and SPmeter: only digits can be typed (pasting is not filtered, as with
// the system's digits-only style), and the text is cut to 9 characters on every change so that any value
// fits a 32-bit integer.
#include <QLineEdit>

namespace vartel {

class Platform;

class WholeNumberEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int MaxDigits = 9;

    // A refused key beeps through `platform`, which must outlive the field.
    explicit WholeNumberEdit(Platform& platform, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CutToMaxDigits(); // PopmeterChange, SPmeterChange

    Platform& platform_;
};

} // namespace vartel
