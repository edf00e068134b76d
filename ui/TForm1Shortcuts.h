#pragma once
// The main window from the keyboard alone: Tab and Shift+Tab through every control group in reading order
// (the graph included, where the browsing keys work; a group of radio buttons is one stop, its arrows choose),
// and shortcuts that press the same buttons as a click: F1 Help, Ctrl+Space Start/Pause/Continue, Ctrl+N New,
// Ctrl+S Save data, Ctrl+Shift+S Save graph. Each shortcut is told after its button's hint.
class QWidget;

namespace vartel {

struct TForm1Ui;

// The dynamic property of a control that holds its shortcut's text, shown after its hint.
inline constexpr const char* ShortcutProperty = "vartelShortcut";

// Puts the controls of `ui` in the tab chain and makes the shortcuts of `window`; after the controls are
// connected, since it overrides their click-only focus.
void GiveKeyboardAccess(QWidget& window, const TForm1Ui& ui);

} // namespace vartel
