#pragma once
// The program-information line at the bottom of the main window: who made the program, with a mail link
// that a left press opens with the desktop's handler.
#include <QString>

class QWidget;

namespace vartel {

class Platform;
class TRichEdit;

QString InfoLineText();
// Creates RichEdit1 on the window, with link detection on and its link handed to `platform`, which must
// outlive the window.
TRichEdit* CreateInfoLine(QWidget* window, Platform& platform);

} // namespace vartel
