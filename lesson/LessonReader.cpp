#include "lesson/LessonReader.h"

#include "output/SavedRunReader.h"
#include "views/KeptCurves.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace vartel {

namespace {

using Json = nlohmann::json;
using Pointer = Json::json_pointer;

// What makes a file no lesson, with the message; thrown only inside the reader.
struct Malformed {
    std::string Message;
};

[[noreturn]] void Fail(const Pointer& where, const std::string& what)
{
    throw Malformed{where.to_string() + ": " + what};
}

std::size_t Characters(const std::string& utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

class Reader {
public:
    explicit Reader(std::vector<std::string>& notices) : notices_(notices) {}

    Lesson Read(const Json& root)
    {
        if (!root.is_object())
            throw Malformed{"a lesson file holds one JSON object, { ... }"};
        const Pointer top;
        Lesson lesson;
        const Json* version = Member(root, "version");
        if (version == nullptr)
            Fail(top / "version", "missing; a lesson file gives its version, \"version\": 1");
        const int read = static_cast<int>(Whole(*version, top / "version", 1, 1000000));
        if (read > LessonVersion)
            notices_.push_back("This lesson is of version " + std::to_string(read) + ", newer than this program (" +
                               std::to_string(LessonVersion) + "): what it does not know is left out.");
        Known(root, top,
              {"version", "title", "instructions", "language", "scenario", "parameters", "events", "speed", "locks",
               "pausePoints", "compare", "seed"});
        if (const Json* v = Member(root, "title"))
            lesson.Title = Text(*v, top / "title", MaxTitleCharacters);
        if (const Json* v = Member(root, "instructions"))
            lesson.Instructions = Text(*v, top / "instructions", MaxInstructionCharacters);
        if (const Json* v = Member(root, "language")) {
            lesson.Language = Text(*v, top / "language", 2);
            if (lesson.Language != "en" && lesson.Language != "nl")
                Fail(top / "language", "'" + lesson.Language + "' is not one of en, nl");
        }
        if (const Json* v = Member(root, "scenario"))
            lesson.Scenario = static_cast<int>(Whole(*v, top / "scenario", 1, 7));
        if (const Json* v = Member(root, "parameters"))
            lesson.Parameters = Parameters(*v, top / "parameters");
        if (const Json* v = Member(root, "events"))
            lesson.Events = Events(*v, top / "events");
        if (const Json* v = Member(root, "speed"))
            lesson.Speed = static_cast<int>(Whole(*v, top / "speed", 0, 4));
        if (const Json* v = Member(root, "locks"))
            lesson.Locks = Locks(*v, top / "locks");
        if (const Json* v = Member(root, "pausePoints"))
            lesson.PausePoints = PausePoints(*v, top / "pausePoints");
        if (const Json* v = Member(root, "compare"))
            lesson.Curves = Curves(*v, top / "compare");
        if (const Json* v = Member(root, "seed"))
            lesson.Seed = Whole(*v, top / "seed", 0, MaxLessonSeed);
        if (!unknown_.empty())
            notices_.push_back(UnknownNotice());
        return lesson;
    }

private:
    static const Json* Member(const Json& object, const char* key)
    {
        const auto found = object.find(key);
        return found == object.end() ? nullptr : &*found;
    }

    void Known(const Json& object, const Pointer& where, std::initializer_list<const char*> keys)
    {
        for (const auto& item : object.items()) {
            const std::string& key = item.key();
            if (std::none_of(keys.begin(), keys.end(), [&](const char* k) { return key == k; }))
                unknown_.push_back((where / key).to_string());
        }
    }

    std::string UnknownNotice() const
    {
        constexpr std::size_t Named = 5;
        std::string list;
        for (std::size_t i = 0; i < std::min(Named, unknown_.size()); ++i)
            list += (i == 0 ? "" : ", ") + unknown_[i];
        if (unknown_.size() > Named)
            list += " and " + std::to_string(unknown_.size() - Named) + " more";
        return "Left out, unknown to this program: " + list + ".";
    }

    static const Json& Object(const Json& v, const Pointer& where)
    {
        if (!v.is_object())
            Fail(where, "expected an object, { ... }");
        return v;
    }

    static const Json& List(const Json& v, const Pointer& where, std::size_t max)
    {
        if (!v.is_array())
            Fail(where, "expected a list, [ ... ]");
        if (v.size() > max)
            Fail(where, "holds " + std::to_string(v.size()) + " entries, more than " + std::to_string(max));
        return v;
    }

    static std::string Text(const Json& v, const Pointer& where, std::size_t maxCharacters)
    {
        if (!v.is_string())
            Fail(where, "expected a text in double quotes");
        const std::string& text = v.get_ref<const std::string&>();
        if (Characters(text) > maxCharacters)
            Fail(where, "longer than " + std::to_string(maxCharacters) + " characters");
        return text;
    }

    // The reader keeps a number without a sign as unsigned, a negative one as signed.
    static std::uint64_t Whole(const Json& v, const Pointer& where, std::uint64_t low, std::uint64_t high)
    {
        const std::string range = std::to_string(low) + ".." + std::to_string(high);
        if (!v.is_number_integer())
            Fail(where, "expected a whole number " + range);
        if (!v.is_number_unsigned() || v.get<std::uint64_t>() < low || v.get<std::uint64_t>() > high)
            Fail(where, v.dump() + " is outside " + range);
        return v.get<std::uint64_t>();
    }

    static bool Flag(const Json& v, const Pointer& where)
    {
        if (!v.is_boolean())
            Fail(where, "expected true or false");
        return v.get<bool>();
    }

    std::vector<StartParameter> Parameters(const Json& v, const Pointer& where)
    {
        Object(v, where);
        std::vector<StartParameter> parameters;
        for (ParameterField field : StartParameterFields) {
            const std::string name = ParameterName(field);
            if (const Json* text = Member(v, name.c_str()))
                parameters.push_back({field, Text(*text, where / name, MaxParameterCharacters)});
        }
        Known(v, where, {"stable", "birth-index", "baby-mortality", "adult-mortality", "immigration"});
        return parameters;
    }

    static std::vector<BatchEvent> Events(const Json& v, const Pointer& where)
    {
        List(v, where, MaxLessonEvents);
        std::vector<BatchEvent> events;
        for (std::size_t i = 0; i < v.size(); ++i) {
            BatchEvent event;
            const std::string text = Text(v[i], where / i, MaxEventCharacters);
            if (const std::string error = ParseBatchEvent(text, event); !error.empty())
                Fail(where / i, "'" + text + "': " + error);
            if (!events.empty() && event.Year < events.back().Year)
                Fail(where / i, "year " + std::to_string(event.Year) + " comes before the year " +
                                    std::to_string(events.back().Year) + " of the event before it");
            events.push_back(std::move(event));
        }
        return events;
    }

    LessonLocks Locks(const Json& v, const Pointer& where)
    {
        Object(v, where);
        LessonLocks locks;
        const std::pair<const char*, bool*> flags[] = {{"scenario", &locks.Scenario},
                                                       {"parameters", &locks.Parameters},
                                                       {"incidents", &locks.Incidents},
                                                       {"speed", &locks.Speed}};
        for (const auto& [key, flag] : flags)
            if (const Json* value = Member(v, key))
                *flag = Flag(*value, where / key);
        Known(v, where, {"scenario", "parameters", "incidents", "speed"});
        return locks;
    }

    std::vector<PausePoint> PausePoints(const Json& v, const Pointer& where)
    {
        List(v, where, MaxPausePoints);
        std::vector<PausePoint> points;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const Pointer at = where / i;
            Object(v[i], at);
            PausePoint point;
            const Json* year = Member(v[i], "year");
            if (year == nullptr)
                Fail(at / "year", "missing; a pause point has a year");
            point.Year = static_cast<int>(Whole(*year, at / "year", 1, MaxYear));
            if (!points.empty() && point.Year <= points.back().Year)
                Fail(at / "year", std::to_string(point.Year) + " does not come after the year " +
                                      std::to_string(points.back().Year) + " of the pause point before it");
            const Json* question = Member(v[i], "question");
            if (question == nullptr)
                Fail(at / "question", "missing; a pause point asks a question");
            point.Question = Text(*question, at / "question", MaxQuestionCharacters);
            Known(v[i], at, {"year", "question"});
            points.push_back(std::move(point));
        }
        return points;
    }

    std::vector<LessonCurve> Curves(const Json& v, const Pointer& where)
    {
        List(v, where, KeptCurves::Capacity);
        std::vector<LessonCurve> curves;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const Pointer at = where / i;
            Object(v[i], at);
            LessonCurve curve;
            if (const Json* name = Member(v[i], "name"))
                curve.Name = Text(*name, at / "name", MaxCurveNameCharacters);
            const Json* data = Member(v[i], "data");
            if (data == nullptr)
                Fail(at / "data", "missing; a curve to compare with holds the text of a data file");
            curve.Data = Text(*data, at / "data", MaxLessonBytes);
            if (const SavedRunReading reading = ReadSavedRun(curve.Data); reading.Problem != SavedRunProblem::None)
                Fail(at / "data", "not a data file of Vartel" +
                                      (reading.Line > 0 ? " (line " + std::to_string(reading.Line) + ")" : ""));
            Known(v[i], at, {"name", "data"});
            curves.push_back(std::move(curve));
        }
        return curves;
    }

