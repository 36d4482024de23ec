#include "mainwindow/StatisticView.h"

#include "core/DateTime.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvMatrixDataset.h"
#include "mainwindow/StatisticValues.h"
#include "presentation/ViewSetupStruct.h"

#include <cmath>

namespace ombrix {

namespace {

constexpr const char* kUnknownSpread = "?";

// The analyser's upper range ends: 100 kV/m, 200 %, 31.6 mT in T, G and A/m.
constexpr double kLimitVm = 100000.0;
constexpr double kLimitPercent = 200.0;
constexpr double kLimitTesla = 0.0316;
constexpr double kLimitGauss = 316.0;
constexpr double kLimitAm = 25146.48368;

std::string UnitOf(OrvDataset& dataset) {
    if (const auto* normal = dynamic_cast<const OrvNormalDataset*>(&dataset))
        return normal->GetUnitText();
    return {};
}

} // namespace

double StatisticFigures::StandardDeviation() const {
    return std::sqrt(variance);
}

StatisticFigures ComputeStatistic(const std::vector<double>& values, double threshold) {
    StatisticFigures f;
    double sum = 0;
    for (const double v : values) {
        sum += v;
        if (v > f.maximum) f.maximum = v;
        if (f.minimum > v || f.minimum <= 0) f.minimum = v;
        if (v > threshold) ++f.overThreshold;
    }
    f.valueCount = static_cast<int>(values.size());
    if (f.valueCount > 0) f.mean = sum / f.valueCount;
    if (f.valueCount >= 2) {
        double squares = 0;
        for (const double v : values)
            squares += (v - f.mean) * (v - f.mean);
        f.variance = squares / (f.valueCount - 1);
    }
    return f;
}

std::optional<StatisticPage> ShowStatistic(OrvDataset& dataset, const MatrixSelection& selection,
                                           const ViewSetupStruct& setup) {
    const auto values = ValuesForStatistic(dataset, selection);
    if (!values) return std::nullopt;
    const std::string unit = UnitOf(dataset);
    StatisticPage page;
    page.threshold = setup.GetThreshold(dataset.GetValueClass());
    page.figures = ComputeStatistic(values->values, page.threshold);
    page.shownCount = values->shownCount;
    page.count = std::to_string(page.shownCount);
    page.minimum = FormatValue(page.figures.minimum, unit);
    page.maximum = FormatValue(page.figures.maximum, unit);
    page.mean = FormatValue(page.figures.mean, unit);
    page.variance =
        page.figures.SpreadKnown() ? FormatValue(page.figures.variance, unit) : kUnknownSpread;
    page.standardDeviation = page.figures.SpreadKnown()
                                 ? FormatValue(page.figures.StandardDeviation(), unit)
                                 : kUnknownSpread;
    page.overThreshold = std::to_string(page.figures.overThreshold);
    page.thresholdText = FormatValue(page.threshold, unit);
    page.flaggedNoteVisible = values->flaggedLeftOut;

    if (const auto* series = dynamic_cast<const OrvAutoDataset*>(&dataset)) {
        const DateTime start = series->GetDateTime();
        const DateTime step = series->GetStep();
        const DateTime length = series->GetSampleCount() * step;
        page.timeGroupVisible = true;
        page.startTime = TimeToStr(start);
        page.stopTime = TimeToStr(start + length);
        page.interval = TimeToStr(step);
        page.measuringLength = TimeToStr(length);
    }
    return page;
}

double StatisticThresholdLimit(ValueClass valueClass) {
    switch (valueClass) {
    case eEField:
        return kLimitVm;
    case ePercent:
        return kLimitPercent;
    case eGauss:
        return kLimitGauss;
    case eAmperePerMetre:
        return kLimitAm;
    case eBField:
    case eTesla:
        break;
    }
    return kLimitTesla;
}

RangeCheckResult EnterStatisticThreshold(const std::string& text, OrvDataset& dataset,
                                         ViewSetupStruct& setup) {
    const ValueClass valueClass = dataset.GetValueClass();
    RangeCheckResult result =
        CheckRangeText(text, 0, StatisticThresholdLimit(valueClass), UnitOf(dataset), true, 0);
    if (result.accepted) setup.SetThreshold(valueClass, result.value);
    return result;
}

} // namespace ombrix
