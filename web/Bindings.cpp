// The functions and the class the page calls. Texts cross as UTF-8. The live run is one PageSession
// (embind); the scripted runs of the batch tool's command line stay plain C exports.
#include "session/Browsing.h"
#include "tools/BatchArguments.h"
#include "web/PageSession.h"
#include "web/ScriptedRun.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using emscripten::val;
using vartel::Field;
using vartel::NextPass;
using vartel::PageSession;

std::string lastText;
std::vector<std::uint8_t> lastBytes; // what the last picture or file handed to the page holds

std::vector<std::string> Lines(const char* text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The fields by the window's object names, in the order of Field.
constexpr std::array<const char*, vartel::FieldCount> FieldIds{"clock",   "Popmeter", "SPmeter", "BImeter", "BDmeter",
                                                               "ADmeter", "IMmeter",  "PGmeter", "RBmeter", "LEmeter",
                                                               "MAmeter", "GRmeter",  "CHmeter"};

std::optional<Field> FieldOf(const std::string& id)
{
    for (std::size_t i = 0; i < FieldIds.size(); ++i)
        if (id == FieldIds[i])
            return static_cast<Field>(i);
    return std::nullopt;
}

std::string CssColor(vartel::Color c)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string css = "#";
    for (const int part : {vartel::RedOf(c), vartel::GreenOf(c), vartel::BlueOf(c)}) {
        css += Digits[part >> 4];
        css += Digits[part & 15];
    }
    return css;
}

const char* RunStateName(vartel::RunState state)
{
    switch (state) {
    case vartel::RunState::Ready:
        return "ready";
    case vartel::RunState::Running:
        return "running";
    case vartel::RunState::Paused:
        return "paused";
    case vartel::RunState::Stepping:
        return "stepping";
    case vartel::RunState::Finished:
        break;
    }
    return "finished";
}

// When the page's clock is to call runPass next.
val Plan(NextPass next)
{
    val plan = val::object();
    switch (next.Due) {
    case NextPass::When::Unchanged:
        plan.set("due", "unchanged");
        break;
    case NextPass::When::Soon:
        plan.set("due", "soon");
        break;
    case NextPass::When::After:
        plan.set("due", "after");
        break;
    case NextPass::When::Never:
        plan.set("due", "never");
        break;
    }
    plan.set("milliseconds", next.Milliseconds);
    return plan;
}

val Texts(const std::vector<std::string>& texts)
{
    val list = val::array();
    for (const std::string& text : texts)
        list.call<void>("push", text);
    return list;
}

// The bytes of lastBytes as a view for the page, which copies them before its next call.
val BytesView()
{
    return val(emscripten::typed_memory_view(lastBytes.size(), lastBytes.data()));
}

val FileBytes(const std::string& bytes)
{
    lastBytes.assign(bytes.begin(), bytes.end());
    return BytesView();
}

// A screen picture as ImageData wants it: red, green, blue and alpha bytes, rows top to bottom.
val Pixels(const vartel::RasterImage& image)
{
    lastBytes.resize(static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()) * 4);
    std::uint8_t* out = lastBytes.data();
    const std::uint32_t* in = image.Bits();
    for (std::size_t i = 0, n = lastBytes.size() / 4; i < n; ++i) {
        *out++ = static_cast<std::uint8_t>(in[i] >> 16);
        *out++ = static_cast<std::uint8_t>(in[i] >> 8);
        *out++ = static_cast<std::uint8_t>(in[i]);
        *out++ = 0xFF;
    }
    val picture = val::object();
    picture.set("width", image.Width());
    picture.set("height", image.Height());
    picture.set("data", BytesView());
    return picture;
}

PageSession* MakeSession(double deviceRatio)
{
    return new PageSession(deviceRatio, [] { return static_cast<std::int64_t>(emscripten_get_now() * 1e6); });
}

// The instruction line's English text; the page translates it.
const char* InstructionText(vartel::Instruction instruction)
{
    switch (instruction) {
    case vartel::Instruction::Investigate:
        return vartel::InvestigateMessage;
    case vartel::Instruction::Frozen:
        return vartel::FrozenMessage;
    case vartel::Instruction::None:
        break;
    }
    return "";
}

val TakeChanges(PageSession& page)
{
    const vartel::PageChanges changes = page.Listener().TakeChanges();
    val result = val::object();
    val fields = val::object();
    for (std::size_t i = 0; i < changes.Fields.size(); ++i)
        if (changes.Fields[i])
            fields.set(FieldIds[i], *changes.Fields[i]);
    result.set("fields", fields);
    if (changes.Bulletin) {
        val board = val::object();
        board.set("text", changes.Bulletin->Text);
        board.set("background", CssColor(changes.Bulletin->Background));
        board.set("color", CssColor(changes.Bulletin->FontColor));
        board.set("pointSize", changes.Bulletin->FontSize);
        result.set("bulletin", board);
    }
    if (changes.Countdown) {
        val countdown = val::object();
        countdown.set("text", changes.Countdown->first);
        countdown.set("color", CssColor(changes.Countdown->second));
        result.set("countdown", countdown);
    }
    if (changes.IncidentsAvailable)
        result.set("incidentsAvailable", *changes.IncidentsAvailable);
    if (changes.Run) {
        const vartel::StartButtonTexts texts = vartel::StartButtonTextsOf(*changes.Run);
        val run = val::object();
        run.set("state", RunStateName(*changes.Run));
        run.set("caption", texts.Caption);
        run.set("hint", texts.Hint);
        result.set("run", run);
    }
    if (changes.ShownInstruction)
        result.set("instruction", InstructionText(*changes.ShownInstruction));
    if (changes.AgeGraphsAvailable)
        result.set("ageGraphsAvailable", *changes.AgeGraphsAvailable);
    result.set("corrections", Texts(changes.Corrections));
    result.set("sounds", Texts(changes.Sounds));
    result.set("graphChanged", changes.GraphChanged);
    result.set("pyramidChanged", changes.PyramidChanged);
    result.set("finished", changes.Finished);
    return result;
}

