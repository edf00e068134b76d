#include "tools/BatchArguments.h"

#include "model/NumberParsing.h"
#include "views/GraphView.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace vartel {

namespace {

struct Named {
    const char* Name;
    int Value;
};

constexpr std::array<Named, 3> Incidents{{{"epidemic", 1}, {"one-child", 2}, {"immigration-wave", 3}}};
constexpr std::array<Named, 4> GraphModes{{{"population", 1}, {"birth", 2}, {"mortality", 3}, {"survival", 4}}};

struct NamedParameter {
    const char* Name;
    ParameterField Field;
};

constexpr std::array<NamedParameter, 6> Parameters{{
    {"population", ParameterField::Population},
    {"stable", ParameterField::StableLevel},
    {"birth-index", ParameterField::BirthIndex},
    {"baby-mortality", ParameterField::BabyMortality},
    {"adult-mortality", ParameterField::AdultMortality},
    {"immigration", ParameterField::Immigration},
}};

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

constexpr std::array<std::string_view, 10> ValueOptions{"--scenario", "--years",   "--event",      "--data",  "--graph",
                                                        "--pyramid",  "--compare", "--graph-mode", "--scale", "--zoom"};

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

std::string ZoomList()
{
    std::string list;
    for (int zoom : ZoomFactors)
        list += (list.empty() ? "" : ", ") + std::to_string(zoom);
    return list;
}

// The zoom factors for the usage, wrapped below its description column within 79 columns.
std::string IndentedZoomList()
{
    const std::string indent(19, ' ');
    std::string text = indent;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < ZoomFactors.size(); ++i) {
        const std::string entry = std::to_string(ZoomFactors[i]) + (i + 1 < ZoomFactors.size() ? "," : "");
        if (text.size() - lineStart + 1 + entry.size() > 79) {
            text += "\n";
            lineStart = text.size();
            text += indent;
        } else if (text.size() - lineStart > indent.size()) {
            text += ' ';
        }
        text += entry;
    }
    return text;
}

// A whole number within low..high, or the message why not; `what` names it in the message.
std::optional<int> NumberIn(const std::string& text, int low, int high, const std::string& what, std::string& error)
{
    const std::optional<int> value = ParseInteger(text);
    if (!value) {
        error = what + " " + Quoted(text) + " is not a whole number";
        return std::nullopt;
    }
    if (*value < low || *value > high) {
        error = what + " " + text + " is outside " + std::to_string(low) + ".." + std::to_string(high);
        return std::nullopt;
    }
    return value;
}

std::string ParseAction(const std::string& action, BatchEvent& event)
{
    const std::size_t equals = action.find('=');
    if (equals == std::string::npos) {
        const Named* incident = Find(Incidents, action);
        if (incident == nullptr)
            return "unknown action " + Quoted(action);
        event.Kind = EventKind::Incident;
        event.Number = incident->Value;
        return {};
    }
    const std::string name = action.substr(0, equals);
    const std::string value = action.substr(equals + 1);
    if (name == "scenario") {
        std::string error;
        const std::optional<int> scenario = NumberIn(value, 1, 7, "scenario", error);
        if (!scenario)
            return error;
        event.Kind = EventKind::Scenario;
        event.Number = *scenario;
        return {};
    }
    const NamedParameter* parameter = Find(Parameters, name);
    if (parameter == nullptr)
        return "unknown parameter " + Quoted(name);
    event.Kind = EventKind::Parameter;
    event.Parameter = parameter->Field;
    // Its numeric form is the commit's to judge, as in the window's field: an empty text takes the field's
    // value for an empty field, a text that is no number stops the run.
    event.Text = value;
    return {};
}

std::string ParseEvent(const std::string& argument, BatchEvent& event)
{
    const std::string what = "--event " + argument;
    const std::size_t colon = argument.find(':');
    if (colon == std::string::npos)
        return what + ": expected YEAR:ACTION";
    std::string error;
    const std::optional<int> year = NumberIn(argument.substr(0, colon), 0, MaxYear, what + ": year", error);
    if (!year)
        return error;
    event.Year = *year;
    event.Argument = argument;
    error = ParseAction(argument.substr(colon + 1), event);
    return error.empty() ? error : what + ": " + error;
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
            result.Error = CheckEventYears(a);
        return result;
    }

