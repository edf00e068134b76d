#pragma once
// A host that drops every report of the simulation: for runs that only want the record.
#include "model/ModelHost.h"

namespace vartel {

class QuietHost : public ModelHost {
public:
    void SetField(Field, const std::string&) override {}
    void ShowBulletin(const BulletinState&) override {}
    void RepaintBulletinAndElderly() override {}
    void SetCountdown(const std::string&, Color) override {}
    void SetIncidentButtonsEnabled(bool) override {}
    void ClearInstruction() override {}
    void RedrawGraph() override {}
    void RedrawPyramid(int) override {}
    void ResetHouses() override {}
    void UpdateHousesAndCurve() override {}
    void RelocateFirstHouse() override {}
    void ResetGraphControls() override {}
    void MoveEquilibriumMarker() override {}
    void RestorePresent() override {}
    void Alarm() override {}
    void ShowCorrection(const std::string&) override {}
};

} // namespace vartel
