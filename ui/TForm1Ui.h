#pragma once
// The controls of the main window, named as everywhere else in the program (they carry these object names
// too). The window's layout fills them in; the window's host, the tests and the figures read them.
#include "model/SimulationState.h"

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;
class QWidget;

namespace vartel {

class HintZone;
class ImageView;
class TFloatEdit;
class TRichEdit;
class WholeNumberEdit;

struct TForm1Ui {
    QGroupBox* GroupBox1 = nullptr; // results
    QGroupBox* GroupBox2 = nullptr; // scenarios
    QGroupBox* GroupBox3 = nullptr; // parameters
    QGroupBox* GroupBox4 = nullptr; // incidents
    QGroupBox* GroupBox5 = nullptr; // control group
    QGroupBox* GroupBox6 = nullptr; // graph controls
    QPushButton* Newbutton = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QSlider* TrackBar1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;              // step by step
    QCheckBox* CheckBox2 = nullptr;              // pause at important moments
    QCheckBox* CheckBox3 = nullptr;              // show helping hints
    QCheckBox* CheckBox4 = nullptr;              // sound signal
    std::array<QRadioButton*, 8> RadioButtons{}; // [1..7]
    WholeNumberEdit* Popmeter = nullptr;
    WholeNumberEdit* SPmeter = nullptr;
    TFloatEdit* BImeter = nullptr;
    TFloatEdit* BDmeter = nullptr;
    TFloatEdit* ADmeter = nullptr;
    TFloatEdit* IMmeter = nullptr;
    QPushButton* EpiButton = nullptr;
    QPushButton* OneButton = nullptr;
    QPushButton* ImmButton = nullptr;
    QLineEdit* Aftelklok = nullptr;
    QLineEdit* clock = nullptr;
    QLineEdit* PGmeter = nullptr;
    QLineEdit* RBmeter = nullptr;
    QLineEdit* LEmeter = nullptr;
    QLineEdit* MAmeter = nullptr;
    QLineEdit* GRmeter = nullptr;
    QLineEdit* CHmeter = nullptr;
    QPlainTextEdit* Paper = nullptr;
    QWidget* Panel1 = nullptr;   // pyramid
    QWidget* Panel2 = nullptr;   // graph
    QWidget* Panel3 = nullptr;   // map
    ImageView* Image1 = nullptr; // pyramid, 231 x 278
    ImageView* Image2 = nullptr; // graph, 847 x 162
    ImageView* Map = nullptr;    // 395 x 223 picture shown at 400 x 230
    QLabel* House0 = nullptr;
    std::array<QLabel*, HouseCountMax + 1> Houses{}; // [1..300]
    QLabel* Label22 = nullptr;
    QPushButton* Button3 = nullptr; // save pyramid
    HintZone* h0 = nullptr;
    HintZone* h1 = nullptr;
    HintZone* he = nullptr;
    QPushButton* PopButton = nullptr;
    QPushButton* BirthButton = nullptr;
    QPushButton* DeathButton = nullptr;
    QPushButton* lifebutton = nullptr;
    QRadioButton* Linscale = nullptr;
    QRadioButton* Logscale = nullptr;
    QPushButton* Inbutton = nullptr;
    QPushButton* Outbutton = nullptr;
    QPushButton* Button1 = nullptr; // save graph
    QPushButton* Button2 = nullptr; // save data
    QLabel* Memo1 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    QTimer* MemoTimer = nullptr;
    QMenu* GraphMenu = nullptr; // the graph's context menu
    QAction* KeepCurveItem = nullptr;
    QAction* CompareItem = nullptr;
    QAction* ForgetCurvesItem = nullptr;
    QAction* SaveAnimationItem = nullptr;
    QAction* SaveLessonItem = nullptr;
    QWidget* LessonQuestion = nullptr; // over the map while a lesson's question waits for its answer
    QLabel* QuestionText = nullptr;
    QLineEdit* AnswerEdit = nullptr;
};

} // namespace vartel
