// Figures of the real main window: start-up to the first painted window, a full run of "Realistic, medium"
// at the fastest speed with the number of passes of the event loop it took and the longest of them, and the
// peak memory of the process. Prints figures; judges no time.
//
//   window_bench [start-ups [runs]]    defaults 7 and 15 (the runs vary by tens of percent on a shared machine)
//
// Without a display (no DISPLAY, no QT_QPA_PLATFORM) it runs offscreen, as the widget tests do. QT_SCALE_FACTOR
// sets the device pixel ratio, offscreen too.
#include "help/TForm2.h"
#include "platform/DesktopPlatform.h"
#include "ui/HintSwitch.h"
#include "ui/TForm1.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int FastestSpeed = 4;
constexpr int RealisticMedium = 6;
constexpr auto RunBound = std::chrono::minutes(5); // a hang guard, not a speed check

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of the whole process: on a busy machine it tells the work from the waiting.
double ProcessorMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Kilobytes of a "VmHWM:"-style line of /proc/self/status; 0 when absent.
long StatusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + key.size());
    return 0;
}

struct Summary {
    double min;
    double median;
};

Summary Summarize(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median};
}

// Notes the first paint of the watched window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) { window->installEventFilter(this); }
    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint)
            seen_ = true;
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

// The program's windows as main() makes them.
struct Windows {
    std::unique_ptr<vartel::TForm1> form;
    std::unique_ptr<vartel::TForm2> help;

    Windows(vartel::Platform& platform, vartel::HintSwitch& hints)
        : form(std::make_unique<vartel::TForm1>(platform, hints)), help(std::make_unique<vartel::TForm2>(platform))
    {
        form->SetHelpWindow(help.get());
    }
    ~Windows() { form.reset(); } // the main window refers to the help window
};

// Shows the main window and handles events until its first paint has been processed; false if it never came.
bool ShowAndPaint(vartel::TForm1& form)
{
    FirstPaint paint(&form);
    form.show();
    const auto start = Clock::now();
    while (!paint.seen()) {
        if (Clock::now() - start > std::chrono::seconds(30))
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents(); // the rest of the paint pass and what it posted
    return true;
}

struct RunTime {
    double wall = -1; // -1: the run did not stop
    double processor = 0;
    int passes = 0;         // passes of the event loop that computed years
    double longestPass = 0; // ms, by the driver's clock
};

// Start and handle events until the run stops.
RunTime FullRun(vartel::TForm1& form)
{
    RunTime time;
    const QMetaObject::Connection counting =
        QObject::connect(&form, &vartel::TForm1::PassDone, [&time](int, qint64 nanoseconds) {
            ++time.passes;
            time.longestPass = std::max(time.longestPass, static_cast<double>(nanoseconds) / 1e6);
        });
    const auto start = Clock::now();
    const double processorStart = ProcessorMilliseconds();
    form.Controls().StartButton->click();
    while (form.state().Running) {
        if (Clock::now() - start > RunBound) {
            QObject::disconnect(counting);
            return {};
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    time.wall = MillisecondsSince(start);
    time.processor = ProcessorMilliseconds() - processorStart;
    QObject::disconnect(counting);
    return time;
}

} // namespace

int main(int argc, char* argv[])
{
    const int startUps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 15;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // The first start-up as the program makes it: application, windows, first paint.
    const auto processStart = Clock::now();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vartel"));
    vartel::DesktopPlatform platform;
    vartel::HintSwitch hints;
    auto windows = std::make_unique<Windows>(platform, hints);
    if (!ShowAndPaint(*windows->form)) {
        std::fprintf(stderr, "window_bench: the main window was never painted\n");
        return 1;
    }
    const double firstStartUp = MillisecondsSince(processStart);
    const long firstWindowKb = StatusKilobytes("VmHWM:");
    windows.reset();

    // Later start-ups: the windows again in the running application.
    std::vector<double> startUpTimes;
    for (int i = 0; i < startUps; ++i) {
        const auto start = Clock::now();
        windows = std::make_unique<Windows>(platform, hints);
        if (!ShowAndPaint(*windows->form)) {
            std::fprintf(stderr, "window_bench: the main window was never painted\n");
            return 1;
        }
        startUpTimes.push_back(MillisecondsSince(start));
        if (i + 1 < startUps)
            windows.reset();
    }

    vartel::TForm1& form = *windows->form;
    form.Controls().RadioButtons[RealisticMedium]->click();
    form.Controls().TrackBar1->setValue(FastestSpeed);
    std::vector<double> runTimes;
    std::vector<double> runProcessorTimes;
    std::vector<double> passCounts;
    double longestPass = 0;
    for (int i = 0; i < runs; ++i) {
        if (i > 0)
            form.Controls().Newbutton->click();
        const RunTime time = FullRun(form);
        if (time.wall < 0) {
            std::fprintf(stderr, "window_bench: the run did not stop within %lld s (year %d)\n",
                         static_cast<long long>(std::chrono::seconds(RunBound).count()), form.state().Year);
            return 1;
        }
        if (form.state().Year != vartel::MaxYear) {
            std::fprintf(stderr, "window_bench: the run stopped at year %d instead of %d\n", form.state().Year,
                         vartel::MaxYear);
            return 1;
        }
        runTimes.push_back(time.wall);
        runProcessorTimes.push_back(time.processor);
        passCounts.push_back(time.passes);
        longestPass = std::max(longestPass, time.longestPass);
    }

    const Summary startUp = Summarize(startUpTimes);
    const Summary run = Summarize(runTimes);
    const Summary runProcessor = Summarize(runProcessorTimes);
    const Summary passes = Summarize(passCounts);
    std::printf("window_bench (platform %s, device pixel ratio %g)\n", qPrintable(QGuiApplication::platformName()),
                form.devicePixelRatioF());
    std::printf("  first start-up, application + windows to first paint: %8.1f ms\n", firstStartUp);
    std::printf("  start-up of the windows to first paint (%d times):   min %6.1f ms, median %6.1f ms\n", startUps,
                startUp.min, startUp.median);
    std::printf("  full run, Realistic medium, fastest, to year %d (%d times): min %6.1f ms, median %6.1f ms\n",
                vartel::MaxYear, runs, run.min, run.median);
    std::printf("  processor time of the same runs:                    min %6.1f ms, median %6.1f ms\n",
                runProcessor.min, runProcessor.median);
    std::printf("  per year (median run):                              %8.3f ms\n", run.median / vartel::MaxYear);
    std::printf("  passes of the event loop per run:                   min %6.0f,    median %6.0f\n", passes.min,
                passes.median);
    std::printf("  longest pass of all the runs:                       %8.2f ms\n", longestPass);
    std::printf("  peak memory after the first start-up (VmHWM):       %8.1f MiB\n", firstWindowKb / 1024.0);
    std::printf("  peak memory of the process (VmHWM):                 %8.1f MiB\n",
                StatusKilobytes("VmHWM:") / 1024.0);
    return 0;
}
