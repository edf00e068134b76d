#include "tools/BatchArguments.h"

#include "lesson/LessonRun.h"
#include "model/NumberParsing.h"
#include "output/FileExtension.h"
#include "views/GraphView.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace vartel {

namespace {

struct Named {
    const char* Name;
    int Value;
};

constexpr std::array<Named, 4> GraphModes{{{"population", 1}, {"birth", 2}, {"mortality", 3}, {"survival", 4}}};

template <typename Table> std::string NameList(const Table& table)
{
    std::string list;
    for (const auto& entry : table)
        list += (list.empty() ? "" : ", ") + std::string(entry.Name);
    return list;
}

template <typename Table> auto Find(const Table& table, const std::string& name) -> const typename Table::value_type*
{
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& e) { return name == e.Name; });
    return found == table.end() ? nullptr : &*found;
}

constexpr std::array<std::string_view, 18> ValueOptions{
    "--scenario", "--years",      "--event",        "--data",        "--graph",     "--pyramid",
    "--compare",  "--graph-mode", "--scale",        "--zoom",        "--seed",      "--lesson",
    "--link",     "--title",      "--instructions", "--save-lesson", "--animation", "--animation-years"};

std::string ZoomList()
{
    std::string list;
    for (int zoom : ZoomFactors)
        list += (list.empty() ? "" : ", ") + std::to_string(zoom);
    return list;
}

constexpr std::size_t UsageIndent = 19;  // where the usage's explanations begin
constexpr std::size_t UsageColumns = 80; // the width of a terminal

