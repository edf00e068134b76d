#pragma once
// Browsing past years with the mouse over the population graph, and freezing the shown moment. The flags
// live in the record (Browsing, Frozen, BrowseYear); what the window does about them goes through
// BrowsingEffects, so the rules run and are tested without any window.
#include "model/SimulationState.h"
#include "views/PlotFrame.h"

#include <string>

namespace vartel {

constexpr int BrowseKeyRow = 76;         // the row the keyboard browses on: any row inside the plot does
constexpr int BrowseColumnsPerPage = 25; // 100 years

extern const char* const InvestigateMessage;
extern const char* const FrozenMessage;

class BrowsingEffects {
public:
    virtual ~BrowsingEffects() = default;
    // Pyramid, year, population, every field and the board of a past year, from the history.
    virtual void ShowPastYear(int year) = 0;
    // The same of the current year, with the result fields recomputed.
    virtual void ShowPresent() = 0;
    virtual void SetAgeGraphButtonsEnabled(bool enabled) = 0; // BirthButton, DeathButton, lifebutton
    virtual void ShowMemo(const std::string& text) = 0;       // Memo1
};

// Whether (x, y) of Image2 shows a year of the past that can be browsed now.
bool IsPastPoint(const SimulationState& s, int x, int y);
// The keys that browse the graph that has the keyboard focus.
enum class BrowseKey {
    Left,      // one column back, 4 years; from the present to the last column
    Right,     // one column on; beyond the last one the present
    PageLeft,  // Shift+Left: 25 columns, 100 years
    PageRight, // Shift+Right
    Home,      // year 0
    End,       // the last column
    Freeze,    // Space: freezes or releases as a left click does
    Present,   // Escape: the present, a frozen moment released
};

class HistoryBrowsing {
public:
    HistoryBrowsing(SimulationState& s, BrowsingEffects& effects) : s_(s), effects_(effects) {}

    void MouseMove(int x, int y); // Image2MouseMove
    // Image2Click: a left click in the graph at (x, y). A release lets the display follow the mouse at
    // once: the year under it, or the present.
    void Click(int x, int y);
    // A key on the graph: the column it goes to is shown as the mouse shows it there. Returns whether the key
    // browses now (the simulation paused or finished, the population graph shown). While a moment is frozen
    // the moving keys keep it.
    bool Key(BrowseKey key);
    // Shows the current year again unless a moment is frozen; ends browsing either way. A past year left on
    // display (a frozen moment that the mouse left, then released or ended by Start) counts as browsing.
    void RestorePresent();

private:
    // The column of the year on display; one right of the last past column while the present is shown.
    int ShownColumn() const;
    int LastColumn() const;

    SimulationState& s_;
    BrowsingEffects& effects_;
    bool pastOnDisplay_ = false;
};

} // namespace vartel
