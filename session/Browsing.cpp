#include "session/Browsing.h"

#include "model/Codes.h"
#include "model/Results.h"
#include "model/TranslatableText.h"
#include "session/Session.h"
#include "session/SessionListener.h"
#include "views/PlotFrame.h"

#include <algorithm>

namespace vartel {

// The instruction line's texts; the front end shows them translated.
const char* const InvestigateMessage = VARTEL_TRANSLATE_NOOP(
    "Instruction",
    "Investigate the past:  Move the mouse in the population graph.     Freeze the moment in time: Click the mouse.");
const char* const FrozenMessage = VARTEL_TRANSLATE_NOOP(
    "Instruction", "The moment in time is frozen.     Release: Click the mouse within the graph.");

bool Browsing::IsPastPoint(const SimulationState& s, int x, int y)
{
    return !s.Running && x >= PlotFrame::Left && x < PlotFrame::Right && y > PlotFrame::Top && y < PlotFrame::Axis &&
           PlotFrame::YearAtColumn(x) <= s.Year && s.GraphMode == GraphModeCode::Population;
}

const SimulationState& Browsing::State() const
{
    return session_.state();
}

std::optional<int> Browsing::ShownPastYear() const
{
    if (!pastOnDisplay_)
        return std::nullopt;
    return State().BrowseYear;
}

void Browsing::MouseMove(int x, int y)
{
    SimulationState& s = session_.model().S;
    if (!IsPastPoint(s, x, y)) {
        // A frozen moment stays on display wherever the mouse goes in the graph.
        if (!s.Frozen)
            ShowPresent();
        return;
    }
    s.Browsing = true;
    listener_.AgeGraphsAvailableChanged(false);
    if (!s.Frozen)
        ShowPastYear(PlotFrame::YearAtColumn(x));
}

void Browsing::ShowPastYear(int year)
{
    SimulationState& s = session_.model().S;
    s.Browsing = true;
    s.BrowseYear = year;
    listener_.PyramidNeedsRedraw(year);
    ShowYearFromHistory(session_.model(), year);
    pastOnDisplay_ = true;
    listener_.PastYearShown(year);
}

void Browsing::Click(int x, int y)
{
    SimulationState& s = session_.model().S;
    if (s.Frozen) {
        s.Frozen = false;
        listener_.InstructionChanged(Instruction::Investigate);
        MouseMove(x, y);
    } else if (s.Browsing) {
        s.Frozen = true;
        listener_.InstructionChanged(Instruction::Frozen);
    }
}

int Browsing::LastColumn() const
{
    return PlotFrame::ColumnOfYear(State().Year);
}

int Browsing::ShownColumn() const
{
    if (!pastOnDisplay_)
        return LastColumn() + 1;
    return PlotFrame::ColumnOfYear(State().BrowseYear);
}

bool Browsing::Key(BrowseKey key)
{
    SimulationState& s = session_.model().S;
    if (s.Running || s.GraphMode != GraphModeCode::Population)
        return false;
    const int shown = ShownColumn();
    int column = shown;
    switch (key) {
    case BrowseKey::Freeze:
        if (s.Frozen) {
            // Released where it stands: the mouse takes over from its next move.
            s.Frozen = false;
            s.Browsing = pastOnDisplay_;
            listener_.InstructionChanged(Instruction::Investigate);
        } else if (s.Browsing) {
            s.Frozen = true;
            listener_.InstructionChanged(Instruction::Frozen);
        }
        return true;
    case BrowseKey::Present:
        if (s.Frozen) {
            s.Frozen = false;
            listener_.InstructionChanged(Instruction::Investigate);
        }
        ShowPresent();
        return true;
    case BrowseKey::Left:
        column = shown - 1;
        break;
    case BrowseKey::Right:
        column = shown + 1;
        break;
    case BrowseKey::PageLeft:
        column = shown - BrowseColumnsPerPage;
        break;
    case BrowseKey::PageRight:
        column = shown + BrowseColumnsPerPage;
        break;
    case BrowseKey::Home:
        column = PlotFrame::Left;
        break;
    case BrowseKey::End:
        column = LastColumn();
        break;
    }
    // Beyond the last column lies the present, which a frozen moment does not reach.
    const int last = LastColumn();
    column = std::clamp(column, PlotFrame::Left, s.Frozen ? last : last + 1);
    if (column > last) {
        ShowPresent();
        return true;
    }
    listener_.AgeGraphsAvailableChanged(false);
    // Home is year 0 and the last column stands for the last year itself, which the mouse's year of that
    // column may not be.
    if (key == BrowseKey::Home)
        ShowPastYear(0);
    else
        ShowPastYear(column == last ? s.Year : PlotFrame::YearAtColumn(column));
    return true;
}

void Browsing::ShowPresent()
{
    SimulationState& s = session_.model().S;
    if (!s.Browsing && !pastOnDisplay_)
        return;
    if (!s.Frozen) {
        // The present as it is now, with the commits made since its year was recorded.
        listener_.PyramidNeedsRedraw(s.Year);
        session_.ShowPresentFigures();
        listener_.AgeGraphsAvailableChanged(true);
        pastOnDisplay_ = false;
        listener_.BrowsingEnded();
    }
    s.Browsing = false;
}

} // namespace vartel