// `text` broken at its blanks into lines of the usage, each indented by `indent`.
std::string Wrapped(const std::string& text, std::size_t indent)
{
    std::string lines;
    std::string line;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = std::min(text.find(' ', begin), text.size());
        const std::string word = text.substr(begin, end - begin);
        if (!line.empty() && indent + line.size() + 1 + word.size() > UsageColumns) {
            lines += std::string(indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        begin = end + 1;
    }
    return lines + std::string(indent, ' ') + line + "\n";
}

// The years must follow the run: never backwards and not after its end.
std::string CheckEventYears(const BatchArguments& a)
{
    int previous = 0;
    for (const BatchEvent& event : a.Events) {
        if (event.Year < previous)
            return "--event " + event.Argument + ": year " + std::to_string(event.Year) + " comes before the year " +
                   std::to_string(previous) + " of the event before it";
        if (event.Year > a.Years)
            return "--event " + event.Argument + ": year " + std::to_string(event.Year) +
                   " lies beyond the end of the run (--years " + std::to_string(a.Years) + ")";
        previous = event.Year;
    }
    return {};
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    ParsedArguments Run()
    {
        ParsedArguments result;
        BatchArguments& a = result.Arguments;
        while (at_ < args_.size() && result.Error.empty()) {
            const std::string option = args_[at_++];
            if (option == "--help" || option == "-h") {
                a.Help = true;
                return result;
            }
            if (option == "--version") {
                a.Version = true;
                return result;
            }
            result.Error = Option(option, a);
        }
        if (result.Error.empty())
            result.Error = CheckLessonOptions();
        if (result.Error.empty())
            result.Error = CheckEventYears(a);
        return result;
    }

private:
    bool Given(std::string_view option) const
    {
        return std::find(given_.begin(), given_.end(), option) != given_.end();
    }

    // The first of `options` given, or "".
    std::string FirstGiven(std::initializer_list<std::string_view> options) const
    {
        const auto found = std::find_if(options.begin(), options.end(), [&](auto o) { return Given(o); });
        return found == options.end() ? std::string() : std::string(*found);
    }

    // A lesson brings the whole set-up of its run; the texts of a lesson only go into one being saved.
    std::string CheckLessonOptions() const
    {
        if (Given("--lesson")) {
            const std::string clash =
                FirstGiven({"--scenario", "--event", "--compare", "--save-lesson", "--title", "--instructions"});
            if (!clash.empty())
                return clash + " cannot be given with --lesson, which sets up the run";
        }
        for (const char* text : {"--title", "--instructions"})
            if (Given(text) && !Given("--save-lesson"))
                return std::string(text) + " needs --save-lesson";
        if (Given("--link") && !Given("--lesson"))
            return "--link needs --lesson";
        if (Given("--animation-years") && !Given("--animation"))
            return "--animation-years needs --animation";
        if (const std::string file = FirstGiven({"--data", "--graph", "--pyramid", "--animation"});
            Given("--link") && !file.empty())
            return file + " cannot be given with --link, which only prints the link";
        return {};
    }

    std::string Option(const std::string& option, BatchArguments& a)
    {
        if (std::find(ValueOptions.begin(), ValueOptions.end(), option) == ValueOptions.end())
            return "unknown option " + Quoted(option);
        // A following option is a forgotten value, not a file or number.
        if (at_ == args_.size() || args_[at_].empty() || args_[at_].rfind("--", 0) == 0)
            return option + " needs a value";
        const std::string value = args_[at_++];
        given_.push_back(option);

        std::string error;
        if (option == "--scenario") {
            if (const auto n = NumberIn(value, 1, 7, option, error))
                a.Scenario = *n;
        } else if (option == "--years") {
            if (const auto n = NumberIn(value, 0, MaxYear, option, error))
                a.Years = *n;
        } else if (option == "--event") {
            BatchEvent event;
            error = ParseBatchEvent(value, event);
            if (error.empty())
                a.Events.push_back(std::move(event));
            else
                error = option + " " + value + ": " + error;
        } else if (option == "--data") {
            a.DataFile = value;
        } else if (option == "--graph") {
            a.GraphFile = value;
        } else if (option == "--pyramid") {
            a.PyramidFile = value;
        } else if (option == "--animation") {
            if (UpperExtension(value) == ".GIF")
                a.AnimationFile = value;
            else
                error = option + " " + Quoted(value) + ": the animation is a GIF picture, its name ends in .gif";
        } else if (option == "--animation-years") {
            if (const auto n = NumberIn(value, 1, MaxYear, option, error))
                a.AnimationYears = *n;
        } else if (option == "--compare") {
            if (a.CompareFiles.size() == MaxCompareFiles)
                error = option + " " + Quoted(value) + ": the graph keeps " + std::to_string(MaxCompareFiles) +
                        " curves at most";
            else
                a.CompareFiles.push_back(value);
        } else if (option == "--graph-mode") {
            if (const Named* mode = Find(GraphModes, value))
                a.GraphMode = mode->Value;
            else
                error = option + " " + Quoted(value) + " is not one of " + NameList(GraphModes);
        } else if (option == "--scale") {
            if (value == "linear" || value == "log")
                a.LinearScale = value == "linear";
            else
                error = option + " " + Quoted(value) + " is not one of linear, log";
        } else if (option == "--seed") {
            if (const auto n = NumberIn(value, 0, std::numeric_limits<int>::max(), option, error))
                a.Seed = *n;
        } else if (option == "--lesson") {
            a.LessonFile = value;
        } else if (option == "--link") {
            a.LinkUrl = value;
        } else if (option == "--save-lesson") {
            a.SaveLessonFile = value;
        } else if (option == "--title") {
            a.Title = value;
        } else if (option == "--instructions") {
            a.Instructions = value;
        } else {
            const std::optional<int> zoom = ParseInteger(value);
            if (zoom && std::find(ZoomFactors.begin(), ZoomFactors.end(), *zoom) != ZoomFactors.end())
                a.Zoom = *zoom;
            else
                error = option + " " + Quoted(value) + " is not one of the zoom factors " + ZoomList();
        }
        return error;
    }

    const std::vector<std::string>& args_;
    std::size_t at_ = 0;
    std::vector<std::string> given_;
};

} // namespace

ParsedArguments ParseBatchArguments(const std::vector<std::string>& args)
{
    return Parser(args).Run();
}

std::string UseLesson(const Lesson& lesson, BatchArguments& a)
{
    a.Scenario = lesson.Scenario;
    a.Events = LessonRunEvents(lesson);
    if (lesson.Seed)
        a.Seed = static_cast<int>(*lesson.Seed);
    if (!a.Events.empty() && a.Events.back().Year > a.Years)
        return "the lesson's event '" + a.Events.back().Argument + "' lies beyond the end of the run (--years " +
               std::to_string(a.Years) + ")";
    return {};
}

Lesson LessonOfArguments(const BatchArguments& a)
{
    Lesson lesson;
    lesson.Title = a.Title;
    lesson.Instructions = a.Instructions;
    lesson.Scenario = a.Scenario;
    lesson.Events = a.Events;
    return lesson;
}

