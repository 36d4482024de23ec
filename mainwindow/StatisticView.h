#pragma once
// The statistic page of a timed series or a grid: number of values, extremes,
// mean, variance, standard deviation and the values above the threshold, with
// the time frame of a series; and the threshold the user types on that page.

#include "core/Ombrix.h"
#include "datasets/ValueClass.h"

#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class MatrixSelection;
class OrvDataset;
class ViewSetupStruct;

struct StatisticFigures {
    int valueCount = 0;
    double minimum = 0;
    double maximum = 0;
    double mean = 0;
    double variance = 0; // sample variance; 0 with fewer than two values
    int overThreshold = 0;
    // Variance and deviation mean something only when the values spread.
    bool SpreadKnown() const { return variance > 0; }
    double StandardDeviation() const;
};

// Over the values in their order. The minimum starts at 0 and is replaced by a
// smaller value or by any value while it is 0 or less, so zeros at the start of
// a series do not hold it.
StatisticFigures ComputeStatistic(const std::vector<double>& values, double threshold);

// The texts of the page.
struct StatisticPage {
    StatisticFigures figures;
    int shownCount = 0;
    double threshold = 0;
    std::string count;
    std::string minimum;
    std::string maximum;
    std::string mean;
    std::string variance;          // "?" when the values do not spread
    std::string standardDeviation; // "?" likewise
    std::string overThreshold;
    std::string thresholdText; // for the threshold edit unless the user is typing in it
    bool flaggedNoteVisible = false;
    bool timeGroupVisible = false; // series only
    std::string startTime;
    std::string stopTime;
    std::string interval;
    std::string measuringLength;
};

inline constexpr const char* kStatisticFlaggedNote =
    "Overdrive values and values during Not-Ready periods of the analyzer are not considered for "
    "statistic results";

// None for a dataset that is neither a timed series nor a grid.
std::optional<StatisticPage> ShowStatistic(OrvDataset& dataset, const MatrixSelection& selection,
                                           const ViewSetupStruct& setup);

// The largest threshold the page accepts in the unit of the value class.
double StatisticThresholdLimit(ValueClass valueClass);

// The threshold typed on the page: stored for the dataset's quantity when it
// lies between 0 and the limit; refused with the range message otherwise, the
// stored threshold unchanged.
RangeCheckResult EnterStatisticThreshold(const std::string& text, OrvDataset& dataset,
                                         ViewSetupStruct& setup);

} // namespace ombrix
