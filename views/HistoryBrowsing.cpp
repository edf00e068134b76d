#include "views/HistoryBrowsing.h"

#include "model/Codes.h"
#include "model/TranslatableText.h"

#include <algorithm>

namespace vartel {

// The instruction line's texts; the window shows them translated.
const char* const InvestigateMessage = VARTEL_TRANSLATE_NOOP(
    "Instruction",
    "Investigate the past:  Move the mouse in the population graph.     Freeze the moment in time: Click the mouse.");
const char* const FrozenMessage = VARTEL_TRANSLATE_NOOP(
    "Instruction", "The moment in time is frozen.     Release: Click the mouse within the graph.");

bool IsPastPoint(const SimulationState& s, int x, int y)
{
    return !s.Running && x >= PlotFrame::Left && x < PlotFrame::Right && y > PlotFrame::Top && y < PlotFrame::Axis &&
           PlotFrame::YearAtColumn(x) <= s.Year && s.GraphMode == GraphModeCode::Population;
}

void HistoryBrowsing::MouseMove(int x, int y)
{
    if (!IsPastPoint(s_, x, y)) {
        // A frozen moment stays on display wherever the mouse goes in the graph.
        if (!s_.Frozen)
            RestorePresent();
        return;
    }
    s_.Browsing = true;
    effects_.SetAgeGraphButtonsEnabled(false);
    if (s_.Frozen)
        return;
    s_.BrowseYear = PlotFrame::YearAtColumn(x);
    effects_.ShowPastYear(s_.BrowseYear);
    pastOnDisplay_ = true;
}

void HistoryBrowsing::Click(int x, int y)
{
    if (s_.Frozen) {
        s_.Frozen = false;
        effects_.ShowMemo(InvestigateMessage);
        MouseMove(x, y);
    } else if (s_.Browsing) {
        s_.Frozen = true;
        effects_.ShowMemo(FrozenMessage);
    }
}

int HistoryBrowsing::LastColumn() const
{
    return std::min(PlotFrame::ColumnOfYear(s_.Year), PlotFrame::Right - 1);
}

int HistoryBrowsing::ShownColumn() const
{
    if (!pastOnDisplay_)
        return LastColumn() + 1;
    return PlotFrame::ColumnOfYear(s_.BrowseYear);
}

bool HistoryBrowsing::Key(BrowseKey key)
{
    if (s_.Running || s_.GraphMode != GraphModeCode::Population)
        return false;
    const int shown = ShownColumn();
    int column = shown;
    switch (key) {
    case BrowseKey::Freeze:
        Click(shown, BrowseKeyRow);
        return true;
    case BrowseKey::Present:
        if (s_.Frozen) {
            s_.Frozen = false;
            effects_.ShowMemo(InvestigateMessage);
        }
        RestorePresent();
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
    if (s_.Frozen)
        return true;
    // Beyond the last column lies the present, which a move there shows.
    MouseMove(std::clamp(column, PlotFrame::Left, LastColumn() + 1), BrowseKeyRow);
    return true;
}

void HistoryBrowsing::RestorePresent()
{
    if (!s_.Browsing && !pastOnDisplay_)
        return;
    if (!s_.Frozen) {
        effects_.ShowPresent();
        effects_.SetAgeGraphButtonsEnabled(true);
        pastOnDisplay_ = false;
    }
    s_.Browsing = false;
}

} // namespace vartel
