#pragma once
// The session's view of the main window: every change it reports shown on the window's controls.
#include "session/SessionListener.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QLineEdit;

namespace vartel {

class Platform;
class TForm1;
struct TForm1Ui;

class WindowHost final : public SessionListener {
public:
    WindowHost(TForm1& window, Platform& platform) : window_(window), platform_(platform) {}

    void FieldChanged(Field field, const std::string& text) override;
    void BulletinChanged(const BulletinState& board) override;
    void BulletinAndElderlyDueNow() override;
    void CountdownChanged(const std::string& text, Color fontColor) override;
    void IncidentsAvailableChanged(bool available) override;
    void CorrectionMade(const std::string& message) override;

    void GraphNeedsRedraw() override;
    void PyramidNeedsRedraw(int year) override;
    void HousesReset() override;
    void HousesAndCurveGrew() override;
    void FirstHouseMoved() override;
    void GraphControlsReset() override;
    void EquilibriumLevelChanged() override;
    void BrowsingEnded() override;
    void PastYearShown(int year) override;
    void AgeGraphsAvailableChanged(bool available) override;

    void RunStateChanged(RunState state) override;
    void InstructionChanged(Instruction instruction) override;
    void RunFinished() override;
    void SoundPlayed(const std::string& name) override;
    void FirstPassDone() override;
    // Between these two calls, what shows only the newest year (the fields, the countdown, the pyramid, an
    // age-profile graph) is held back and then shown once, as the last of the held calls would have left
    // it; everything else still acts at once.
    void FastestPassBegins() override;
    void FastestPassEnds() override;
    void PassDone(int years, std::int64_t nanoseconds) override;

private:
    const TForm1Ui& Controls() const;
    QLineEdit* FieldEdit(Field field) const;

    TForm1& window_;
    Platform& platform_;

    bool holding_ = false;
    // A held text is one that differs from what the field showed before it: its setText is still due.
    std::array<std::optional<std::string>, static_cast<std::size_t>(Field::CHmeter) + 1> heldFields_;
    std::optional<std::pair<std::string, Color>> heldCountdown_;
    std::optional<int> heldPyramidYear_;
    bool graphHeld_ = false;
};

} // namespace vartel