private:
    std::string Option(const std::string& option, BatchArguments& a)
    {
        if (std::find(ValueOptions.begin(), ValueOptions.end(), option) == ValueOptions.end())
            return "unknown option " + Quoted(option);
        // A following option is a forgotten value, not a file or number.
        if (at_ == args_.size() || args_[at_].empty() || args_[at_].rfind("--", 0) == 0)
            return option + " needs a value";
        const std::string value = args_[at_++];

        std::string error;
        if (option == "--scenario") {
            if (const auto n = NumberIn(value, 1, 7, option, error))
                a.Scenario = *n;
        } else if (option == "--years") {
            if (const auto n = NumberIn(value, 0, MaxYear, option, error))
                a.Years = *n;
        } else if (option == "--event") {
            BatchEvent event;
            error = ParseEvent(value, event);
            if (error.empty())
                a.Events.push_back(std::move(event));
        } else if (option == "--data") {
            a.DataFile = value;
        } else if (option == "--graph") {
            a.GraphFile = value;
        } else if (option == "--pyramid") {
            a.PyramidFile = value;
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
};

} // namespace

ParsedArguments ParseBatchArguments(const std::vector<std::string>& args)
{
    return Parser(args).Run();
}

std::string BatchUsage()
{
    return "Usage: vartel-batch [--scenario N] [--years N] [--event YEAR:ACTION]...\n"
           "                    [--data FILE] [--graph FILE] [--pyramid FILE]\n"
           "                    [--compare FILE]... [--graph-mode MODE] [--scale S]\n"
           "                    [--zoom Z]\n"
           "       vartel-batch --help | --version\n"
           "\n"
           "Runs the island simulation without a window, year by year as the program\n"
           "runs it after Start, and writes the chosen files at the end.\n"
           "\n"
           "  --scenario N     scenario 1..7 (default 1, Simple)\n"
           "  --years N        the run ends at year N, 0..3000 (default 3000)\n"
           "  --event YEAR:ACTION\n"
           "                   at YEAR (not after the end; the years of the events\n"
           "                   never decrease) one of:\n"
           "                     epidemic, one-child, immigration-wave\n"
           "                         an incident button\n"
           "                     population=N, stable=N, birth-index=X,\n"
           "                     baby-mortality=PCT, adult-mortality=PCT,\n"
           "                     immigration=PCT\n"
           "                         a parameter entered in its field; corrections\n"
           "                         are told on stderr\n"
           "                     scenario=N\n"
           "                         a scenario button; 5..7 start the run again\n"
           "                         at year 0\n"
           "                   A value is taken as the field takes it: N is cut to\n"
           "                   its first 9 characters, an empty value is an emptied\n"
           "                   field (population=, stable= are then corrected to 120\n"
           "                   and 2000; birth-index= gives 0, the mortalities\n"
           "                   0.01 %, immigration 0). A value that is not a number\n"
           "                   stops the run with status 2.\n"
           "  --data FILE      the data file: a tab-separated table of every year, as\n"
           "                   \"Save data\" writes it; a name ending in .csv gets the\n"
           "                   spreadsheet file instead: comma separated, a header\n"
           "                   row and one row per year; a name ending in .xlsx\n"
           "                   gets a workbook: the same rows with typed numbers,\n"
           "                   and the start values and the abbreviations on a\n"
           "                   second sheet\n"
           "  --graph FILE     the graph as a picture: .emf .wmf .bmp .jpg .gif .png\n"
           "                   .svg\n"
           "  --pyramid FILE   the population pyramid of the last year, same formats\n"
           "  --compare FILE   a data file written by Vartel or by --data (up to three\n"
           "                   times): its curve is kept in the population graph\n"
           "                   before the run, as \"Compare with a saved run\" keeps\n"
           "                   it in the window; a file that is no such data file\n"
           "                   gives status 1 with the reason\n"
           "  --graph-mode MODE\n"
           "                   the graph shown: population (default), birth,\n"
           "                   mortality, survival\n"
           "  --scale S        linear (default) or log\n"
           "  --zoom Z         zoom of the linear population graph, one of\n" +
           IndentedZoomList() +
           "\n"
           "                   The graph is drawn as the window draws it during the\n"
           "                   run; zoom, scale and graph mode are chosen after the\n"
           "                   run, as with their buttons.\n"
           "  --help           this text\n"
           "  --version        the version of the program\n"
           "\n"
           "Exit status: 0 done, 1 a file could not be read or written, 2 a bad argument.\n";
}

} // namespace vartel
