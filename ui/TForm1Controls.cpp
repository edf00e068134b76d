// New, the scenario and incident buttons, the graph buttons, the scales and the zoom.
#include "model/Codes.h"
#include "ui/HintZone.h"
#include "ui/ImageView.h"
#include "ui/TForm1.h"
#include "views/GraphView.h"

#include <QPushButton>
#include <QRadioButton>

namespace vartel {

namespace {

constexpr const char* PopulationGraphHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Move the mouse through the graph while the simulation pauses to see the "
                                        "population pyramid of each moment in time");
constexpr const char* AgeGraphHint = QT_TRANSLATE_NOOP("vartel::TForm1", "Choose from 4 types of  graph");

} // namespace

void TForm1::NewbuttonClick()
{
    const NextPass next = session_->New();
    recorder_.NewRun(state().Scenario);
    ui_.StartButton->setFocus();
    Schedule(next);
}

void TForm1::ScenarioClick(int scenario)
{
    const int yearBefore = state().Year;
    const NextPass next = session_->ChooseScenario(scenario);
    recorder_.Scenario(yearBefore, scenario, state().Year);
    Schedule(next);
}

void TForm1::IncidentClick(int incident)
{
    recorder_.Incident(state().Year, incident);
    session_->StartIncident(incident);
}

void TForm1::PlaceHintZones(int h0Top, int h0Height, int heTop)
{
    ui_.h0->setGeometry(ui_.h0->x(), h0Top, ui_.h0->width(), h0Height);
    ui_.he->move(ui_.he->x(), heTop);
}

void TForm1::SetZoomButtons()
{
    const int zoom = state().ZoomFactor;
    const bool linear = ui_.Linscale->isChecked();
    ui_.Inbutton->setEnabled(linear && zoom < ZoomFactors.back());
    ui_.Outbutton->setEnabled(linear && zoom > ZoomFactors.front());
}

void TForm1::ResetGraphControls()
{
    const SimulationState& s = state();
    ui_.Linscale->setEnabled(true);
    ui_.Logscale->setEnabled(true);
    ui_.h1->SetHintShown(true);
    SetZoomButtons();
    const HintZoneGeometry zones = ZonesAfterZoomOrReset(s.ZoomFactor, s.StableLevel);
    PlaceHintZones(zones.H0Top, zones.H0Height, zones.HeTop);
}

void TForm1::SetGraphHints(bool populationGraph, const QString& imageHint)
{
    ui_.h0->SetHintShown(populationGraph);
    ui_.h1->SetHintShown(populationGraph);
    ui_.he->SetHintShown(populationGraph);
    ui_.Image2->setToolTip(imageHint);
}

void TForm1::ChooseGraph(int mode)
{
    model().S.GraphMode = mode;
    DrawGraphOnScreen();
    const bool scalesUsable = mode == GraphModeCode::Population || mode == GraphModeCode::Mortality;
    ui_.Linscale->setEnabled(scalesUsable);
    ui_.Logscale->setEnabled(scalesUsable);
    const bool population = mode == GraphModeCode::Population;
    SetGraphHints(population, tr(population ? PopulationGraphHint : AgeGraphHint));
    if (population) {
        SetZoomButtons();
    } else {
        ui_.Inbutton->setEnabled(false);
        ui_.Outbutton->setEnabled(false);
    }
}

void TForm1::PopButtonClick()
{
    ChooseGraph(GraphModeCode::Population);
}

void TForm1::BirthButtonClick()
{
    ChooseGraph(GraphModeCode::Births);
}

void TForm1::DeathButtonClick()
{
    ChooseGraph(GraphModeCode::Mortality);
}

void TForm1::lifebuttonClick()
{
    ChooseGraph(GraphModeCode::Survival);
}

void TForm1::LinscaleClick()
{
    const SimulationState& s = state();
    DrawGraphOnScreen();
    const HintZoneGeometry zones = ZonesAfterScaleClick(true, s.ZoomFactor, s.StableLevel);
    PlaceHintZones(zones.H0Top, zones.H0Height, zones.HeTop);
    if (s.GraphMode == GraphModeCode::Population)
        SetZoomButtons();
}

void TForm1::LogscaleClick()
{
    const SimulationState& s = state();
    DrawGraphOnScreen();
    const HintZoneGeometry zones = ZonesAfterScaleClick(false, s.ZoomFactor, s.StableLevel);
    PlaceHintZones(zones.H0Top, zones.H0Height, zones.HeTop);
    ui_.Inbutton->setEnabled(false);
    ui_.Outbutton->setEnabled(false);
}

void TForm1::InbuttonClick()
{
    SimulationState& s = model().S;
    s.ZoomFactor = ZoomIn(s.ZoomFactor);
    DrawGraphOnScreen();
    const HintZoneGeometry zones = ZonesAfterZoomOrReset(s.ZoomFactor, s.StableLevel);
    PlaceHintZones(zones.H0Top, zones.H0Height, zones.HeTop);
    ui_.h1->resize(ui_.h1->width(), 0);
    if (s.ZoomFactor >= ZoomFactors.back())
        ui_.Inbutton->setEnabled(false);
    ui_.Outbutton->setEnabled(true);
}

void TForm1::OutbuttonClick()
{
    SimulationState& s = model().S;
    s.ZoomFactor = ZoomOut(s.ZoomFactor);
    DrawGraphOnScreen();
    const HintZoneGeometry zones = ZonesAfterZoomOrReset(s.ZoomFactor, s.StableLevel);
    PlaceHintZones(zones.H0Top, zones.H0Height, zones.HeTop);
    if (s.ZoomFactor == 1)
        ui_.h1->resize(ui_.h1->width(), 20);
    if (s.ZoomFactor <= 1)
        ui_.Outbutton->setEnabled(false);
    ui_.Inbutton->setEnabled(true);
}

} // namespace vartel
