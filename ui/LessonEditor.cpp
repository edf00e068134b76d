#include "ui/LessonEditor.h"

#include "lesson/LessonReader.h"
#include "lesson/LessonWriter.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vartel {

namespace {

constexpr int YearColumn = 0;
constexpr int QuestionColumn = 1;

QCheckBox* LockBox(const QString& text, const char* name, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

} // namespace

LessonEditor::LessonEditor(const Lesson& setUp, QWidget* parent) : QDialog(parent), setUp_(setUp)
{
    setObjectName(QStringLiteral("LessonEditor"));
    setWindowTitle(tr("Save as lesson"));
    auto* layout = new QVBoxLayout(this);

    auto* texts = new QFormLayout;
    title_ = new QLineEdit(QString::fromStdString(setUp.Title), this);
    title_->setObjectName(QStringLiteral("LessonTitle"));
    title_->setMaxLength(static_cast<int>(MaxTitleCharacters));
    texts->addRow(tr("Title:"), title_);
    instructions_ = new QPlainTextEdit(QString::fromStdString(setUp.Instructions), this);
    instructions_->setObjectName(QStringLiteral("LessonInstructions"));
    instructions_->setTabChangesFocus(true);
    texts->addRow(tr("Instructions for the class:"), instructions_);
    layout->addLayout(texts);

    auto* lockGroup = new QGroupBox(tr("The class cannot change"), this);
    auto* lockLayout = new QHBoxLayout(lockGroup);
    locks_ = {LockBox(tr("the scenario"), "LockScenario", setUp.Locks.Scenario, lockGroup),
              LockBox(tr("the parameters"), "LockParameters", setUp.Locks.Parameters, lockGroup),
              LockBox(tr("the incidents"), "LockIncidents", setUp.Locks.Incidents, lockGroup),
              LockBox(tr("the speed"), "LockSpeed", setUp.Locks.Speed, lockGroup)};
    for (QCheckBox* box : locks_)
        lockLayout->addWidget(box);
    layout->addWidget(lockGroup);

    auto* pauseGroup = new QGroupBox(tr("Pause points: the run pauses at the year and asks the question"), this);
    auto* pauseLayout = new QVBoxLayout(pauseGroup);
    pausePoints_ = new QTableWidget(0, 2, pauseGroup);
    pausePoints_->setObjectName(QStringLiteral("PausePoints"));
    pausePoints_->setHorizontalHeaderLabels({tr("Year"), tr("Question")});
    pausePoints_->horizontalHeader()->setSectionResizeMode(QuestionColumn, QHeaderView::Stretch);
    pausePoints_->verticalHeader()->hide();
    pausePoints_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pauseLayout->addWidget(pausePoints_);
    auto* pauseButtons = new QHBoxLayout;
    auto* addButton = new QPushButton(tr("Add a pause point"), pauseGroup);
    addButton->setObjectName(QStringLiteral("AddPausePoint"));
    removeButton_ = new QPushButton(tr("Remove"), pauseGroup);
    removeButton_->setObjectName(QStringLiteral("RemovePausePoint"));
    pauseButtons->addWidget(addButton);
    pauseButtons->addWidget(removeButton_);
    pauseButtons->addStretch();
    pauseLayout->addLayout(pauseButtons);
    layout->addWidget(pauseGroup);
    for (const PausePoint& point : setUp.PausePoints)
        AddPausePoint(point.Year, QString::fromStdString(point.Question));
    connect(addButton, &QPushButton::clicked, this, [this] {
        const int rows = pausePoints_->rowCount();
        const auto* last = rows > 0 ? qobject_cast<QSpinBox*>(pausePoints_->cellWidget(rows - 1, YearColumn)) : nullptr;
        AddPausePoint(std::min(MaxYear, last != nullptr ? last->value() + 100 : 100), QString());
    });
    connect(removeButton_, &QPushButton::clicked, this, &LessonEditor::RemovePausePoint);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("LessonProblem"));
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LessonEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LessonEditor::reject);
    layout->addWidget(buttons);
}

void LessonEditor::AddPausePoint(int year, const QString& question)
{
    const int row = pausePoints_->rowCount();
    pausePoints_->insertRow(row);
    auto* yearBox = new QSpinBox(pausePoints_);
    yearBox->setRange(1, MaxYear);
    yearBox->setValue(year);
    pausePoints_->setCellWidget(row, YearColumn, yearBox);
    auto* questionField = new QLineEdit(question, pausePoints_);
    questionField->setMaxLength(static_cast<int>(MaxQuestionCharacters));
    pausePoints_->setCellWidget(row, QuestionColumn, questionField);
}

void LessonEditor::RemovePausePoint()
{
    const int row = pausePoints_->currentRow();
    if (row >= 0)
        pausePoints_->removeRow(row);
}

Lesson LessonEditor::Edited() const
{
    Lesson lesson = setUp_;
    lesson.Title = title_->text().toStdString();
    lesson.Instructions = instructions_->toPlainText().toStdString();
    lesson.Locks = {locks_[0]->isChecked(), locks_[1]->isChecked(), locks_[2]->isChecked(), locks_[3]->isChecked()};
    lesson.PausePoints.clear();
    for (int row = 0; row < pausePoints_->rowCount(); ++row) {
        const auto* year = qobject_cast<const QSpinBox*>(pausePoints_->cellWidget(row, YearColumn));
        const auto* question = qobject_cast<const QLineEdit*>(pausePoints_->cellWidget(row, QuestionColumn));
        lesson.PausePoints.push_back({year->value(), question->text().toStdString()});
    }
    std::stable_sort(lesson.PausePoints.begin(), lesson.PausePoints.end(),
                     [](const PausePoint& a, const PausePoint& b) { return a.Year < b.Year; });
    return lesson;
}

void LessonEditor::accept()
{
    // The reader judges, so the editor accepts exactly the lessons the program opens.
    const LessonReading back = ReadLesson(WriteLesson(Edited()));
    if (!back.Error.empty()) {
        problem_->setText(QString::fromStdString(back.Error));
        problem_->show();
        return;
    }
    QDialog::accept();
}

} // namespace vartel
