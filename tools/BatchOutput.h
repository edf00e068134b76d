#pragma once
// The files of vartel-batch: the data file and the graph and pyramid pictures.
#include "model/SimulationState.h"
#include "tools/BatchArguments.h"

#include <QImage>

#include <string>
#include <vector>

namespace vartel {

// Before the run: "" or UnsupportedExtensionMessage() for a picture name whose extension selects no format.
std::string CheckPictureNames(const BatchArguments& a);

// The screen bitmaps as the window shows them once the graph (in s.GraphMode and s.ZoomFactor) and the
// pyramid of s.Year are drawn anew, as after a graph, scale or zoom button: 847 x 162 and 231 x 278.
// Need a QGuiApplication for the fonts.
QImage GraphScreenImage(const SimulationState& s, bool linearScale);
QImage PyramidScreenImage(const SimulationState& s);

// After the run: writes the files the arguments name, each whatever became of the others. Returns the
// error texts (file and system reason) of those that could not be written.
std::vector<std::string> WriteBatchOutput(const SimulationState& s, const BatchArguments& a);

} // namespace vartel
