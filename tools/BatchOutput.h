#pragma once
// The files of vartel-batch: the data file (the text table, the spreadsheet file for a .csv name or the
// workbook for an .xlsx name), the graph and pyramid pictures and the animation of the run.
#include "model/SimulationState.h"
#include "tools/BatchArguments.h"
#include "tools/BatchScreen.h"

#include <string>
#include <vector>

namespace vartel {

// Before the run: "" or UnsupportedExtensionMessage() for a picture name whose extension selects no format.
std::string CheckPictureNames(const BatchArguments& a);
bool WantsPictures(const BatchArguments& a);

// After the run: writes the files the arguments name, each whatever became of the others. The raster
// pictures are the bitmaps of `screen`, on which the run was drawn; it is needed when WantsPictures.
// Returns the error texts (file and system reason) of those that could not be written.
std::vector<std::string> WriteBatchOutput(const SimulationState& s, const BatchArguments& a, BatchScreen* screen);

} // namespace vartel
