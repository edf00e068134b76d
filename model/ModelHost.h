#pragma once
// Everything the model does to the window goes through this interface. The main window implements it;
// the batch tool and the tests have their own implementations.
#include "model/SimulationState.h"

#include <string>

namespace vartel {

// The text fields the model writes (names of the main window's controls).
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

// The object name of the control behind a field ("PGmeter"; the year field is "clock").
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

class ModelHost {
public:
    virtual ~ModelHost() = default;

    virtual void SetField(Field field, const std::string& text) = 0;
    virtual void ShowBulletin(const BulletinState& board) = 0;               // Paper: text, colours, size
    virtual void RepaintBulletinAndElderly() = 0;                            // immediate repaint of Paper and GRmeter
    virtual void SetCountdown(const std::string& text, Color fontColor) = 0; // Aftelklok
    virtual void SetIncidentButtonsEnabled(bool enabled) = 0;                // EpiButton, OneButton, ImmButton
    virtual void SetStartCaption(const std::string& caption) = 0;
    virtual void SetStartHint(const std::string& hint) = 0;
    virtual void SetMemo(const std::string& text) = 0; // Memo1

    virtual void RedrawGraph() = 0;           // DrawGraph on Image2 at scale 1
    virtual void RedrawPyramid(int year) = 0; // DrawPyramid on Image1 at scale 1
    virtual void ResetHouses() = 0;
    virtual void UpdateHousesAndCurve() = 0;
    virtual void RelocateFirstHouse() = 0;
    virtual void ResetGraphControls() = 0;    // scale and zoom buttons, hint zones after a reset
    virtual void MoveEquilibriumMarker() = 0; // hint zone he after a new stable level
    virtual void RestorePresent() = 0;        // end any browsing of the past

    virtual void PlaySound(const std::string& name) = 0;         // honours "Sound signal at important moments"
    virtual bool PauseAtImportantMoments() const = 0;            // CheckBox2
    virtual int SpeedPosition() const = 0;                       // TrackBar1, 0..4
    virtual void ShowCorrection(const std::string& message) = 0; // "Invalid data" box
};

} // namespace vartel
