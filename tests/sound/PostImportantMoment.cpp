// The real main window on the desktop platform: a click on Epidemic posts an important moment, and the
// event loop goes on long enough for the alarm to be heard.
//   post_important_moment sound-on|sound-off
// sound-off first unchecks "Sound signal at important moments". Exit 0 when the moment was posted.
#include "ui/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool soundOn = argc == 2 && std::strcmp(argv[1], "sound-on") == 0;
    if (argc != 2 || (!soundOn && std::strcmp(argv[1], "sound-off") != 0)) {
        std::fprintf(stderr, "usage: post_important_moment sound-on|sound-off\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));

    vartel::TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
    }
    if (form.CheckBox4->isChecked() != soundOn)
        form.CheckBox4->click();

    const QString epidemic = QStringLiteral(" An epidemic roams through the island");
    if (form.Paper->toPlainText() == epidemic) {
        std::fprintf(stderr, "the epidemic message is on the board before the click\n");
        return 1;
    }
    form.EpiButton->click();
    if (form.Paper->toPlainText() != epidemic) {
        std::fprintf(stderr, "the epidemic did not reach the bulletin board: '%s'\n",
                     qPrintable(form.Paper->toPlainText()));
        return 1;
    }
    std::printf("important moment posted, sound %s\n", soundOn ? "on" : "off");
    std::fflush(stdout);
    QTest::qWait(2500); // the alarm is about a second long; the sound plays while the loop runs
    return 0;
}
