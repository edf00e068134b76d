#pragma once
// A listener that shows nothing: for runs without a screen, and a base for front ends that show little.
#include "session/SessionListener.h"

namespace vartel {

class QuietListener : public SessionListener {
public:
    void FieldChanged(Field, const std::string&) override {}
    void BulletinChanged(const BulletinState&) override {}
    void BulletinAndElderlyDueNow() override {}
    void CountdownChanged(const std::string&, Color) override {}
    void IncidentsAvailableChanged(bool) override {}
    void CorrectionMade(const std::string&) override {}
    void GraphNeedsRedraw() override {}
    void PyramidNeedsRedraw(int) override {}
    void HousesReset() override {}
    void HousesAndCurveGrew() override {}
    void FirstHouseMoved() override {}
    void GraphControlsReset() override {}
    void EquilibriumLevelChanged() override {}
    void BrowsingEnded() override {}
    void PastYearShown(int) override {}
    void AgeGraphsAvailableChanged(bool) override {}
    void RunStateChanged(RunState) override {}
    void InstructionChanged(Instruction) override {}
    void RunFinished() override {}
    void SoundPlayed(const std::string&) override {}
    void FirstPassDone() override {}
    void FastestPassBegins() override {}
    void FastestPassEnds() override {}
    void PassDone(int, std::int64_t) override {}
};

} // namespace vartel
