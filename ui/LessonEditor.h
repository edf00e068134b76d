#pragma once
// The small editor that "Save as lesson…" opens on the current set-up: the lesson's title, the instructions
// for the class, the controls it locks and the pause points with their questions. The run's set-up itself
// (scenario, changes, speed, seed) passes through unchanged.
#include "lesson/Lesson.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vartel {

class LessonEditor : public QDialog {
    Q_OBJECT

public:
    LessonEditor(const Lesson& setUp, QWidget* parent = nullptr);

    // The set-up with what the editor holds now; the pause points in order of year.
    Lesson Edited() const;
    // A new pause point row (year, question) at the end; the Add button's work.
    void AddPausePoint(int year, const QString& question);

    // OK keeps the dialog open, with the reason under the fields, while the lesson would not read back.
    void accept() override;

private:
    void RemovePausePoint();

    Lesson setUp_;
    QLineEdit* title_ = nullptr;
    QPlainTextEdit* instructions_ = nullptr;
    std::array<QCheckBox*, 4> locks_{}; // scenario, parameters, incidents, speed
    QTableWidget* pausePoints_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QLabel* problem_ = nullptr;
};

} // namespace vartel
