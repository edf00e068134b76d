#pragma once
// Small helpers that give a control of the main window its name, parent, absolute geometry, text and hint
// in one call, in the window's fonts.
#include "widgets/Fonts.h"
#include "widgets/Placement.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace vartel {

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, Geometry g, const QString& hint = {});
QLabel* MakeLabel(QWidget* parent, const char* name, Geometry g, const QString& text, const QString& hint = {});
QLabel* MakeHeading(QWidget* parent, const char* name, Geometry g, const QString& text, const QString& hint = {});
// Widens every label of `window` whose caption is longer than its place, to the right, as a label that sizes
// itself to its caption does; the places were measured for the English captions.
void WidenLabelsToTheirCaptions(QWidget* window);
// Buttons, check boxes and radio buttons take the focus by a click and by Tab.
QPushButton* MakeButton(QWidget* parent, const char* name, Geometry g, const QString& caption,
                        const QString& hint = {});
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, Geometry g, const QString& caption, bool checked,
                        const QString& hint = {});
QRadioButton* MakeRadioButton(QWidget* parent, const char* name, Geometry g, const QString& caption,
                              const QString& hint = {});
// A read-only field without frame but with a soft lowered bevel, on the button highlight colour, not in
// the tab order. A value wider than the field shows its start, and the hint ends with the whole value.
QLineEdit* MakeResultField(QWidget* parent, const char* name, int left, int top, const QString& hint = {});
// The fields' look: no frame, a one-pixel soft lowered bevel (shadow above and left, light below and right).
void GiveSoftLoweredBevel(QLineEdit* field);
// The slider's thumb as long as `pixels` across the track, as the thumb length of a track bar is meant.
void SetThumbLength(QSlider* slider, int pixels);
// A panel with a lowered bevel of one pixel.
QWidget* MakeLoweredPanel(QWidget* parent, const char* name, Geometry g);

} // namespace vartel
