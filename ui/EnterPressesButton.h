#pragma once
// Enter (or the keypad's Enter) on a focused push button presses it, as Space does: after a run New has
// the focus and at start-up Start, and a keyboard user expects Enter to press them.
class QAbstractButton;

namespace vartel {

void PressOnEnter(QAbstractButton* button);

} // namespace vartel
