#include "mainwindow/HarmonicsView.h"

#include "config/Listendecl.h"
#include "core/Ombrix.h"
#include "datasets/OrvListDataset.h"
#include "mainwindow/AxisNumberFormat.h"
#include "mainwindow/ValidityColors.h"
#include "presentation/ViewSetupStruct.h"

namespace ombrix {

namespace {

constexpr double kFundamentalPercent = 100.0;
constexpr int kMarkDecimals = 3;

ChartBar Bar(int order, double percent) {
    return {static_cast<double>(order), percent, FormatGroupedNumber(percent, kMarkDecimals) + "%"};
}

} // namespace

HarmonicsStyle HarmonicsStyleOf(const ViewSetupStruct& setup) {
    return {setup.GetShowValue(1), setup.GetBarWidth(1) * 10};
}

HarmonicsChart ShowHarmonics(OrvListDataset& list, const ViewSetupStruct& setup) {
    HarmonicsChart chart;
    const ChartColor seriesColor = setup.GetColors(eColorHarmonicsBars);
    chart.inLegend = list.GetValid() == eValidOverdrive;
    chart.barColor = chart.inLegend ? OverdriveColor(seriesColor) : seriesColor;
    chart.bars.push_back(Bar(1, kFundamentalPercent));
    for (int i = 0; i < OrvListDataset::kHarmonicCount; ++i)
        chart.bars.push_back(Bar(i + 2, list.GetHarmonic(i)));
    chart.title = list.QuantityName();
    chart.foot = "Detected fundamental: " + FormatValue(list.GetF1(), "Hz") + " / " +
                 FormatValue(list.GetV1(), list.GetUnitText()) + ", KT: " + list.FormatKT(0) + "%" +
                 ", KN: " + list.FormatKN(0) + "%";
    return chart;
}

std::string HarmonicsAxisLabel(int order) {
    return "K" + std::to_string(order);
}

} // namespace ombrix
