#pragma once
// The histogram page of a timed series or a grid: the values sorted into ten
// classes of a tenth of a reference value each and an eleventh class for the
// values at or above it, drawn as bars in per cent of the values.

#include "datasets/ValueClass.h"
#include "mainwindow/ChartTypes.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class MatrixSelection;
class OrvDataset;
class ViewSetupStruct;

struct HistogramChart {
    static constexpr int kClasses = 11;

    double reference = 0; // the value at the axis mark 1, in the dataset's unit
    int valueCount = 0;
    double maximum = 0;
    double mean = 0;
    std::array<int, kClasses> classCounts{};
    std::array<double, kClasses> percentages{}; // of the values; all 0 without values
    std::vector<ChartBar> bars;                 // none without values
    std::string title;
    std::string valueAxisTitle;   // bottom
    std::string percentAxisTitle; // left
    std::string foot;
};

struct HistogramStyle {
    ChartColor barColor = 0;
    bool showValues = true;
    int barWidthPercent = 50;
};
HistogramStyle HistogramStyleOf(const ViewSetupStruct& setup);

// The reference: the largest value, or for the live dataset the upper end of the
// analyser's current measuring range; the stored reference of the quantity when
// the automatic reference is off.
double HistogramReference(double maximum, std::optional<double> liveRangeTop,
                          const ViewSetupStruct& setup, ValueClass valueClass);

// The class of a value: 10 at or above the reference, else its tenth of it.
int HistogramClass(double value, double reference);

HistogramChart ComputeHistogram(const std::vector<double>& values, bool flaggedLeftOut,
                                double reference, const std::string& quantityName,
                                const std::string& unit);

// None for a dataset that is neither a timed series nor a grid. liveRangeTop is
// the top of the measuring range when the dataset is the live one.
std::optional<HistogramChart> ShowHistogram(OrvDataset& dataset, const MatrixSelection& selection,
                                            const ViewSetupStruct& setup,
                                            std::optional<double> liveRangeTop);

// The label of the bottom axis at u (0 .. 1.05): u x reference in the prefix of
// the axis title, so the axis reads 0 at the left and the reference at 1.
std::string HistogramAxisLabel(double u, double reference);

} // namespace ombrix
