// vartel-batch: the simulation without a window, for scripted runs, regression checks and benchmarks.
#include "lesson/LessonLink.h"
#include "lesson/LessonReader.h"
#include "lesson/LessonRun.h"
#include "lesson/LessonWriter.h"
#include "lesson/TextFile.h"
#include "output/SafeFileWriter.h"
#include "output/SavedRunReader.h"
#include "tools/BatchArguments.h"
#include "tools/BatchOutput.h"
#include "tools/BatchSession.h"

#include <filesystem>
#include <iostream>
#include <utility>
#include <vector>

namespace {

int Fail(int status, const std::string& message)
{
    std::cerr << "vartel-batch: " << message << '\n';
    return status;
}

// The lesson's text, its reading, and its notices told on stderr.
vartel::LessonReading ReadLessonFile(const std::string& path, std::string& text)
{
    vartel::LessonReading reading;
    reading.Error = vartel::ReadTextFile(path, vartel::MaxLessonBytes, text);
    if (!reading.Error.empty())
        return reading;
    reading = vartel::ReadLesson(text);
    for (const std::string& notice : reading.Notices)
        std::cerr << "vartel-batch: " << path << ": " << notice << '\n';
    if (!reading.Error.empty())
        reading.Error = "'" + path + "' is not a lesson: " + reading.Error;
    return reading;
}

// The run's set-up as a lesson's text, with the texts of the compared files, which were read already.
// Returns 0, or the exit status after telling why it cannot be saved. Only a lesson that reads back is made.
int MakeLesson(const vartel::BatchArguments& arguments, std::string& text)
{
    using namespace vartel;
    Lesson lesson = LessonOfArguments(arguments);
    lesson.Seed = static_cast<std::uint64_t>(arguments.Seed);
    for (const std::string& file : arguments.CompareFiles) {
        LessonCurve curve{std::filesystem::path(file).stem().string(), {}};
        if (const std::string error = ReadTextFile(file, MaxLessonBytes, curve.Data); !error.empty())
            return Fail(1, error);
        lesson.Curves.push_back(std::move(curve));
    }
    text = WriteLesson(lesson);
    if (const LessonReading back = ReadLesson(text); !back.Error.empty())
        return Fail(2, "--save-lesson: the lesson cannot be saved: " + back.Error);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace vartel;
    const ParsedArguments parsed = ParseBatchArguments({argv + 1, argv + argc});
    if (!parsed.Error.empty())
        return Fail(2, parsed.Error + " (see --help)");
    BatchArguments arguments = parsed.Arguments;
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

    std::vector<KeptCurve> compared;
    if (!arguments.LessonFile.empty()) {
        std::string text;
        const LessonReading lesson = ReadLessonFile(arguments.LessonFile, text);
        if (!lesson.Error.empty())
            return Fail(2, lesson.Error);
        if (!arguments.LinkUrl.empty()) {
            std::cout << EncodeLessonLink(arguments.LinkUrl, text) << '\n';
            return 0;
        }
        if (const std::string error = UseLesson(lesson.Read, arguments); !error.empty())
            return Fail(2, error);
        compared = LessonKeptCurves(lesson.Read);
    }

    // The compared files are read before the run, so a bad one costs no run.
    for (const std::string& file : arguments.CompareFiles) {
        KeptCurve curve;
        if (const std::string error = ReadKeptCurve(file, curve); !error.empty())
            return Fail(1, error);
        compared.push_back(std::move(curve));
    }

    std::string lessonText;
    if (!arguments.SaveLessonFile.empty())
        if (const int status = MakeLesson(arguments, lessonText); status != 0)
            return status;

    BatchSession session(std::cerr, WantsPictures(arguments));
    if (session.Screen)
        for (KeptCurve& curve : compared)
            session.Screen->Keep(std::move(curve));
    if (const std::string error = session.Run(arguments); !error.empty())
        return Fail(2, error);
    int status = 0;
    if (!arguments.SaveLessonFile.empty())
        if (const std::string error = WriteFileSafely(arguments.SaveLessonFile, lessonText); !error.empty())
            status = Fail(1, error);
    for (const std::string& error : session.WriteFiles(arguments))
        status = Fail(1, error);
    return status;
}
