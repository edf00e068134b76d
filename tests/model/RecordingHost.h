#pragma once
// A ModelHost that records every call as one line of text ("SetField PGmeter 3.43%") and answers the
// queries from settable members. Used by the model tests and the batch tool's tests.
#include "model/ModelHost.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace vartel {

class RecordingHost : public ModelHost {
public:
    // Answers of the queries.
    bool PauseChecked = false; // CheckBox2 "Pause at important moments"
    int Speed = 3;             // TrackBar1 position

    // Everything that was done, in order.
    std::vector<std::string> Calls;
    // The latest state of what the window would show.
    std::map<Field, std::string> Fields;
    BulletinState Board;
    std::string Countdown;
    Color CountdownColor = 0;
    bool IncidentButtonsEnabled = true;
    std::string StartCaption;
    std::string StartHint;
    std::string Memo;

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
    void SetStartCaption(const std::string& caption) override
    {
        StartCaption = caption;
        Record("SetStartCaption " + caption);
    }
    void SetStartHint(const std::string& hint) override
    {
        StartHint = hint;
        Record("SetStartHint " + hint);
    }
    void SetMemo(const std::string& text) override
    {
        Memo = text;
        Record("SetMemo " + text);
    }
    void RedrawGraph() override { Record("RedrawGraph"); }
    void RedrawPyramid(int year) override { Record("RedrawPyramid " + std::to_string(year)); }
    void ResetHouses() override { Record("ResetHouses"); }
    void UpdateHousesAndCurve() override { Record("UpdateHousesAndCurve"); }
    void RelocateFirstHouse() override { Record("RelocateFirstHouse"); }
    void ResetGraphControls() override { Record("ResetGraphControls"); }
    void MoveEquilibriumMarker() override { Record("MoveEquilibriumMarker"); }
    void RestorePresent() override { Record("RestorePresent"); }
    void PlaySound(const std::string& name) override { Record("PlaySound " + name); }
    bool PauseAtImportantMoments() const override { return PauseChecked; }
    int SpeedPosition() const override { return Speed; }
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
