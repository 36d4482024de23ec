#pragma once
// The peak list page: a grid with one row per peak the user wants listed,
// frequency and value of the largest peaks of a spectrum, largest first.

#include <string>
#include <vector>

namespace ombrix {

class OrvVectorDataset;

// The grid's frame: three columns, one fixed row and one fixed column.
struct PeakListLayout {
    int rowCount = 1;                   // PeakCount + 1
    std::vector<std::string> header;    // row 0: "Peaks", "Frequence", ""
    std::vector<std::string> rowTitles; // column 0 of rows 1..: "Peak 1:", ...
};
PeakListLayout PeakListLayoutFor(int peakCount);

struct PeakRow {
    double frequency = 0;
    double value = 0;
    std::string frequencyText; // column 1
    std::string valueText;     // column 2
};

// The rows 1 .. rowCount - 1 that have a peak, in row order. Rows beyond the
// peaks found are not written and keep their texts.
std::vector<PeakRow> PeakListRows(OrvVectorDataset& spectrum, int rowCount);

} // namespace ombrix
