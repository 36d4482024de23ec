#include "mainwindow/AxisLineView.h"

#include "datasets/OrvMatrixDataset.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>

namespace ombrix {

namespace {

std::size_t At(GridAxis axis) {
    return static_cast<std::size_t>(axis);
}

// "\nAxis Y (X = 2, Z = 1)": the running axis with the fixed positions.
std::string LineSubtitle(const OrvMatrixDataset& grid, GridAxis running,
                         const GridPosition& fixed) {
    std::string text = std::string("\nAxis ") + AxisLetter(running) + " (";
    bool first = true;
    for (const GridAxis axis : {GridAxis::X, GridAxis::Y, GridAxis::Z}) {
        if (axis == running) continue;
        if (!first) text += ", ";
        first = false;
        text += std::string(1, AxisLetter(axis)) + " = " +
                grid.FormatAxisPosition(static_cast<int>(axis), fixed[At(axis)]);
    }
    return text + ")";
}

} // namespace

AxisLineStyle AxisLineStyleOf(const ViewSetupStruct& setup) {
    AxisLineStyle style;
    style.valueAutomatic = setup.GetYAutoScale();
    style.valueLogarithmic = setup.GetYLog();
    style.lineColor = setup.GetColors(eColorAxisLine);
    style.lineWidth = setup.GetLineWidth(eWidthAxisLine);
    style.thresholdVisible = setup.GetThresholdVisible();
    style.thresholdColor = setup.GetColors(eColorThreshold);
    style.thresholdWidth = setup.GetLineWidth(eWidthThreshold);
    return style;
}

std::string GridAxisTitle(GridAxis axis, const ViewSetupStruct& setup) {
    const bool metres = setup.GetIndexDistance(static_cast<int>(axis)) != 0;
    return std::string(1, AxisLetter(axis)) + (metres ? " Length [m]" : " Index");
}

AxisLineChart DrawAxisLine(OrvMatrixDataset& grid, MatrixSelection& selection,
                           const ViewSetupStruct& setup) {
    if (!selection.Axis()) selection.SelectAxis(GridAxis::X);
    AxisLineChart chart;
    chart.axis = *selection.Axis();
    const std::size_t running = At(chart.axis);
    const GridPosition fixed{selection.AxisIndex(GridAxis::X), selection.AxisIndex(GridAxis::Y),
                             selection.AxisIndex(GridAxis::Z)};

    const GridRanges line = selection.Narrow(ExtentOf(grid));
    std::vector<std::pair<int, double>> measured;
    double largest = 0;
    for (const GridPosition& p : MeasuredPositions(grid, line)) {
        const double v = grid.GetValueAt(p[0], p[1], p[2]);
        if (v < 0) continue;
        measured.emplace_back(p[running], v);
        largest = std::max(largest, v);
    }

    const ValueClass valueClass = grid.GetValueClass();
    chart.scale = ScaleForMagnitude(setup.GetYAutoScale() ? largest : setup.GetYMax(valueClass),
                                    grid.GetUnitText());
    const double k = chart.scale.Multiplier();
    chart.valueAxis = SettingsValueAxis(setup, valueClass, k);
    chart.valueAxisTitle = ValueAxisTitle(grid.QuantityName(), chart.scale);
    chart.indexAxisTitle = GridAxisTitle(chart.axis, setup);

    const double threshold = setup.GetThreshold(valueClass) * k;
    GridPosition p = fixed;
    for (const auto& [index, value] : measured) {
        chart.points.push_back({static_cast<double>(index), value * k});
        chart.thresholdPoints.push_back({static_cast<double>(index), threshold});
        chart.runningIndices.push_back(index);
        p[running] = index;
        if (!chart.flagged && grid.GetValidAt(p[0], p[1], p[2]) != 0) chart.flagged = true;
    }

    chart.title = grid.QuantityName() + (chart.flagged ? kGridFlaggedNote : "") +
                  LineSubtitle(grid, chart.axis, fixed);
    if (!chart.runningIndices.empty()) {
        p[running] = chart.runningIndices.back();
        grid.MoveMarker(p[0], p[1], p[2]);
    }
    return chart;
}

AxisLineChart ShowAxis(OrvMatrixDataset& grid, MatrixSelection& selection,
                       const ViewSetupStruct& setup) {
    selection.ClampAxisTexts(ExtentOf(grid));
    return DrawAxisLine(grid, selection, setup);
}

} // namespace ombrix
