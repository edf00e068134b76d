// Lessons in the window: opened by path, Ctrl+O and a drop; the locked controls with their hint; a file that
// is no lesson; a pause point's question and answer; the run to its end gives the batch tool's data file.
#include "WindowFixture.h"
#include "lesson/LessonPlan.h"
#include "lesson/LessonReader.h"
#include "output/DataFile.h"
#include "tests/lesson/LessonTexts.h"
#include "tools/BatchSession.h"
#include "ui/LessonArgument.h"

#include <nlohmann/json.hpp>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <sstream>

namespace vartel::test {
namespace {

constexpr const char* Locked = R"({"version": 1, "title": "Growth", "instructions": "Watch the graph.",
  "scenario": 6, "speed": 1, "locks": {"scenario": true, "parameters": true, "incidents": true, "speed": true}})";

class LessonWindow : public WindowTest {
protected:
    QString Write(const char* name, const std::string& text)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }
    QTemporaryDir dir;
};

TEST(LessonArgument, TheFirstArgumentThatIsNoOptionNorTheLanguage)
{
    const auto first = [](QStringList arguments) { return LessonArgument(arguments).toStdString(); };
    EXPECT_EQ(first({"les.vartel"}), "les.vartel");
    EXPECT_EQ(first({"--lang", "nl", "les.vartel", "other.vartel"}), "les.vartel");
    EXPECT_EQ(first({"--lang=nl", "les.vartel"}), "les.vartel");
    EXPECT_EQ(first({"--lang", "nl"}), "");
    EXPECT_EQ(first({}), "");
}

TEST_F(LessonWindow, OpeningSetsUpTheRunShowsTheInstructionsAndLocksTheControls)
{
    ASSERT_TRUE(form->OpenLesson(Write("growth.vartel", Locked)));
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().text, QStringLiteral("Growth\n\nWatch the graph."));
    EXPECT_EQ(platform.messages.back().icon, MessageIcon::Information);
    const TForm1Ui& ui = form->Controls();
    EXPECT_TRUE(ui.RadioButtons[6]->isChecked());
    EXPECT_EQ(S().Scenario, 6);
    EXPECT_EQ(ui.TrackBar1->value(), 1);
    EXPECT_EQ(form->session().Speed(), 1);
    for (QWidget* control : std::initializer_list<QWidget*>{ui.RadioButtons[1], ui.RadioButtons[6], ui.SPmeter,
                                                            ui.IMmeter, ui.EpiButton, ui.TrackBar1}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
        EXPECT_EQ(control->toolTip(), QStringLiteral("The lesson fixes this")) << control->objectName().toStdString();
    }
    const QString epidemicHint = QStringLiteral("During 10 years an epidemic will target mainly children and elderly");
    ASSERT_TRUE(form->OpenLesson(Write("free.vartel", R"({"version": 1})")));
    EXPECT_TRUE(ui.EpiButton->isEnabled()) << "a lesson without locks frees them again";
    EXPECT_EQ(ui.EpiButton->toolTip(), epidemicHint);
    EXPECT_TRUE(ui.TrackBar1->isEnabled());
    EXPECT_TRUE(ui.RadioButtons[1]->isChecked());
}

TEST_F(LessonWindow, TheLessonsCurvesReplaceTheKeptOnes)
{
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 2; }));
    form->KeepCurveClick();
    form->KeepCurveClick();
    ASSERT_EQ(form->Kept().Count(), 2u);
    const std::string lesson =
        R"({"version": 1, "compare": [{"name": "two years", "data": )" + nlohmann::json(TwoYearData()).dump() + "}]}";
    ASSERT_TRUE(form->OpenLesson(Write("compare.vartel", lesson)));
    EXPECT_EQ(form->Kept().Count(), 1u);
    ASSERT_TRUE(form->OpenLesson(Write("plain.vartel", R"({"version": 1})")));
    EXPECT_EQ(form->Kept().Count(), 1u) << "a lesson without curves leaves the kept ones";
}

TEST_F(LessonWindow, AFileThatIsNoLessonGetsItsMessageAndChangesNothing)
{
    form->ScenarioClick(3);
    const std::size_t before = platform.messages.size();
    EXPECT_FALSE(form->OpenLesson(Write("bad.vartel", R"({"version": 1, "scenario": 9})")));
    ASSERT_EQ(platform.messages.size(), before + 1);
    EXPECT_TRUE(platform.messages.back().text.contains(QStringLiteral("/scenario"))) << "names the field";
    EXPECT_EQ(platform.messages.back().icon, MessageIcon::Stop);
    EXPECT_FALSE(form->OpenLesson(dir.filePath(QStringLiteral("missing.vartel"))));
    EXPECT_EQ(S().Scenario, 3);
    EXPECT_EQ(form->Plan(), nullptr);
    EXPECT_TRUE(form->Controls().RadioButtons[1]->isEnabled());
}

TEST_F(LessonWindow, CtrlOAndADropOpenALesson)
{
    platform.fileAnswers.push_back(Write("chosen.vartel", R"({"version": 1, "scenario": 2})"));
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_FALSE(platform.fileRequests.empty());
    EXPECT_TRUE(platform.fileRequests.back().Filters.join(QString()).contains(QStringLiteral("*.vartel")));
    EXPECT_EQ(S().Scenario, 2);

    // As a drag does: the drop follows an accepted entry only.
    const auto drag = [this](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
        return enter.isAccepted();
    };
    EXPECT_TRUE(drag(Write("dropped.vartel", R"({"version": 1, "scenario": 4})")));
    EXPECT_TRUE(RunUntil([this] { return S().Scenario == 4; }, 5000));
    EXPECT_FALSE(drag(Write("notes.txt", R"({"version": 1, "scenario": 5})")));
    Pump();
    EXPECT_EQ(S().Scenario, 4) << "only a lesson file is taken";
}

TEST_F(LessonWindow, APausePointAsksAndTheRunEndsWithTheBatchToolsData)
{
    const std::string text = R"({"version": 1, "scenario": 2, "seed": 42, "speed": 4,
      "events": ["0:population=4000", "20:epidemic", "900:stable=90000"],
      "pausePoints": [{"year": 25, "question": "What did the epidemic do?"}]})";
    ASSERT_TRUE(form->OpenLesson(Write("pause.vartel", text)));
    const TForm1Ui& ui = form->Controls();
    EXPECT_FALSE(ui.LessonQuestion->isVisible());
    ui.StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(S().Year, 25);
    EXPECT_EQ(form->session().CurrentRunState(), RunState::Paused);
    EXPECT_TRUE(ui.LessonQuestion->isVisible());
    EXPECT_EQ(ui.QuestionText->text(), QStringLiteral("Year 25: What did the epidemic do?"));
    QTest::keyClicks(ui.AnswerEdit, QStringLiteral("Fewer children"));
    ASSERT_EQ(form->Plan()->Answers().size(), 1u);
    EXPECT_EQ(form->Plan()->Answers()[0].Answer, "Fewer children");

    ui.StartButton->click();
    EXPECT_FALSE(ui.LessonQuestion->isVisible());
    ASSERT_TRUE(RunUntil([this] { return form->session().CurrentRunState() == RunState::Finished; }));

    BatchArguments a;
    ASSERT_EQ(UseLesson(ReadLesson(text).Read, a), "");
    std::ostringstream messages;
    BatchSession batch(messages, false);
    ASSERT_EQ(batch.Run(a), "");
    EXPECT_TRUE(DataFileText(S(), "d") == DataFileText(batch.Simulation.state(), "d"));
}

} // namespace
} // namespace vartel::test