val StartUp(PageSession& page)
{
    page.Run().StartUp();
    return Plan(NextPass{NextPass::When::Soon});
}

val PressStart(PageSession& page)
{
    return Plan(page.Run().PressStart());
}

val New(PageSession& page)
{
    return Plan(page.Run().New());
}

val ChooseScenario(PageSession& page, int scenario)
{
    return Plan(page.Run().ChooseScenario(scenario));
}

val SetStepMode(PageSession& page, bool on)
{
    return Plan(page.Run().SetStepMode(on));
}

val RunPass(PageSession& page, bool held)
{
    return Plan(page.Run().RunPass(held));
}

void SetSpeed(PageSession& page, int speed)
{
    page.Run().SetSpeed(speed);
}

void StartIncident(PageSession& page, int incident)
{
    page.Run().StartIncident(incident);
}

void SetSound(PageSession& page, bool on)
{
    page.Run().SetSound(on);
}

void SetPauseAtAlarms(PageSession& page, bool on)
{
    page.Run().SetPauseAtAlarms(on);
}

// The error message of a text that is not a number, else "".
std::string Commit(PageSession& page, const std::string& id, const std::string& text)
{
    const std::optional<Field> field = FieldOf(id);
    return field ? page.Commit(*field, text) : std::string();
}

std::string ShownText(PageSession& page, const std::string& id)
{
    const std::optional<Field> field = FieldOf(id);
    return field ? page.Run().ShownText(*field) : std::string();
}

// The character a key puts into a parameter field, or -1 when the field refuses it.
int TypedKey(PageSession& page, const std::string& id, int typed, const std::string& text)
{
    const std::optional<Field> field = FieldOf(id);
    if (!field || typed < 0)
        return -1;
    const std::optional<char32_t> put = page.TypedKey(*field, static_cast<char32_t>(typed), text);
    return put ? static_cast<int>(*put) : -1;
}

void SetDeviceRatio(PageSession& page, double deviceRatio)
{
    page.Listener().SetDeviceRatio(deviceRatio);
}

val GraphPixels(PageSession& page)
{
    return Pixels(page.Listener().ShownGraph());
}

// The mouse or a finger on the graph at (x, y) of its logical pixels.
void GraphPointerMove(PageSession& page, int x, int y)
{
    page.Run().browsing().MouseMove(x, y);
}

void GraphClick(PageSession& page, int x, int y)
{
    page.Run().browsing().Click(x, y);
}

bool GraphKeyDown(PageSession& page, const std::string& key, bool shift, bool otherModifiers)
{
    return page.BrowseKeyDown(key, shift, otherModifiers);
}

// The mouse over a place that shows the present.
void ShowPresent(PageSession& page)
{
    page.Run().browsing().ShowPresent();
}

val PyramidPixels(PageSession& page)
{
    return Pixels(page.Listener().Shown().Pyramid());
}

std::string DataFile(PageSession& page, const std::string& date)
{
    return page.DataFile(date);
}

val GraphBmp(PageSession& page)
{
    return FileBytes(page.GraphBmp());
}

val PyramidBmp(PageSession& page)
{
    return FileBytes(page.PyramidBmp());
}

} // namespace

extern "C" {

// Runs what the batch tool's command line `arguments` (one argument a line) asks for and returns the
// data file of the run dated `date`, or "Error: " and the message for a command line that is not sound
// or an event that fails.
EMSCRIPTEN_KEEPALIVE const char* vartel_run_data_file(const char* arguments, const char* date)
{
    const vartel::ParsedArguments parsed = vartel::ParseBatchArguments(Lines(arguments));
    if (!parsed.Error.empty()) {
        lastText = "Error: " + parsed.Error;
        return lastText.c_str();
    }
    lastText = vartel::ScriptedRunDataFile(parsed.Arguments, date);
    return lastText.c_str();
}
}

EMSCRIPTEN_BINDINGS(vartel_page)
{
    emscripten::class_<PageSession>("PageSession")
        .constructor(&MakeSession, emscripten::allow_raw_pointers())
        .function("startUp", &StartUp)
        .function("pressStart", &PressStart)
        .function("newRun", &New)
        .function("chooseScenario", &ChooseScenario)
        .function("setStepMode", &SetStepMode)
        .function("runPass", &RunPass)
        .function("setSpeed", &SetSpeed)
        .function("startIncident", &StartIncident)
        .function("setSound", &SetSound)
        .function("setPauseAtAlarms", &SetPauseAtAlarms)
        .function("commit", &Commit)
        .function("shownText", &ShownText)
        .function("typedKey", &TypedKey)
        .function("takeChanges", &TakeChanges)
        .function("setDeviceRatio", &SetDeviceRatio)
        .function("graphPixels", &GraphPixels)
        .function("graphPointerMove", &GraphPointerMove)
        .function("graphClick", &GraphClick)
        .function("graphKeyDown", &GraphKeyDown)
        .function("showPresent", &ShowPresent)
        .function("pyramidPixels", &PyramidPixels)
        .function("dataFile", &DataFile)
        .function("graphBmp", &GraphBmp)
        .function("pyramidBmp", &PyramidBmp);
}
