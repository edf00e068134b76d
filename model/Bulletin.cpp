#include "model/Bulletin.h"

#include "model/Codes.h"
#include "model/TranslatableText.h"

namespace vartel {

namespace {

// The messages of the rules, in their order; the window shows them translated.
constexpr const char* Overpopulated = VARTEL_TRANSLATE_NOOP("Bulletin", " Overpopulation - disaster inevitable");
constexpr const char* LargePopulation = VARTEL_TRANSLATE_NOOP("Bulletin", " Large population... danger");
constexpr const char* Extinct = VARTEL_TRANSLATE_NOOP("Bulletin", " Population extinct");
constexpr const char* TooFewPeople = VARTEL_TRANSLATE_NOOP("Bulletin", " Not enough people - disaster strikes");
constexpr const char* SmallPopulation = VARTEL_TRANSLATE_NOOP("Bulletin", " Small population... danger");
constexpr const char* Epidemic = VARTEL_TRANSLATE_NOOP("Bulletin", " An epidemic roams through the island");
constexpr const char* OneChildPolicy =
    VARTEL_TRANSLATE_NOOP("Bulletin", "Heavy penalty for families with more than 1 child!");
constexpr const char* ImmigrationWave = VARTEL_TRANSLATE_NOOP("Bulletin", " Many immigrants invade the island");
constexpr const char* Ageing = VARTEL_TRANSLATE_NOOP("Bulletin", " Increase of ageing population");
constexpr const char* NoAnnouncements = VARTEL_TRANSLATE_NOOP("Bulletin", " no announcements ...");

struct Message {
    Color Background;
    Color FontColor;
    int FontSize;
    bool Alarm;
};

constexpr Message Danger{Rgb(85, 0, 0), Rgb(255, 0, 0), 18, true};
constexpr Message Warning{Rgb(192, 192, 192), Rgb(0, 0, 128), 16, true};

void Post(Model& m, const Message& message, const std::string& text)
{
    PostBulletin(m, message.Background, message.FontColor, message.FontSize, text, message.Alarm);
}

// Rules 10..15: the latest stage reached, B first.
bool PostLatestStage(Model& m)
{
    struct StageMessage {
        Stage Reached;
        Message Look;
    };
    static constexpr StageMessage order[] = {
        {StageB, {Rgb(204, 255, 204), Rgb(0, 128, 0), 10, true}},
        {StageE, {Rgb(204, 204, 255), Rgb(0, 0, 0), 10, true}},
        {StageP, {Rgb(255, 255, 255), Rgb(0, 0, 0), 10, true}},
        {StageH, {Rgb(255, 255, 0), Rgb(0, 0, 0), 10, true}},
        {StageM, {Rgb(221, 221, 221), Rgb(0, 0, 0), 10, true}},
        {StageA, {Rgb(192, 220, 192), Rgb(0, 0, 0), 10, true}},
    };
    const SimulationState& s = m.S;
    for (const auto& stage : order) {
        if (s.StageReached[stage.Reached]) {
            Post(m, stage.Look, s.Stages[RecordOf(stage.Reached)].Text);
            return true;
        }
    }
    return false;
}

} // namespace

void PostBulletin(Model& m, Color background, Color fontColor, int fontSize, const std::string& text, bool alarm)
{
    SimulationState& s = m.S;
    if (text == s.Board.Text)
        return;
    s.Board = BulletinState{text, background, fontColor, fontSize};
    m.Host.ShowBulletin(s.Board);
    if (!alarm || s.Browsing)
        return;
    m.Host.Alarm();
}

void ChooseBulletin(Model& m)
{
    const SimulationState& s = m.S;
    const int y = s.Year;
    const double exact = s.ExactPopHistory[y];
    const double rounded = s.PopHistory[y];

    if (s.Catastrophe)
        return Post(m, Danger, Overpopulated);
    if (exact > 2500000.0 && (y == 0 || exact > s.ExactPopHistory[y - 1])) {
        m.Host.RelocateFirstHouse();
        return Post(m, Warning, LargePopulation);
    }
    if (!(rounded > 0.0))
        return Post(m, {Rgb(51, 51, 51), Rgb(255, 255, 255), 16, true}, Extinct);
    if (rounded < 50.0)
        return Post(m, Danger, TooFewPeople);
    if (exact < 1000.0 && (y == 0 || exact < s.ExactPopHistory[y - 1])) {
        return Post(m, Warning, SmallPopulation);
    }
    switch (s.Incident) {
    case IncidentCode::Epidemic:
        return Post(m, {Rgb(136, 136, 136), Rgb(0, 0, 0), 16, true}, Epidemic);
    case IncidentCode::OneChildPolicy:
        return Post(m, {Rgb(170, 170, 170), Rgb(0, 0, 255), 15, true}, OneChildPolicy);
    case IncidentCode::ImmigrationWave:
        return Post(m, {Rgb(204, 204, 204), Rgb(0, 68, 0), 16, true}, ImmigrationWave);
    default:
        break;
    }
    if (s.ElderlyHistory[y] > 0.25 * exact) {
        m.Host.RepaintBulletinAndElderly();
        return Post(m, {Rgb(192, 192, 192), Rgb(68, 68, 68), 16, true}, Ageing);
    }
    if (PostLatestStage(m))
        return;
    if (IsRealisticScenario(s.Scenario))
        return Post(m, {Rgb(255, 255, 187), Rgb(0, 0, 0), 10, true}, s.Stages[StartRecord].Text);
    Post(m, {Rgb(192, 192, 192), Rgb(0, 0, 0), 8, false}, NoAnnouncements);
}

} // namespace vartel
