#pragma once
// Browsing past years over the population graph, by the mouse and by the keys, and freezing the shown
// moment. The flags live in the record (Browsing, Frozen, BrowseYear); what is shown is reported through
// the session's listener, so every front end browses by the same rules.
#include "model/SimulationState.h"

#include <optional>

namespace vartel {

class Session;
class SessionListener;

constexpr int BrowseColumnsPerPage = 25; // 100 years

// The instruction line's texts while the past can be browsed and while a moment is frozen.
extern const char* const InvestigateMessage;
extern const char* const FrozenMessage;

// The keys that browse the graph that has the keyboard focus.
enum class BrowseKey {
    Left,      // one column back, 4 years; from the present to the last column
    Right,     // one column on; beyond the last one the present
    PageLeft,  // Shift+Left: 25 columns, 100 years
    PageRight, // Shift+Right
    Home,      // year 0
    End,       // the last year
    Freeze,    // Space: freezes or releases as a left click does
    Present,   // Escape: the present, a frozen moment released
};

class Browsing {
public:
    Browsing(Session& session, SessionListener& listener) : session_(session), listener_(listener) {}

    // Whether (x, y) of the graph at scale 1 shows a year of the past that can be browsed now: the years
    // stand still (before the start, paused, after a step or at the end) and the population graph is shown.
    static bool IsPastPoint(const SimulationState& s, int x, int y);

    // The mouse over the graph at (x, y), in the graph's pixels at scale 1.
    void MouseMove(int x, int y);
    // A left click in the graph at (x, y): freezes the year on display, or releases a frozen one, after
    // which the display follows the mouse at once: the year under it, or the present.
    void Click(int x, int y);
    // A key on the graph. Returns whether the key browses now. The moving keys move a frozen moment too,
    // which stays frozen at its new year, no further than the last year.
    bool Key(BrowseKey key);
    // The mouse over a place that shows the present, Start or New: the current year again unless a moment
    // is frozen; browsing ends either way. A past year left on display (a frozen moment that the mouse
    // left, then released or ended by Start) counts as browsing.
    void ShowPresent();

    // The past year on display, or none while the present is shown.
    std::optional<int> ShownPastYear() const;

private:
    void ShowPastYear(int year);
    // The column of the year on display; one right of the last column while the present is shown.
    int ShownColumn() const;
    int LastColumn() const;
    const SimulationState& State() const;

    Session& session_;
    SessionListener& listener_;
    bool pastOnDisplay_ = false;
};

} // namespace vartel
