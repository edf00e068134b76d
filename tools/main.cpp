// vartel-batch: the simulation without a window, for scripted runs, regression checks and benchmarks.
#include "model/Model.h"
#include "tools/BatchArguments.h"
#include "tools/BatchHost.h"
#include "tools/BatchOutput.h"
#include "tools/BatchRun.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <optional>

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

    // The raster canvas needs the fonts of a GUI application, which needs no display offscreen. A run
    // without pictures goes without it.
    std::optional<QGuiApplication> application;
    if (WantsPictures(arguments)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application.emplace(argc, argv);
    }

    BatchHost host(std::cerr);
    SeededRandom random(BatchSeed);
    const auto model = std::make_unique<Model>(host, random); // the record is large
    std::optional<BatchScreen> screen;
    if (application) {
        screen.emplace(model->S);
        host.ShowOn(&*screen);
    }
    BatchScreen* const shown = screen ? &*screen : nullptr;
    if (const std::string error = RunBatch(*model, arguments, shown); !error.empty())
        return Fail(2, error);
    int status = 0;
    for (const std::string& error : WriteBatchOutput(model->S, arguments, shown))
        status = Fail(1, error);
    return status;
}
