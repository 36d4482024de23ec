#pragma once
// The demo data file holds two sections: the analyser memory that the load
// wizard reads ("<DATALOG DEMO DATA>") and the live templates of the simulated
// analyser ("<REMOTE DEMO DATA>").

#include "datasets/TransferLines.h"

namespace ombrix {

inline constexpr const char* kDemoDataFileName = "DemoDat.dat";
inline constexpr const char* kDatalogMarker = "<DATALOG DEMO DATA>";
inline constexpr const char* kRemoteMarker = "<REMOTE DEMO DATA>";

// Index of the first line equal to `marker`, letter case ignored; -1 if none.
int FindMarkerLine(const TransferLines& lines, const char* marker);

// Keeps only the lines between the two markers. False (lines unchanged) when a
// marker is missing.
bool KeepDatalogSection(TransferLines& lines);

// The demo file's third line names it a demo file.
bool IsDemoFile(const TransferLines& lines);

} // namespace ombrix
