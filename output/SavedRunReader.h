#pragma once
// Reading back a data file of this program for a comparison: the year and population columns of the text
// table (whose stage texts run over several lines) or of the spreadsheet file. Anything else is refused with
// a reason; nothing read is trusted beyond what it checks.
#include "views/KeptCurves.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vartel {

struct SavedRun {
    std::string ScenarioName;       // as the file names it; empty for a spreadsheet file, which names none
    std::vector<double> Population; // P of the years 0 .. size - 1
};

enum class SavedRunProblem {
    None,
    Binary,               // bytes no text holds
    NoTimeTable,          // not a data file at all
    Truncated,            // ends before the table does
    BadRow,               // a line where the row of the next year belongs
    YearOutOfRange,       // a row after year 3000
    PopulationOutOfRange, // negative, infinite or not a number
    TooShort,             // fewer than two years
};

struct SavedRunReading {
    SavedRun Run; // with None: two years at least, none after 3000, each population finite and not negative
    SavedRunProblem Problem = SavedRunProblem::None;
    int Line = 0;  // where the problem lies, from 1
    int Year = -1; // the row's year; for Truncated the last whole year (-1: none); for TooShort the count
};

SavedRunReading ReadSavedRun(std::string_view bytes);

// More than a data file can hold (a full run's table is well under a megabyte).
constexpr std::size_t MaxSavedRunBytes = 16 * 1024 * 1024;

// Reads the data file at `path` (in the file system's encoding, UTF-8 here) into `curve`: its SavedRunCurve, named by
// the file's name without extension where the file names no scenario. Returns an empty text, or the message
// that names the file and says what is wrong with it; `curve` is then unchanged. Never blocks on a pipe or
// a device.
std::string ReadKeptCurve(const std::string& path, KeptCurve& curve);

} // namespace vartel
