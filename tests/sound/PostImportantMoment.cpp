// The real main window on the desktop platform: a click on Epidemic posts an important moment, and the
// event loop goes on until the alarm has been played.
//   post_important_moment sound-on|sound-off
// sound-off first unchecks "Sound signal at important moments". Exit 0 when the moment was posted and,
// with the sound on, Qt played a sound effect from start to end.
#include "platform/DesktopPlatform.h"
#include "ui/HintSwitch.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSoundEffect>
#include <QTest>

#include <functional>

#include <cstdio>
#include <cstring>

namespace {

// Handles events until `done` holds; false when it does not within `boundMs` (a hang guard).
bool WaitFor(const std::function<bool()>& done, int boundMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > boundMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

QSoundEffect* PlayingEffect()
{
    for (QSoundEffect* effect : QCoreApplication::instance()->findChildren<QSoundEffect*>())
        if (effect->isPlaying())
            return effect;
    return nullptr;
}

} // namespace

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

    vartel::DesktopPlatform platform;
    vartel::HintSwitch hints;
    vartel::TForm1 form(platform, hints);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
    }
    if (form.Controls().CheckBox4->isChecked() != soundOn)
        form.Controls().CheckBox4->click();

    const QString epidemic = QStringLiteral(" An epidemic roams through the island");
    if (form.Controls().Paper->toPlainText() == epidemic) {
        std::fprintf(stderr, "the epidemic message is on the board before the click\n");
        return 1;
    }
    form.Controls().EpiButton->click();
    if (form.Controls().Paper->toPlainText() != epidemic) {
        std::fprintf(stderr, "the epidemic did not reach the bulletin board: '%s'\n",
                     qPrintable(form.Controls().Paper->toPlainText()));
        return 1;
    }
    std::printf("important moment posted, sound %s\n", soundOn ? "on" : "off");
    std::fflush(stdout);
    if (!soundOn) {
        QTest::qWait(1500); // as long as the alarm would have lasted
        return PlayingEffect() == nullptr ? 0 : 1;
    }
    // The sound is loaded and played asynchronously: first it starts, then it ends.
    QSoundEffect* effect = nullptr;
    if (!WaitFor([&] { return (effect = PlayingEffect()) != nullptr; }, 10000)) {
        std::fprintf(stderr, "no sound effect started playing\n");
        return 1;
    }
    if (!WaitFor([&] { return !effect->isPlaying(); }, 10000)) {
        std::fprintf(stderr, "the sound effect did not end\n");
        return 1;
    }
    QTest::qWait(300); // what the sound server still holds
    return 0;
}
