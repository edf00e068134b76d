// The lesson editor on its own: what it shows of a set-up, what its buttons do to the pause points, and what
// it hands back.
#include "ui/LessonEditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace vartel::test {
namespace {

Lesson PreparedRun()
{
    Lesson lesson;
    lesson.Title = "Groei";
    lesson.Scenario = 4;
    BatchEvent epidemic;
    EXPECT_EQ(ParseBatchEvent("100:epidemic", epidemic), "");
    lesson.Events = {epidemic};
    lesson.Speed = 1;
    lesson.Seed = 7;
    lesson.Locks.Speed = true;
    lesson.PausePoints = {{300, "Waarom?"}};
    return lesson;
}

TEST(LessonEditor, TheSetUpPassesThroughWithWhatWasTyped)
{
    LessonEditor editor(PreparedRun());
    auto* title = editor.findChild<QLineEdit*>(QStringLiteral("LessonTitle"));
    EXPECT_EQ(title->text(), QStringLiteral("Groei"));
    EXPECT_TRUE(editor.findChild<QCheckBox*>(QStringLiteral("LockSpeed"))->isChecked());
    title->setText(QStringLiteral("Krimp"));
    editor.findChild<QPlainTextEdit*>(QStringLiteral("LessonInstructions"))->setPlainText(QStringLiteral("Lees."));
    editor.findChild<QCheckBox*>(QStringLiteral("LockScenario"))->setChecked(true);
    editor.findChild<QCheckBox*>(QStringLiteral("LockParameters"))->setChecked(true);

    const Lesson edited = editor.Edited();
    EXPECT_EQ(edited.Title, "Krimp");
    EXPECT_EQ(edited.Instructions, "Lees.");
    EXPECT_TRUE(edited.Locks.Scenario && edited.Locks.Parameters && !edited.Locks.Incidents && edited.Locks.Speed);
    EXPECT_EQ(edited.Scenario, 4);
    ASSERT_EQ(edited.Events.size(), 1u);
    EXPECT_EQ(edited.Events[0].Argument, "100:epidemic");
    EXPECT_EQ(edited.Speed, 1);
    EXPECT_EQ(edited.Seed, std::optional<std::uint64_t>(7));
    ASSERT_EQ(edited.PausePoints.size(), 1u);
    EXPECT_EQ(edited.PausePoints[0].Question, "Waarom?");
}

TEST(LessonEditor, AddGoesAHundredYearsOnAndRemoveTakesTheChosenRow)
{
    LessonEditor editor(PreparedRun());
    auto* add = editor.findChild<QPushButton*>(QStringLiteral("AddPausePoint"));
    auto* table = editor.findChild<QTableWidget*>(QStringLiteral("PausePoints"));
    add->click();
    add->click();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(qobject_cast<QSpinBox*>(table->cellWidget(2, 0))->value(), 500);
    table->setCurrentCell(0, 1);
    editor.findChild<QPushButton*>(QStringLiteral("RemovePausePoint"))->click();
    ASSERT_EQ(table->rowCount(), 2);
    qobject_cast<QSpinBox*>(table->cellWidget(1, 0))->setValue(50);
    const Lesson edited = editor.Edited();
    ASSERT_EQ(edited.PausePoints.size(), 2u);
    EXPECT_EQ(edited.PausePoints[0].Year, 50) << "in order of year";
    EXPECT_EQ(edited.PausePoints[1].Year, 400);

    LessonEditor fresh{Lesson{}};
    fresh.findChild<QPushButton*>(QStringLiteral("AddPausePoint"))->click();
    EXPECT_EQ(fresh.Edited().PausePoints.at(0).Year, 100) << "the first one";
}

TEST(LessonEditor, OkKeepsTheEditorOpenWhileTheLessonWouldNotReadBack)
{
    LessonEditor editor(Lesson{});
    editor.AddPausePoint(100, QStringLiteral("a"));
    editor.AddPausePoint(100, QStringLiteral("b"));
    editor.show();
    editor.accept();
    EXPECT_TRUE(editor.isVisible()) << "two pause points share a year";
    const auto* problem = editor.findChild<QLabel*>(QStringLiteral("LessonProblem"));
    EXPECT_TRUE(problem->text().contains(QStringLiteral("/pausePoints/1/year"))) << problem->text().toStdString();

    qobject_cast<QSpinBox*>(editor.findChild<QTableWidget*>()->cellWidget(1, 0))->setValue(101);
    editor.accept();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Accepted);
}

} // namespace
} // namespace vartel::test
