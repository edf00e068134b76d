#pragma once
// Everything the simulation reports goes through this interface: the figures it writes, the board, the
// countdown and what needs drawing anew. The session implements it for its front ends; the model's tests
// record it.
#include "model/SimulationState.h"

#include <string>

namespace vartel {

// The figures the model writes as text, one per shown field.
enum class Field {
    Clock,    // year
    Popmeter, // population
    SPmeter,  // stable level
    BImeter,  // birth index
    BDmeter,  // % baby mortality
    ADmeter,  // % adult mortality
    IMmeter,  // % immigration
    PGmeter,  // annual growth
    RBmeter,  // replacement birth index
    LEmeter,  // life expectancy
    MAmeter,  // mean age
    GRmeter,  // elderly share
    CHmeter,  // children share
};

class ModelHost {
public:
    virtual ~ModelHost() = default;

    virtual void SetField(Field field, const std::string& text) = 0;
    virtual void ShowBulletin(const BulletinState& board) = 0;
    virtual void RepaintBulletinAndElderly() = 0; // the board and the elderly share are due on screen now
    virtual void SetCountdown(const std::string& text, Color fontColor) = 0;
    virtual void SetIncidentButtonsEnabled(bool enabled) = 0; // whether an incident can be started
    virtual void ClearInstruction() = 0;                      // a reset ends any instruction to the user

    virtual void RedrawGraph() = 0;
    virtual void RedrawPyramid(int year) = 0;
    virtual void ResetHouses() = 0;
    virtual void UpdateHousesAndCurve() = 0;
    virtual void RelocateFirstHouse() = 0;
    virtual void ResetGraphControls() = 0;    // the graph's scale, zoom and zones after a reset
    virtual void MoveEquilibriumMarker() = 0; // after a new stable level
    virtual void RestorePresent() = 0;        // end any browsing of the past

    virtual void Alarm() = 0;                                    // a new message on the board is an important moment
    virtual void ShowCorrection(const std::string& message) = 0; // a parameter's value was out of range
};

} // namespace vartel
