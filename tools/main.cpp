// vartel-batch: the simulation without a window, for scripted runs, regression checks and benchmarks.
#include "output/SavedRunReader.h"
#include "tools/BatchArguments.h"
#include "tools/BatchOutput.h"
#include "tools/BatchSession.h"

#include <QGuiApplication>

#include <iostream>
#include <optional>
#include <utility>
#include <vector>

namespace {

int Fail(int status, const std::string& message)
{
    std::cerr << "vartel-batch: " << message << '\n';
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace vartel;
    const ParsedArguments parsed = ParseBatchArguments({argv + 1, argv + argc});
    if (!parsed.Error.empty())
        return Fail(2, parsed.Error + " (see --help)");
    const BatchArguments& arguments = parsed.Arguments;
    if (arguments.Help) {
        std::cout << BatchUsage();
        return 0;
    }
    if (arguments.Version) {
        std::cout << "vartel-batch " VARTEL_VERSION "\n";
        return 0;
    }
    if (const std::string error = CheckPictureNames(arguments); !error.empty())
        return Fail(2, error);

    // The raster canvas still draws its letters with the fonts of a Qt GUI application, which needs no
    // display offscreen; the only use of Qt here. A run without pictures goes without it.
    std::optional<QGuiApplication> application;
    if (WantsPictures(arguments)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application.emplace(argc, argv);
    }

    // The compared files are read before the run, so a bad one costs no run.
    std::vector<KeptCurve> compared;
    for (const std::string& file : arguments.CompareFiles) {
        KeptCurve curve;
        if (const std::string error = ReadKeptCurve(file, curve); !error.empty())
            return Fail(1, error);
        compared.push_back(std::move(curve));
    }

    BatchSession session(std::cerr, application.has_value());
    if (session.Screen)
        for (KeptCurve& curve : compared)
            session.Screen->Keep(std::move(curve));
    if (const std::string error = session.Run(arguments); !error.empty())
        return Fail(2, error);
    int status = 0;
    for (const std::string& error : session.WriteFiles(arguments))
        status = Fail(1, error);
    return status;
}
