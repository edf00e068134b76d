// The program entry: the application, the main window, the hidden help window, the event loop.
//
// VARTEL_STARTUP_PROBE=1 makes the program print the milliseconds from the start of main to the first
// shown main window and quit at once; the start-up benchmark uses it.
#include "help/TForm2.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vartel"));

    vartel::TForm1 form;
    vartel::TForm2 help;
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
