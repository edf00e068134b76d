// The program entry: the application, the desktop services and the hint switch both windows use for their
// whole life, the main window, the hidden help window, the event loop.
//
// --help and --version print and end before any window or display is touched. The windows speak the
// desktop's language (Dutch or English) unless --lang chooses one.
//
// On a screen too small for the window at the desktop's scale the program starts itself again at once with
// the QT_SCALE_FACTOR that makes the window fit (see WindowFit.h); VARTEL_FITTED marks that second start.
//
// VARTEL_STARTUP_PROBE=1 makes the program print the milliseconds from the start of main to the first
// shown main window and quit at once; the start-up benchmark uses it.
#include "help/TForm2.h"
#include "output/WriterMessages.h"
#include "platform/DesktopPlatform.h"
#include "platform/Language.h"
#include "ui/HintSwitch.h"
#include "ui/LessonArgument.h"
#include "ui/TForm1.h"
#include "ui/WindowFit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr const char* Usage =
    "Usage: vartel [--lang nl|en] [LESSON.vartel]\n"
    "       vartel --help | --version\n"
    "\n"
    "Vartel simulates the population of an island over 3000 years, one year at a time, in a window:\n"
    "choose a scenario, set the parameters and press Start. The Help button explains the program.\n"
    "vartel-batch runs the same simulation without a window.\n"
    "\n"
    "  --lang nl   the windows in Dutch, --lang en in English; without it they follow the desktop's\n"
    "              language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Dutch for nl, English otherwise.\n"
    "              The saved data file and pictures are in English either way.\n"
    "  LESSON.vartel  a lesson to open: its scenario, parameters, events, locked controls and\n"
    "              questions, as a teacher prepared them.\n"
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

constexpr const char* FittedVariable = "VARTEL_FITTED";

// Once the window is on the screen with its frame: kept inside the available area, and where it does not
// fit there, the program started again at a scale that fits.
class FitOnFirstShow final : public QObject {
public:
    FitOnFirstShow(QWidget& window, std::vector<char*> arguments)
        : QObject(&window), window_(window), arguments_(std::move(arguments))
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &FitOnFirstShow::Fit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Fit()
    {
        const std::optional<double> scale =
            qEnvironmentVariableIsSet(FittedVariable) ? std::nullopt : vartel::ScaleFactorToFit(window_);
        if (scale) {
            qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale, 'f', 4));
            qputenv(FittedVariable, "1");
            arguments_.push_back(nullptr);
            execv("/proc/self/exe", arguments_.data());
            std::perror("vartel: starting again at a scale that fits the screen");
        }
        vartel::KeepFrameOnScreen(window_);
    }

    QWidget& window_;
    std::vector<char*> arguments_;
};

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

    // The command line as given, for a start at another scale; QApplication takes its own options out.
    const std::vector<char*> arguments(argv, argv + argc);
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
    form.winId();
    new FitOnFirstShow(form, arguments);
    form.show();
    QStringList left;
    for (int i = 1; i < argc; ++i)
        left << QFile::decodeName(argv[i]);
    if (const QString lesson = vartel::LessonArgument(left); !lesson.isEmpty())
        QTimer::singleShot(0, &form, [&form, lesson] { form.OpenLesson(lesson); });

    if (qEnvironmentVariableIsSet("VARTEL_STARTUP_PROBE")) {
        QTimer::singleShot(0, &application, [&] {
            std::printf("first window shown after %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
