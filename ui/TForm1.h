#pragma once
// The main window: the control inventory, start-up, the timer that runs the session's passes, the parameter
// fields, the scenario, incident and graph buttons. It owns the session, and through it the simulation
// record, for the life of the program.
#include "lesson/Lesson.h"
#include "model/Model.h"
#include "model/ParameterCommit.h"
#include "model/RandomSource.h"
#include "session/PassPlan.h"
#include "session/RunRecorder.h"
#include "session/Session.h"
#include "ui/TForm1Ui.h"
#include "ui/WindowHost.h"
#include "views/KeptCurves.h"

#include <QElapsedTimer>
#include <QMap>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QDragEnterEvent;
class QDropEvent;
class QLineEdit;

namespace vartel {

class LessonPlan;
class HintSwitch;
class Platform;
class ViewCanvases;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 865;
    static constexpr int ClientHeight = 643;

    // The platform and the hint switch must outlive the window.
    TForm1(Platform& platform, HintSwitch& hints, QWidget* parent = nullptr);
    ~TForm1() override;

    Session& session() { return *session_; }
    Model& model() { return session_->model(); }
    const SimulationState& state() const { return session_->state(); }
    const TForm1Ui& Controls() const { return ui_; }
    void SetHelpWindow(QWidget* help) { help_ = help; }

    // What the model's host and the history browsing show on the map and the screen images.
    bool IsLand(int x, int y) const;
    RandomSource& HouseRandom() { return *houseRandom_; }
    void ShowHouseCount(int count);
    void DrawGraphOnScreen();
    void ExtendCurveOnScreen();
    void DrawPyramidOnScreen(int year);
    void ShowBrowseMarker(std::optional<int> year); // none: the present is shown
    void ResetGraphControls(); // both scales usable, zoom buttons and hint zones for the zoom factor

    // The run: the session's passes on the window's timer, and the controls of the run.
    void StartButtonClick();
    void TrackBar1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox4Click();
    void MemoTimerTimer();

    // Buttons and boxes.
    void NewbuttonClick();
    void ScenarioClick(int scenario); // RadioButton1..7
    void IncidentClick(int incident); // EpiButton, OneButton, ImmButton
    void HelpButtonClick();
    void CheckBox3Click();

    // Parameter fields (Enter commits at once, leaving the field commits again).
    void PopmeterExit(CommitBy by = CommitBy::Leaving);
    void SPmeterExit(CommitBy by = CommitBy::Leaving);
    void BImeterExit(CommitBy by = CommitBy::Leaving);
    void BDmeterExit(CommitBy by = CommitBy::Leaving);
    void ADmeterExit(CommitBy by = CommitBy::Leaving);
    void IMmeterExit(CommitBy by = CommitBy::Leaving);

    // Graph buttons, scale and zoom.
    void PopButtonClick();
    void BirthButtonClick();
    void DeathButtonClick();
    void lifebuttonClick();
    void LinscaleClick();
    void LogscaleClick();
    void InbuttonClick();
    void OutbuttonClick();

    // History browsing over the graph (X, Y in Image2 pixels).
    void Image2MouseMove(int X, int Y);
    void Image2Click();
    void RestorePresent();
    // A key on the graph with the keyboard focus; whether it browsed.
    bool Image2KeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Comparing runs: the graph's context menu at a point of the screen, and its three entries.
    void Image2ContextMenu(QPoint globalPos);
    void KeepCurveClick();
    void CompareClick();
    void ForgetCurvesClick();
    const KeptCurves& Kept() const { return keptCurves_; }

    // Save buttons: graph picture, data file, pyramid picture.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The graph's menu: the population graph and the pyramid through the run as an animated GIF.
    void SaveAnimationClick();
    // The graph's menu: the set-up of the run so far, with what the lesson editor adds, as a lesson file.
    void SaveAsLessonClick();
    const RunRecorder& Recorder() const { return recorder_; }

    // Lessons: a file given on the command line, dropped on the window or chosen after Ctrl+O. A file that
    // is no lesson gets its message in a box and changes nothing. Whether the lesson was opened.
    bool OpenLesson(const QString& path);
    void OpenLessonClick();
    const LessonPlan* Plan() const { return lesson_.get(); }
    bool IncidentsLocked() const { return locks_.Incidents; }

