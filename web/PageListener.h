#pragma once
// The page's side of a run: what the session said since the page last looked, kept for the page to read
// after each call into the module, and the graph and the pyramid drawn as the batch tool draws them, once
// at ratio 1 for saving and once at the screen's device pixel ratio for showing.
#include "session/QuietListener.h"
#include "tools/BatchScreen.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vartel {

constexpr std::size_t FieldCount = static_cast<std::size_t>(Field::CHmeter) + 1;

struct PageChanges {
    std::array<std::optional<std::string>, FieldCount> Fields; // the newest text of each field changed
    std::optional<BulletinState> Bulletin;
    std::optional<std::pair<std::string, Color>> Countdown;
    std::optional<bool> IncidentsAvailable;
    std::optional<RunState> Run;
    std::optional<Instruction> ShownInstruction;
    std::optional<bool> AgeGraphsAvailable;
    std::vector<std::string> Corrections; // in the order made
    std::vector<std::string> Sounds;
    bool GraphChanged = false;
    bool PyramidChanged = false;
    bool Finished = false;
};

class PageListener final : public QuietListener {
public:
    // The run whose pictures are drawn from now on, shown at `deviceRatio`; until then none is drawn.
    void ShowOn(const SimulationState& s, double deviceRatio);

    // What changed since the last call; the record starts empty again.
    PageChanges TakeChanges() { return std::exchange(changes_, {}); }

    // The pictures that are saved (ratio 1) and the ones shown (the screen's ratio; the same at 1).
    BatchScreen& Saved() { return *saved_; }
    BatchScreen& Shown() { return shown_ ? *shown_ : *saved_; }
    // The shown graph with the marker of the past year on display over it; the saved one has none.
    RasterImage ShownGraph();
    std::optional<int> MarkedYear() const { return markedYear_; }
    // The screen moved to another device pixel ratio (page zoom, another monitor): the shown pictures anew.
    void SetDeviceRatio(double deviceRatio);

    void FieldChanged(Field field, const std::string& text) override;
    void BulletinChanged(const BulletinState& board) override { changes_.Bulletin = board; }
    void CountdownChanged(const std::string& text, Color fontColor) override;
    void IncidentsAvailableChanged(bool available) override { changes_.IncidentsAvailable = available; }
    void CorrectionMade(const std::string& message) override { changes_.Corrections.push_back(message); }
    void GraphNeedsRedraw() override;
    void PyramidNeedsRedraw(int year) override;
    void HousesAndCurveGrew() override;
    void RunStateChanged(RunState state) override { changes_.Run = state; }
    void InstructionChanged(Instruction instruction) override { changes_.ShownInstruction = instruction; }
    void PastYearShown(int year) override;
    void BrowsingEnded() override;
    void AgeGraphsAvailableChanged(bool available) override { changes_.AgeGraphsAvailable = available; }
    void RunFinished() override { changes_.Finished = true; }
    void SoundPlayed(const std::string& name) override { changes_.Sounds.push_back(name); }

private:
    const SimulationState* s_ = nullptr;
    std::unique_ptr<BatchScreen> saved_;
    std::unique_ptr<BatchScreen> shown_; // only above ratio 1
    double deviceRatio_ = 1.0;
    int pyramidYear_ = 0;
    std::optional<int> markedYear_;
    PageChanges changes_;
};

} // namespace vartel
