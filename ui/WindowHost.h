#pragma once
// The model's view of the main window: every ModelHost call forwarded to the window's controls.
#include "model/ModelHost.h"

#include <array>
#include <functional>
#include <optional>
#include <utility>

class QLineEdit;

namespace vartel {

class Platform;
class TForm1;
struct TForm1Ui;

class WindowHost final : public ModelHost {
public:
    WindowHost(TForm1& window, Platform& platform) : window_(window), platform_(platform) {}

    // Ends any browsing of the past; set by the window's history browsing.
    void SetRestorePresent(std::function<void()> restore) { restorePresent_ = std::move(restore); }

    // Between these two calls, what shows only the newest year (the fields, the countdown, the pyramid, an
    // age-profile graph) is held back and then shown once, as the last of the held calls would have left
    // it; everything else still acts at once. The driver's fastest speed computes many years in one pass
    // this way.
    void HoldNewestYear();
    void ShowNewestYear();

    void SetField(Field field, const std::string& text) override;
    void ShowBulletin(const BulletinState& board) override;
    void RepaintBulletinAndElderly() override;
    void SetCountdown(const std::string& text, Color fontColor) override;
    void SetIncidentButtonsEnabled(bool enabled) override;
    void SetStartCaption(const std::string& caption) override;
    void SetStartHint(const std::string& hint) override;
    void SetMemo(const std::string& text) override;

    void RedrawGraph() override;
    void RedrawPyramid(int year) override;
    void ResetHouses() override;
    void UpdateHousesAndCurve() override;
    void RelocateFirstHouse() override;
    void ResetGraphControls() override;
    void MoveEquilibriumMarker() override;
    void RestorePresent() override;

    void PlaySound(const std::string& name) override;
    bool PauseAtImportantMoments() const override;
    int SpeedPosition() const override;
    void ShowCorrection(const std::string& message) override;

private:
    const TForm1Ui& Controls() const;
    QLineEdit* FieldEdit(Field field) const;

    TForm1& window_;
    Platform& platform_;
    std::function<void()> restorePresent_;

    bool holding_ = false;
    // A held text is one that differs from what the field showed before it: its setText is still due.
    std::array<std::optional<std::string>, static_cast<std::size_t>(Field::CHmeter) + 1> heldFields_;
    std::optional<std::pair<std::string, Color>> heldCountdown_;
    std::optional<int> heldPyramidYear_;
    bool graphHeld_ = false;
};

} // namespace vartel