    // The session's clock, in nanoseconds from any fixed point; tests make passes of known lengths with theirs.
    void SetDriverClock(std::function<qint64()> nanoseconds) { session_->SetClock(std::move(nanoseconds)); }

signals:
    // A pass of the event loop has computed `years` years and shown the newest, in `nanoseconds` by the
    // session's clock. For figures and tests.
    void PassDone(int years, qint64 nanoseconds);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Start-up (FormCreate) and the layout of the controls.
    void FormCreate();
    void BuildControlGroup();
    void BuildScenarios();
    void BuildParameters();
    void BuildIncidents();
    void BuildResults();
    void BuildBulletinAndMap();
    void BuildPyramidPanel();
    void BuildGraphControls();
    void BuildGraphPanel();
    void BuildBottomLines();
    void SetAccessibleNames();
    void ConnectControls();

    // Houses on the map.
    void CreateHouses();
    void ShowMapAtDeviceRatio(); // the map and the houses at the screen's resolution

    // The graph's controls.
    void PlaceHintZones(int h0Top, int h0Height, int heTop);
    void SetZoomButtons();
    void SetGraphHints(bool populationGraph, const QString& imageHint);
    void ChooseGraph(int mode);

    void Commit(ParameterField field, QLineEdit* edit, CommitBy by);
    void LeaveField(QLineEdit* field);
    void SelectFocusedFieldText();
    // The next pass as the session plans it, on the pass timer.
    void Schedule(NextPass next);
    void RunPass();

    void ConnectBrowsing();
    void ConnectSaving();
    void ConnectComparing();
    static QStringList DataFileFilters(); // of the data file's dialogs
    void DrawGraphWithKeptCurves();       // the graph anew, its current year's segment kept
    void SaveViewPicture(bool pyramid);

    void BuildLessonControls();
    void ApplyLesson(const Lesson& lesson);
    void LockControls(const LessonLocks& locks);
    void AskQuestion(const PausePoint& point);

    TForm1Ui ui_; // filled in by the Build... steps of the layout
    Platform& platform_;
    HintSwitch& hints_;
    std::uint64_t seed_ = 0;                    // the random draws' seed at start-up, or the lesson's
    std::unique_ptr<SeededRandom> random_;      // the model's: a seeded run gives the batch tool's numbers
    std::unique_ptr<SeededRandom> houseRandom_; // the map's houses, which the batch tool has not
    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<ViewCanvases> graphCanvas_;   // on Image2; keeps pen and position between years
    std::unique_ptr<ViewCanvases> pyramidCanvas_; // on Image1
    bool curveExtendedSinceDraw_ = false;         // the graph shows the current year's segment too
    int pyramidYear_ = 0;                         // the year the pyramid shows
    QWidget* help_ = nullptr;

    QTimer passTimer_; // the session's next pass: at the next turn of the event loop or after a wait
    QElapsedTimer sinceStart_;

    std::optional<int> browseMarkerYear_;                     // the browsed year marked on the graph
    QPoint graphMouse_{-1, -1};                               // the last mouse point over Image2, in its pixels
    QString dataFileName_;                                    // SaveDialog1's proposal: the last name chosen
    QString comparedFileName_;                                // the last data file compared with
    KeptCurves keptCurves_;                                   // they outlive New, scenarios and resets
    QString pictureFileName_;                                 // Dialog1's proposal
    QString pictureDefaultExtension_ = QStringLiteral("emf"); // Dialog1's, follows LastImageExtension
    QString animationFileName_;                               // the last animation's name
    QString lessonFileName_;                                  // the last lesson saved
    RunRecorder recorder_;                                    // the run's set-up for "Save as lesson"
    bool mapHasLand_ = false;

    std::unique_ptr<LessonPlan> lesson_;
    LessonLocks locks_;
    QMap<QWidget*, QString> unlockedHints_; // the hints of the locked controls, back when they unlock
    int questionYear_ = 0;                  // the year of the question on display
};

} // namespace vartel
