#include "views/HistoryBrowsing.h"

#include "model/TranslatableText.h"

namespace vartel {

// The instruction line's texts; the window shows them translated.
const char* const InvestigateMessage = VARTEL_TRANSLATE_NOOP(
    "Instruction",
    "Investigate the past:  Move the mouse in the population graph.     Freeze the moment in time: Click the mouse.");
const char* const FrozenMessage = VARTEL_TRANSLATE_NOOP(
    "Instruction", "The moment in time is frozen.     Release: Click the mouse within the graph.");

bool IsPastPoint(const SimulationState& s, int x, int y)
{
    return !s.Running && x >= BrowseFirstColumn && x < BrowseEndColumn && y > BrowseTopRow && y < BrowseBottomRow &&
           BrowseYearAt(x) <= s.Year && s.GraphMode == 1;
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
    s_.BrowseYear = BrowseYearAt(x);
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