std::string BatchUsage()
{
    return "Usage: vartel-batch [--scenario N] [--years N] [--event YEAR:ACTION]...\n"
           "                    [--data FILE] [--graph FILE] [--pyramid FILE]\n"
           "                    [--compare FILE]... [--graph-mode MODE] [--scale S]\n"
           "                    [--zoom Z] [--seed N] [--save-lesson FILE [--title TEXT]\n"
           "                    [--instructions TEXT]] [--animation FILE\n"
           "                    [--animation-years N]]\n"
           "       vartel-batch --lesson FILE [--years N] [--data FILE] [--graph FILE]\n"
           "                    [--pyramid FILE] [--graph-mode MODE] [--scale S] [--zoom Z]\n"
           "                    [--animation FILE [--animation-years N]]\n"
           "       vartel-batch --lesson FILE --link URL\n"
           "       vartel-batch --help | --version\n"
           "\n"
           "Runs the island simulation without a window, year by year as the program runs\n"
           "it after Start, and writes the chosen files at the end.\n"
           "\n"
           "  --scenario N     scenario 1..7 (default 1, Simple)\n"
           "  --years N        the run ends at year N, 0..3000 (default 3000)\n"
           "  --event YEAR:ACTION\n"
           "                   at YEAR (not after the end; the years of the events never\n"
           "                   decrease):\n"
           "                     epidemic, one-child, immigration-wave\n"
           "                         an incident button\n"
           "                     population=N, stable=N, birth-index=X,\n"
           "                     baby-mortality=PCT, adult-mortality=PCT, immigration=PCT\n"
           "                         a parameter entered in its field; corrections are\n"
           "                         told on stderr\n"
           "                     scenario=N\n"
           "                         a scenario button; 5..7 start the run again at year 0\n"
           "                   A value is taken as the field takes it: N is cut to its\n"
           "                   first 9 characters, an empty value is an emptied field\n"
           "                   (population=, stable= are then corrected to 120 and 2000;\n"
           "                   birth-index= gives 0, the mortalities 0.01 %, immigration 0).\n"
           "                   A value that is not a number stops the run with status 2.\n"
           "  --data FILE      the data file: a tab-separated table of every year, as\n"
           "                   \"Save data\" writes it; a name ending in .csv gets the\n"
           "                   spreadsheet file instead: comma separated, a header row and\n"
           "                   one row per year; a name ending in .xlsx gets a workbook:\n"
           "                   the same rows with typed numbers, and the start values and\n"
           "                   the abbreviations on a second sheet\n"
           "  --graph FILE     the graph as a picture: .emf .wmf .bmp .jpg .gif .png .svg\n"
           "  --pyramid FILE   the population pyramid of the last year, same formats\n"
           "  --animation FILE\n"
           "                   the population graph and the pyramid through the run as an\n"
           "                   animated GIF for a slide (1086 x 278), a frame every\n"
           "                   --animation-years N years (1..3000, default 25) and the\n"
           "                   last year, which is held three seconds\n"
           "  --compare FILE   a data file written by Vartel or by --data (up to three\n"
           "                   times): its curve is kept in the population graph before\n"
           "                   the run, as \"Compare with a saved run\" keeps it in the\n"
           "                   window; a file that is no such data file gives status 1\n"
           "                   with the reason\n"
           "  --graph-mode MODE\n"
           "                   the graph shown: population (default), birth, mortality,\n"
           "                   survival\n"
           "  --scale S        linear (default) or log\n"
           "  --zoom Z         zoom of the linear population graph, one of\n" +
           Wrapped(ZoomList(), UsageIndent) +
           "                   The graph is drawn as the window draws it during the run;\n"
           "                   zoom, scale and graph mode are chosen after the run, as\n"
           "                   with their buttons.\n"
           "  --seed N         the seed of the random draws that spread an entered\n"
           "                   population over the ages, 0..2147483647 (default 1);\n"
           "                   the same seed gives the same run\n"
           "  --save-lesson FILE\n"
           "                   also writes the run's set-up as a lesson file (.vartel):\n"
           "                   the scenario, the events, the compared curves and the\n"
           "                   seed, with the texts of --title and --instructions\n"
           "  --lesson FILE    runs the lesson's scenario, starting parameters and events\n"
           "                   with its curves to compare with, giving the files of the\n"
           "                   same run given as options; a file that is no lesson gives\n"
           "                   status 2 with the reason and writes nothing\n"
           "  --link URL       prints the link that opens the lesson in the browser\n"
           "                   edition at URL (the site's address), and runs nothing\n"
           "  --help           this text\n"
           "  --version        the version of the program\n"
           "\n"
           "Exit status: 0 done, 1 a file could not be read or written, 2 a bad argument.\n";
}

} // namespace vartel
