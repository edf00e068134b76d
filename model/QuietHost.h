#pragma once
// A host without a window: every effect is dropped, queries answer as a fresh window would
// (sound on, no pause at important moments, fastest speed). For headless runs.
#include "model/ModelHost.h"

namespace vartel {

class QuietHost : public ModelHost {
public:
    void SetField(Field, const std::string&) override {}
    void ShowBulletin(const BulletinState&) override {}
    void RepaintBulletinAndElderly() override {}
    void SetCountdown(const std::string&, Color) override {}
    void SetIncidentButtonsEnabled(bool) override {}
    void SetStartCaption(const std::string&) override {}
    void SetStartHint(const std::string&) override {}
    void SetMemo(const std::string&) override {}
    void RedrawGraph() override {}
    void RedrawPyramid(int) override {}
    void ResetHouses() override {}
    void UpdateHousesAndCurve() override {}
    void RelocateFirstHouse() override {}
    void ResetGraphControls() override {}
    void MoveEquilibriumMarker() override {}
    void RestorePresent() override {}
    void PlaySound(const std::string&) override {}
    bool PauseAtImportantMoments() const override { return false; }
    int SpeedPosition() const override { return 4; }
    void ShowCorrection(const std::string&) override {}
};

} // namespace vartel
