// Lessons in the window: opening one (the command line, a dropped file, Ctrl+O), its set-up and locked
// controls, and its questions at the pause points with the student's answers.
#include "lesson/LessonPlan.h"
#include "lesson/LessonReader.h"
#include "lesson/LessonRun.h"
#include "lesson/TextFile.h"
#include "platform/Platform.h"
#include "ui/NumEdit.h"
#include "ui/TForm1.h"
#include "ui/WholeNumberEdit.h"
#include "widgets/Fonts.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace vartel {

namespace {

constexpr const char* LessonSuffix = ".vartel";

// The one local lesson file among dropped URLs, or an empty string.
QString DroppedLesson(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(LessonSuffix), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

} // namespace

void TForm1::BuildLessonControls()
{
    setAcceptDrops(true);
    auto* open = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
    open->setObjectName(QStringLiteral("OpenLessonShortcut"));
    connect(open, &QShortcut::activated, this, &TForm1::OpenLessonClick);

    // Over the lower part of the map, which matters least while the class answers.
    ui_.LessonQuestion = new QWidget(this);
    ui_.LessonQuestion->setObjectName(QStringLiteral("LessonQuestion"));
    ui_.LessonQuestion->setGeometry(456, 318, 401, 90);
    ui_.LessonQuestion->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(ui_.LessonQuestion);
    layout->setContentsMargins(6, 4, 6, 4);
    ui_.QuestionText = new QLabel(ui_.LessonQuestion);
    ui_.QuestionText->setObjectName(QStringLiteral("QuestionText"));
    ui_.QuestionText->setWordWrap(true);
    ui_.QuestionText->setFont(SansFont(11, true, false));
    ui_.AnswerEdit = new QLineEdit(ui_.LessonQuestion);
    ui_.AnswerEdit->setObjectName(QStringLiteral("AnswerEdit"));
    ui_.AnswerEdit->setPlaceholderText(tr("Your answer"));
    ui_.AnswerEdit->setAccessibleName(tr("Your answer"));
    layout->addWidget(ui_.QuestionText);
    layout->addWidget(ui_.AnswerEdit);
    ui_.LessonQuestion->hide();
    connect(ui_.AnswerEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (lesson_)
            lesson_->Answer(questionYear_, text.toStdString());
    });
}

void TForm1::OpenLessonClick()
{
    FileDialogRequest request;
    request.Title = tr("Open a lesson");
    request.Filters = QStringList{tr("Lesson (*.vartel)")};
    const QString chosen = platform_.AskOpenFileName(this, request);
    if (!chosen.isEmpty())
        OpenLesson(chosen);
}

bool TForm1::OpenLesson(const QString& path)
{
    std::string text;
    std::string error = ReadTextFile(QFile::encodeName(path).toStdString(), MaxLessonBytes, text);
    LessonReading reading;
    if (error.empty()) {
        reading = ReadLesson(text);
        error = reading.Error;
    }
    if (!error.empty()) {
        platform_.ShowMessage(this, tr("Lesson"), tr("%1 is no lesson: %2").arg(path, QString::fromStdString(error)),
                              MessageIcon::Stop);
        return false;
    }
    ApplyLesson(reading.Read);
    QString shown = QString::fromStdString(reading.Read.Title);
    if (!reading.Read.Instructions.empty())
        shown += QStringLiteral("\n\n") + QString::fromStdString(reading.Read.Instructions);
    for (const std::string& notice : reading.Notices)
        shown += QStringLiteral("\n\n") + QString::fromStdString(notice);
    platform_.ShowMessage(this, tr("Lesson"), shown.trimmed(), MessageIcon::Information);
    return true;
}

void TForm1::ApplyLesson(const Lesson& lesson)
{
    passTimer_.stop();
    lesson_.reset();
    ui_.LessonQuestion->hide();
    ui_.AnswerEdit->clear();
    if (lesson.Seed) {
        seed_ = *lesson.Seed;
        random_->Reseed(seed_);
    }
    {
        // The plan chooses the scenario itself, after the start that makes its run the batch tool's.
        const QSignalBlocker blocker(ui_.RadioButtons[static_cast<std::size_t>(lesson.Scenario)]);
        ui_.RadioButtons[static_cast<std::size_t>(lesson.Scenario)]->setChecked(true);
    }
    locks_ = lesson.Locks; // before the start, which makes the incident buttons available
    lesson_ = std::make_unique<LessonPlan>(
        lesson, [this](const PausePoint& point) { AskQuestion(point); },
        [this](const std::string& message) {
            platform_.ShowMessage(this, tr("Lesson"), QString::fromStdString(message), MessageIcon::Stop);
        });
    lesson_->Begin(*session_);
    {
        const QSignalBlocker blocker(ui_.TrackBar1);
        ui_.TrackBar1->setValue(session_->Speed());
    }
    if (!lesson.Curves.empty()) {
        // The lesson's curves in place of those kept so far, which otherwise outlive it as they outlive New.
        keptCurves_.Forget();
        for (KeptCurve& curve : LessonKeptCurves(lesson))
            keptCurves_.Keep(std::move(curve));
        DrawGraphWithKeptCurves();
    }
    LockControls(lesson.Locks);
    Schedule({NextPass::When::Soon});
}

void TForm1::LockControls(const LessonLocks& locks)
{
    const auto hint = [this](QWidget* control, bool locked) {
        if (locked && !unlockedHints_.contains(control)) {
            unlockedHints_.insert(control, control->toolTip());
            control->setToolTip(tr("The lesson fixes this"));
        } else if (!locked && unlockedHints_.contains(control)) {
            control->setToolTip(unlockedHints_.take(control));
        }
    };
    const auto lock = [&hint](QWidget* control, bool locked) {
        hint(control, locked);
        control->setEnabled(!locked);
    };
    for (std::size_t i = 1; i <= 7; ++i)
        lock(ui_.RadioButtons[i], locks.Scenario);
    for (QLineEdit* field : {static_cast<QLineEdit*>(ui_.Popmeter), static_cast<QLineEdit*>(ui_.SPmeter),
                             static_cast<QLineEdit*>(ui_.BImeter), static_cast<QLineEdit*>(ui_.BDmeter),
                             static_cast<QLineEdit*>(ui_.ADmeter), static_cast<QLineEdit*>(ui_.IMmeter)})
        lock(field, locks.Parameters);
    // Whether an incident can start is the run's to say; the window's host keeps them off while locked.
    for (QPushButton* button : {ui_.EpiButton, ui_.OneButton, ui_.ImmButton})
        hint(button, locks.Incidents);
    lock(ui_.TrackBar1, locks.Speed);
}

void TForm1::AskQuestion(const PausePoint& point)
{
    questionYear_ = point.Year;
    ui_.QuestionText->setText(tr("Year %1: %2").arg(point.Year).arg(QString::fromStdString(point.Question)));
    ui_.AnswerEdit->clear();
    for (const LessonAnswer& answer : lesson_->Answers())
        if (answer.Year == point.Year)
            ui_.AnswerEdit->setText(QString::fromStdString(answer.Answer));
    ui_.LessonQuestion->show();
    ui_.LessonQuestion->raise();
    ui_.AnswerEdit->setFocus();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedLesson(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = DroppedLesson(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop has ended, so that the boxes do not open inside the drag.
    QTimer::singleShot(0, this, [this, path] { OpenLesson(path); });
}

} // namespace vartel
