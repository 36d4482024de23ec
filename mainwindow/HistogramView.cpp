#include "mainwindow/HistogramView.h"

#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "datasets/OrvNormalDataset.h"
#include "mainwindow/StatisticValues.h"
#include "presentation/ViewSetupStruct.h"

#include <cmath>

namespace ombrix {

namespace {

constexpr int kTopClass = HistogramChart::kClasses - 1;
constexpr double kClassWidth = 0.1;
constexpr const char* kFlaggedNote =
    "Overdrive values and values during Not-Ready periods of the analyzer are not considered for "
    "histogram results";

std::string BarMark(double percent) {
    return std::to_string(std::llround(percent)) + "%";
}

} // namespace

HistogramStyle HistogramStyleOf(const ViewSetupStruct& setup) {
    return {setup.GetColors(eColorHistogramBars), setup.GetShowValue(0), setup.GetBarWidth(0) * 10};
}

double HistogramReference(double maximum, std::optional<double> liveRangeTop,
                          const ViewSetupStruct& setup, ValueClass valueClass) {
    if (!setup.GetHistogramRefAuto()) return setup.GetHistogramRef(valueClass);
    return liveRangeTop ? *liveRangeTop : maximum;
}

int HistogramClass(double value, double reference) {
    if (value >= reference) return kTopClass;
    // Below a reference of 0 or less, or for a value below 0, the tenths would
    // fall outside the ten classes; such values count with the lowest.
    const double tenth = std::trunc(value / reference * 10.0);
    if (!(tenth >= 0 && tenth < kTopClass)) return 0;
    return static_cast<int>(tenth);
}

HistogramChart ComputeHistogram(const std::vector<double>& values, bool flaggedLeftOut,
                                double reference, const std::string& quantityName,
                                const std::string& unit) {
    HistogramChart chart;
    chart.reference = reference;
    chart.valueCount = static_cast<int>(values.size());
    double sum = 0;
    for (const double v : values) {
        sum += v;
        if (v > chart.maximum) chart.maximum = v;
        ++chart.classCounts[static_cast<std::size_t>(HistogramClass(v, reference))];
    }
    if (chart.valueCount > 0) {
        chart.mean = sum / chart.valueCount;
        for (int a = 0; a < HistogramChart::kClasses; ++a) {
            const auto i = static_cast<std::size_t>(a);
            chart.percentages[i] = chart.classCounts[i] * 100.0 / chart.valueCount;
            chart.bars.push_back({a * kClassWidth + kClassWidth / 2, chart.percentages[i],
                                  BarMark(chart.percentages[i])});
        }
    }
    std::string prefix;
    PrefixOf(reference, prefix);
    chart.title = "Histogram (Ref display X-Axis: " + FormatValue(reference, unit) + ")";
    chart.valueAxisTitle = quantityName + " [" + prefix + unit + "]";
    chart.percentAxisTitle = "% of measurement values";
    chart.foot = "No. of values: " + std::to_string(chart.valueCount) +
                 ", Max value: " + FormatValue(chart.maximum, unit) +
                 ", Mean value: " + FormatValue(chart.mean, unit);
    if (flaggedLeftOut) chart.foot += std::string("\n") + kFlaggedNote;
    return chart;
}

std::optional<HistogramChart> ShowHistogram(OrvDataset& dataset, const MatrixSelection& selection,
                                            const ViewSetupStruct& setup,
                                            std::optional<double> liveRangeTop) {
    const auto values = ValuesForStatistic(dataset, selection);
    if (!values) return std::nullopt;
    double maximum = 0;
    for (const double v : values->values)
        if (v > maximum) maximum = v;
    const double reference =
        HistogramReference(maximum, liveRangeTop, setup, dataset.GetValueClass());
    const auto* normal = dynamic_cast<const OrvNormalDataset*>(&dataset);
    return ComputeHistogram(values->values, values->flaggedLeftOut, reference,
                            dataset.QuantityName(), normal ? normal->GetUnitText() : std::string());
}

std::string HistogramAxisLabel(double u, double reference) {
    std::string prefix;
    const double factor = PrefixOf(reference, prefix);
    return FormatFloat(u * reference / factor, FloatForm::General, 5, 3);
}

} // namespace ombrix
