#pragma once
// The values that the statistic and the histogram of a dataset are taken over:
// of a timed series its samples the analyser marked "OK", of a grid the values
// of the chosen line or plane.

#include <optional>
#include <vector>

namespace ombrix {

class MatrixSelection;
class OrvDataset;

struct StatisticValues {
    std::vector<double> values;
    // Samples flagged "!A" or "!O" were left out (the page says so).
    bool flaggedLeftOut = false;
    // What the page reports as the number of values: every sample of a series,
    // the flagged ones included; the values taken of a grid.
    int shownCount = 0;
};

// None for a dataset that is neither a timed series nor a grid.
std::optional<StatisticValues> ValuesForStatistic(OrvDataset& dataset,
                                                  const MatrixSelection& selection);

} // namespace ombrix