    std::vector<std::string>& notices_;
    std::vector<std::string> unknown_;
};

// The line and column of a byte offset, both from 1.
std::string Position(std::string_view text, std::size_t offset)
{
    const std::string_view before = text.substr(0, std::min(offset, text.size()));
    const std::size_t lineStart = before.rfind('\n');
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const std::size_t column = lineStart == std::string_view::npos ? before.size() + 1 : before.size() - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The library's reason without its own prefix and position. The text it last read may hold bytes that are
// no UTF-8, so every byte outside ASCII becomes "?" there, which any front end can show.
std::string Reason(const nlohmann::json::parse_error& e)
{
    const std::string what = e.what();
    const std::size_t column = what.find("column ");
    const std::size_t colon = column == std::string::npos ? std::string::npos : what.find(": ", column);
    std::string reason = colon == std::string::npos ? what : what.substr(colon + 2);
    std::replace_if(
        reason.begin(), reason.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }, '?');
    return reason;
}

struct TooDeep {};

Json Parse(std::string_view text)
{
    // The depth is bounded while parsing, before a deep file can build a deep tree.
    const Json::parser_callback_t bounded = [](int depth, Json::parse_event_t, Json&) {
        if (depth > MaxLessonNesting)
            throw TooDeep{};
        return true;
    };
    try {
        return Json::parse(text.begin(), text.end(), bounded);
    } catch (const nlohmann::json::parse_error& e) {
        throw Malformed{Position(text, e.byte == 0 ? 0 : e.byte - 1) + ": " + Reason(e)};
    } catch (const nlohmann::json::out_of_range&) {
        throw Malformed{"a number too large to read"};
    } catch (const TooDeep&) {
        throw Malformed{"nested more than " + std::to_string(MaxLessonNesting) + " levels deep"};
    }
}

LessonReading Failed(std::string message)
{
    LessonReading reading;
    reading.Error = std::move(message);
    return reading;
}

} // namespace

LessonReading ReadLesson(std::string_view text)
{
    LessonReading reading;
    if (text.size() > MaxLessonBytes)
        return Failed("larger than a lesson can be (" + std::to_string(MaxLessonBytes) + " bytes)");
    try {
        reading.Read = Reader(reading.Notices).Read(Parse(text));
    } catch (const Malformed& malformed) {
        reading.Read = {};
        reading.Error = malformed.Message;
    }
    return reading;
}

} // namespace vartel
