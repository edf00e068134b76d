#pragma once
// TFloatEdit: a single-line field for decimal numbers that refuses keys which cannot belong to a number
// (the rules of NumberKeyFilter: a typed or pasted comma is the decimal point) and offers its text as a
// number through Value.
#include <QLineEdit>

namespace vartel {

class Platform;

class TFloatEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
public:
    // Refused keys and texts that are no number are told through `platform`, which must outlive the field.
    explicit TFloatEdit(Platform& platform, QWidget* parent = nullptr);

    // An empty text becomes "0" first; a text that is no number gives an information message and 0.
    double Value();
    // Shortest general form up to 15 significant digits, with the current decimal separator.
    void SetValue(double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ReadCommasAsSeparator(const QString& edited);

    Platform& platform_;
};

} // namespace vartel
