#pragma once
// The real main window, shown offscreen and active, on the recording platform and with a hint switch of its own.
#include "RecordingPlatform.h"
#include "ui/HintSwitch.h"
#include "ui/HintZone.h"
#include "ui/ImageView.h"
#include "ui/NumEdit.h"
#include "ui/TForm1.h"
#include "ui/WholeNumberEdit.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace vartel::test {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { OpenWindow(); }

    // A new main window in place of the one there was, as at the program's start.
    void OpenWindow()
    {
        form.reset();
        form = std::make_unique<TForm1>(platform, hints);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get())) << "the main window should become active";
        Pump();
    }

    void TearDown() override { form.reset(); }

    SimulationState& S() { return form->model().S; }

    static void Pump()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }

    // Handles events until `done` holds, looking after every pass of the event loop; false when it does not
    // within a generous bound (a hang guard, not a speed check).
    static bool RunUntil(const std::function<bool()>& done, int boundMs = 120000)
    {
        QElapsedTimer clock;
        clock.start();
        QTimer wake; // the bound is looked at even when nothing else happens
        wake.start(50);
        while (!done()) {
            if (clock.elapsed() > boundMs)
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    // What the window manager does when a box has closed: the main window is active again.
    void Reactivate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get())) << "the main window should be active again";
        Pump();
    }

    // Types a new text into a field and presses Enter.
    static void Enter(QLineEdit* field, const QString& text)
    {
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    void RunToEndAtFullSpeed()
    {
        form->Controls().TrackBar1->setValue(4);
        form->Controls().StartButton->click();
        ASSERT_TRUE(RunUntil([this] { return !S().Running; })) << "the run should stop by itself";
    }

    RecordingPlatform platform;
    HintSwitch hints; // as main's, it outlives the windows
    std::unique_ptr<TForm1> form;
};

} // namespace vartel::test
