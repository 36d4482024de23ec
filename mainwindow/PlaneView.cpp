#include "mainwindow/PlaneView.h"

#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "datasets/OrvMatrixDataset.h"
#include "mainwindow/AxisLineView.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>

namespace ombrix {

namespace {

constexpr double kBubbleMargin = 0.7; // index units around the outer bubbles
constexpr int kThresholdClasses = 3;
constexpr int kScaleClasses = ViewSetupStruct::kPlaneLimitCount + 2;
// Beyond this many cells (a plane with far-apart indices) only the measured
// points get a bubble; empty cells would only cost memory.
constexpr long long kMostPlaneCells = 1'000'000;

std::size_t At(GridAxis axis) {
    return static_cast<std::size_t>(axis);
}

struct PlaneLayout {
    GridAxis horizontal;
    GridAxis vertical;
};

PlaneLayout LayoutOf(GridPlane plane) {
    switch (plane) {
    case GridPlane::XY:
        return {GridAxis::X, GridAxis::Y};
    case GridPlane::XZ:
        return {GridAxis::X, GridAxis::Z};
    case GridPlane::YZ:
        break;
    }
    return {GridAxis::Z, GridAxis::Y};
}

const char* PlaneName(GridPlane plane) {
    switch (plane) {
    case GridPlane::XY:
        return "XY";
    case GridPlane::XZ:
        return "XZ";
    case GridPlane::YZ:
        break;
    }
    return "YZ";
}

// Writes tenths of the largest value when the scale is automatic or was never set.
void SetAutomaticLimits(ViewSetupStruct& setup, ValueClass valueClass, double largest) {
    if (!setup.GetPlaneAutoScale() && setup.GetPlaneScale(valueClass, 0) > 0) return;
    for (int n = 1; n <= ViewSetupStruct::kPlaneLimitCount; ++n)
        setup.SetPlaneScale(valueClass, n - 1, largest * 0.1 * n);
}

void FillLegend(PlaneChart& chart, const ViewSetupStruct& setup, ValueClass valueClass,
                double largest, const std::string& unit) {
    chart.legendValues.clear();
    chart.legend.clear();
    const bool byThreshold = setup.GetPlaneThresholdVisible();
    chart.legendValues.push_back(0);
    if (byThreshold) {
        chart.legendValues.push_back(setup.GetThreshold(valueClass));
    } else {
        for (int n = 0; n < ViewSetupStruct::kPlaneLimitCount; ++n)
            chart.legendValues.push_back(setup.GetPlaneScale(valueClass, n));
    }
    chart.legendValues.push_back(largest);
    const int classes = byThreshold ? kThresholdClasses : kScaleClasses;
    for (int entry = 0; entry < classes; ++entry) {
        const int colorIndex = byThreshold && entry > 0 ? eColorPlaneBelowThreshold + entry - 1
                                                        : eColorPlaneEmpty + entry;
        chart.legend.push_back(
            {PlaneLegendText(entry, setup, valueClass, unit), setup.GetColors(colorIndex)});
    }
}

// The first class whose upper end is not below the value; the last one when all are.
int ClassOf(const std::vector<double>& legendValues, double value) {
    const auto found = std::find_if(legendValues.begin(), legendValues.end(),
                                    [&](double top) { return top >= value; });
    return found == legendValues.end() ? static_cast<int>(legendValues.size()) - 1
                                       : static_cast<int>(found - legendValues.begin());
}

// The true-proportion ranges: one scale in metres per pixel for both axes.
void SetRanges(PlaneChart& chart, const GridRanges& extent, const ViewSetupStruct& setup,
               PlotArea plot) {
    const std::size_t h = At(chart.horizontal);
    const std::size_t v = At(chart.vertical);
    const double hStart = extent.min[h] - kBubbleMargin;
    const double vStart = extent.min[v] - kBubbleMargin;
    const double hSpan = (extent.max[h] + kBubbleMargin) - hStart;
    const double vSpan = (extent.max[v] + kBubbleMargin) - vStart;
    if (plot.width <= 0 || plot.height <= 0) {
        chart.horizontalRange = {hStart, hStart + hSpan};
        chart.verticalRange = {vStart, vStart + vSpan};
        return;
    }
    const auto spacing = [&](GridAxis axis) {
        const double d = setup.GetIndexDistance(static_cast<int>(axis));
        return d == 0 ? 1.0 : d;
    };
    const double dh = spacing(chart.horizontal);
    const double dv = spacing(chart.vertical);
    const double metresPerPixel = std::max(vSpan * dv / plot.height, hSpan * dh / plot.width);
    chart.horizontalRange = {hStart, hStart + plot.width * metresPerPixel / dh};
    chart.verticalRange = {vStart, vStart + plot.height * metresPerPixel / dv};
}

} // namespace

GridPosition PlaneGridPoint(GridPlane plane, int h, int w, int fixedIndex) {
    const PlaneLayout layout = LayoutOf(plane);
    GridPosition p{};
    p[At(layout.horizontal)] = h;
    p[At(layout.vertical)] = w;
    p[At(FixedAxisOf(plane))] = fixedIndex;
    return p;
}

std::string PlaneLegendText(int entry, const ViewSetupStruct& setup, ValueClass valueClass,
                            const std::string& unit) {
    const auto value = [&](double v) { return FormatValue(v, unit); };
    const auto limit = [&](int n) { return value(setup.GetPlaneScale(valueClass, n - 1)); };
    if (entry == 0) return "empty";
    if (setup.GetPlaneThresholdVisible()) {
        const std::string threshold = value(setup.GetThreshold(valueClass));
        if (entry == 1) return "Smaller than " + threshold;
        if (entry == 2) return "Bigger than " + threshold;
        return {};
    }
    if (entry == 1) return value(0) + " - " + limit(1);
    if (entry >= 2 && entry <= ViewSetupStruct::kPlaneLimitCount)
        return limit(entry - 1) + " - " + limit(entry);
    if (entry == ViewSetupStruct::kPlaneLimitCount + 1)
        return "Bigger than " + limit(ViewSetupStruct::kPlaneLimitCount);
    return {};
}

const PlaneChart& PlaneView::Show(OrvMatrixDataset& grid, MatrixSelection& selection,
                                  ViewSetupStruct& setup, PlotArea plot) {
    selection.ClampPlaneTexts(ExtentOf(grid));
    return Draw(grid, selection, setup, plot);
}

const PlaneChart& PlaneView::Draw(OrvMatrixDataset& grid, MatrixSelection& selection,
                                  ViewSetupStruct& setup, PlotArea plot) {
    if (!selection.Plane()) selection.SelectPlane(GridPlane::XY);
    PlaneChart& chart = m_chart;
    chart.plane = *selection.Plane();
    const PlaneLayout layout = LayoutOf(chart.plane);
    chart.horizontal = layout.horizontal;
    chart.vertical = layout.vertical;
    chart.fixedIndex = selection.PlaneIndex(chart.plane);
    chart.bubbles.clear();
    chart.bubbleSize = setup.GetBubbleSize();
    chart.flagged = false;

    const ValueClass valueClass = grid.GetValueClass();
    const std::string unit = grid.GetUnitText();
    const double largest = grid.GetMaxValue();
    SetAutomaticLimits(setup, valueClass, largest);
    FillLegend(chart, setup, valueClass, largest, unit);

    const GridRanges extent = ExtentOf(grid);
    const GridRanges plane = selection.Narrow(extent);
    const std::size_t hAxis = At(chart.horizontal);
    const std::size_t vAxis = At(chart.vertical);
    const auto addBubble = [&](int h, int w) {
        const GridPosition p = PlaneGridPoint(chart.plane, h, w, chart.fixedIndex);
        PlaneBubble bubble{h, w, grid.GetValueAt(p[0], p[1], p[2]), 0, 0};
        if (!chart.flagged && grid.GetValidAt(p[0], p[1], p[2]) != 0) chart.flagged = true;
        bubble.legendEntry = ClassOf(chart.legendValues, bubble.value);
        bubble.color = chart.legend[static_cast<std::size_t>(bubble.legendEntry)].color;
        chart.bubbles.push_back(bubble);
    };

    std::vector<GridPosition> measured = MeasuredPositions(grid, plane);
    std::erase_if(measured,
                  [&](const GridPosition& p) { return grid.GetValueAt(p[0], p[1], p[2]) < 0; });
    if (!measured.empty()) {
        const long long cells = (static_cast<long long>(plane.max[hAxis]) - plane.min[hAxis] + 1) *
                                (static_cast<long long>(plane.max[vAxis]) - plane.min[vAxis] + 1);
        if (cells <= kMostPlaneCells) {
            chart.bubbles.reserve(static_cast<std::size_t>(cells));
            for (int h = plane.min[hAxis]; h <= plane.max[hAxis]; ++h)
                for (int w = plane.min[vAxis]; w <= plane.max[vAxis]; ++w)
                    addBubble(h, w);
        } else {
            std::sort(measured.begin(), measured.end(),
                      [&](const GridPosition& a, const GridPosition& b) {
                          return std::pair(a[hAxis], a[vAxis]) < std::pair(b[hAxis], b[vAxis]);
                      });
            for (const GridPosition& p : measured)
                addBubble(p[hAxis], p[vAxis]);
        }
    }

    chart.horizontalTitle = GridAxisTitle(chart.horizontal, setup);
    chart.verticalTitle = GridAxisTitle(chart.vertical, setup);
    SetRanges(chart, extent, setup, plot);

    if (!chart.bubbles.empty()) {
        const PlaneBubble& last = chart.bubbles.back();
        const GridPosition p = PlaneGridPoint(chart.plane, last.h, last.w, chart.fixedIndex);
        grid.MoveMarker(p[0], p[1], p[2]);
    }
    const GridAxis fixed = FixedAxisOf(chart.plane);
    chart.title = grid.QuantityName() + (chart.flagged ? kGridFlaggedNote : "") + "\nPlane " +
                  PlaneName(chart.plane) + " (" + AxisLetter(fixed) + " = " +
                  grid.FormatAxisPosition(static_cast<int>(fixed), chart.fixedIndex) + ")";
    return chart;
}

std::optional<std::string> MatrixAxisLabel(const std::string& axisTitle, double index,
                                           const ViewSetupStruct& setup) {
    for (const GridAxis axis : {GridAxis::X, GridAxis::Y, GridAxis::Z}) {
        if (axisTitle.find(std::string(1, AxisLetter(axis)) + " ") == std::string::npos) continue;
        const int a = static_cast<int>(axis);
        const double spacing = setup.GetIndexDistance(a);
        if (spacing <= 0) return std::nullopt;
        return FloatToStr(setup.GetIndexOffset(a) + spacing * (index - 1));
    }
    return std::nullopt;
}

} // namespace ombrix
