// The program entry: the application, the desktop services and the hint switch both windows use for their
// whole life, the main window, the hidden help window, the event loop.
//
// --help and --version print and end before any window or display is touched. The windows speak the
// desktop's language (Dutch or English) unless --lang chooses one.
//
// VARTEL_STARTUP_PROBE=1 makes the program print the milliseconds from the start of main to the first
// shown main window and quit at once; the start-up benchmark uses it.
#include "help/TForm2.h"
#include "output/WriterMessages.h"
#include "platform/DesktopPlatform.h"
#include "platform/Language.h"
#include "ui/HintSwitch.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* Usage =
    "Usage: vartel [--lang nl|en]\n"
    "       vartel --help | --version\n"
    "\n"
    "Vartel simulates the population of an island over 3000 years, one year at a time, in a window:\n"
    "choose a scenario, set the parameters and press Start. The Help button explains the program.\n"
    "vartel-batch runs the same simulation without a window.\n"
    "\n"
    "  --lang nl   the windows in Dutch, --lang en in English; without it they follow the desktop's\n"
    "              language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Dutch for nl, English otherwise.\n"
    "              The saved data file and pictures are in English either way.\n"
    "  --help      this text\n"
    "  --version   the version of the program\n"
    "\n"
    "The options of the Qt toolkit (such as -platform) are accepted as well.\n";

// Prints what --help or --version ask for; false when neither is given.
bool AnsweredOption(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("vartel " VARTEL_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (AnsweredOption(argc, argv))
        return 0;
    const vartel::LanguageOption language = vartel::ReadLanguageOption(argc, argv);
    if (!language.Error.isEmpty()) {
        std::fprintf(stderr, "vartel: %s\n", qPrintable(language.Error));
        return 2;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vartel"));
    vartel::UseLanguage(language.Language.value_or(vartel::DesktopLanguage()));
    vartel::SetMessageTranslator([](const char* context, const char* english) {
        return QCoreApplication::translate(context, english).toStdString();
    });

    vartel::DesktopPlatform platform;
    vartel::HintSwitch hints;
    vartel::TForm1 form(platform, hints);
    vartel::TForm2 help(platform);
    form.SetHelpWindow(&help);
    form.show();

    if (qEnvironmentVariableIsSet("VARTEL_STARTUP_PROBE")) {
        QTimer::singleShot(0, &application, [&] {
            std::printf("first window shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
