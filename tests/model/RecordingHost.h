#pragma once
// A ModelHost that records every call as one line of text ("SetField PGmeter 3.43%"). Used by the model
// tests.
#include "model/ModelHost.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace vartel {

// The window's name of the field a call writes ("PGmeter"; the year field is "clock").
constexpr const char* FieldName(Field field)
{
    switch (field) {
    case Field::Clock:
        return "clock";
    case Field::Popmeter:
        return "Popmeter";
    case Field::SPmeter:
        return "SPmeter";
    case Field::BImeter:
        return "BImeter";
    case Field::BDmeter:
        return "BDmeter";
    case Field::ADmeter:
        return "ADmeter";
    case Field::IMmeter:
        return "IMmeter";
    case Field::PGmeter:
        return "PGmeter";
    case Field::RBmeter:
        return "RBmeter";
    case Field::LEmeter:
        return "LEmeter";
    case Field::MAmeter:
        return "MAmeter";
    case Field::GRmeter:
        return "GRmeter";
    case Field::CHmeter:
        return "CHmeter";
    }
    return "";
}

class RecordingHost : public ModelHost {
public:
    // Everything that was done, in order.
    std::vector<std::string> Calls;
    // The latest state of what the window would show.
    std::map<Field, std::string> Fields;
    BulletinState Board;
    std::string Countdown;
    Color CountdownColor = 0;
    bool IncidentButtonsEnabled = true;

    void SetField(Field field, const std::string& text) override
    {
        Fields[field] = text;
        Record("SetField " + std::string(FieldName(field)) + " " + text);
    }
    void ShowBulletin(const BulletinState& board) override
    {
        Board = board;
        Record("ShowBulletin " + board.Text);
    }
    void RepaintBulletinAndElderly() override { Record("RepaintBulletinAndElderly"); }
    void SetCountdown(const std::string& text, Color fontColor) override
    {
        Countdown = text;
        CountdownColor = fontColor;
        Record("SetCountdown " + text + " " + std::to_string(fontColor));
    }
    void SetIncidentButtonsEnabled(bool enabled) override
    {
        IncidentButtonsEnabled = enabled;
        Record(std::string("SetIncidentButtonsEnabled ") + (enabled ? "true" : "false"));
    }
    void ClearInstruction() override { Record("ClearInstruction"); }
    void RedrawGraph() override { Record("RedrawGraph"); }
    void RedrawPyramid(int year) override { Record("RedrawPyramid " + std::to_string(year)); }
    void ResetHouses() override { Record("ResetHouses"); }
    void UpdateHousesAndCurve() override { Record("UpdateHousesAndCurve"); }
    void RelocateFirstHouse() override { Record("RelocateFirstHouse"); }
    void ResetGraphControls() override { Record("ResetGraphControls"); }
    void MoveEquilibriumMarker() override { Record("MoveEquilibriumMarker"); }
    void RestorePresent() override { Record("RestorePresent"); }
    void Alarm() override { Record("Alarm"); }
    void ShowCorrection(const std::string& message) override { Record("ShowCorrection " + message); }

    void Clear() { Calls.clear(); }
    // Number of recorded calls equal to `line`, or starting with it when `prefix` is set.
    int Count(const std::string& line, bool prefix = false) const
    {
        return static_cast<int>(std::count_if(Calls.begin(), Calls.end(), [&](const std::string& call) {
            return prefix ? call.rfind(line, 0) == 0 : call == line;
        }));
    }
    std::string FieldText(Field field) const
    {
        const auto it = Fields.find(field);
        return it == Fields.end() ? std::string("<never set>") : it->second;
    }

private:
    void Record(std::string line) { Calls.push_back(std::move(line)); }
};

} // namespace vartel
