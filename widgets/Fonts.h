#pragma once
// The fonts of the windows: the named faces mapped to the installed metric-compatible ones, sizes in pixels.
#include <QFont>

namespace vartel {

QFont SansFont(int pixels, bool bold = false, bool italic = false); // "MS Sans Serif", slightly condensed
QFont UnstretchedSansFont(int pixels); // the same face at its own width, weight and slant left unset
QFont SerifFont(int pixels);           // "Times New Roman"
QFont MonoFont(int pixels, bool bold); // "Courier"

} // namespace vartel
