#include "mainwindow/ChartInteraction.h"

#include "datasets/OrvVectorDataset.h"
#include "mainwindow/PlaneView.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

constexpr double kGrabPixels = 7;
constexpr int kMarkerTextLines = 2;
constexpr int kScrollMax = 100;
constexpr int kScrollInset = 4;
constexpr int kSheetGraph = 1;
constexpr int kSheetSpectrum = 2;
constexpr int kSheetAxis = 4;

} // namespace

int NearestPointByX(int count, const std::function<double(int)>& pixelXOf, int start, double x) {
    if (start < 0 || start >= count) return start;
    const auto distance = [&](int i) { return std::fabs(pixelXOf(i) - x); };
    double best = distance(start);
    if (!std::isfinite(best)) return start;
    int result = start;
    int lower = start - 1;
    int upper = start + 1;
    bool lowerOpen = true;
    bool upperOpen = true;
    // Taking a side's point when it is not farther lets the later of equal
    // points win.
    const auto tryStep = [&](int& index, bool& open, int direction) {
        if (!open) return;
        if (index < 0 || index >= count) {
            open = false;
            return;
        }
        const double d = distance(index);
        if (!(d <= best)) {
            open = false;
            return;
        }
        best = d;
        result = index;
        index += direction;
    };
    while (lowerOpen || upperOpen) {
        tryStep(lower, lowerOpen, -1);
        tryStep(upper, upperOpen, +1);
    }
    return result;
}

PointerMode PointerModeFor(bool markerVisible, bool zoomArmed, bool insidePlot) {
    if ((!markerVisible && !zoomArmed) || !insidePlot) return PointerMode::Arrow;
    return zoomArmed ? PointerMode::ZoomDrag : PointerMode::MarkerDrag;
}

bool MarkerGrabbed(double x, double y, double markerX, double markerY, bool leftButton,
                   bool grabbedBefore) {
    const bool near =
        std::fabs(x - markerX) <= kGrabPixels && std::fabs(y - markerY) <= kGrabPixels;
    return near || (leftButton && grabbedBefore);
}

ChartColor MarkerPenColor(ChartColor background) {
    return background ^ 0xFFu;
}

std::vector<std::string> MarkerTextLines(const std::string& markerText) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from <= markerText.size() && static_cast<int>(lines.size()) < kMarkerTextLines) {
        const std::size_t end = markerText.find('\n', from);
        std::string line =
            markerText.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        from = end + 1;
    }
    return lines;
}

SpectrumMarker SpectrumMarkerOf(OrvVectorDataset& spectrum, double factor) {
    SpectrumMarker result;
    const int cursor = spectrum.GetCursor();
    result.marker = {static_cast<double>(cursor) * spectrum.GetDF(),
                     spectrum.GetElementValue(cursor) / factor};
    double frequency = 0;
    double value = 0;
    if (spectrum.NearestPeak(frequency, value)) result.peak = ChartPoint{frequency, value / factor};
    return result;
}

std::optional<int> AxisMarkerPoint(const std::vector<int>& runningIndices, int markerCoordinate) {
    const auto found = std::find(runningIndices.begin(), runningIndices.end(), markerCoordinate);
    if (found == runningIndices.end()) return std::nullopt;
    return static_cast<int>(found - runningIndices.begin());
}

GridPosition AxisGridPoint(GridAxis running, int runningIndex, const MatrixSelection& selection) {
    GridPosition p{selection.AxisIndex(GridAxis::X), selection.AxisIndex(GridAxis::Y),
                   selection.AxisIndex(GridAxis::Z)};
    p[static_cast<std::size_t>(running)] = runningIndex;
    return p;
}

std::optional<ChartPoint> PlaneMarkerPoint(const std::vector<PlaneBubble>& bubbles, int markerH,
                                           int markerW) {
    const auto column = std::find_if(bubbles.begin(), bubbles.end(),
                                     [&](const PlaneBubble& b) { return b.h == markerH; });
    const auto row = std::find_if(bubbles.begin(), bubbles.end(),
                                  [&](const PlaneBubble& b) { return b.w == markerW; });
    if (column == bubbles.end() || row == bubbles.end()) return std::nullopt;
    return ChartPoint{static_cast<double>(column->h), static_cast<double>(row->w)};
}

std::optional<ZoomableChart> ZoomableChartOf(int viewSheet) {
    switch (viewSheet) {
    case kSheetGraph:
        return ZoomableChart::Graph;
    case kSheetSpectrum:
        return ZoomableChart::Spectrum;
    case kSheetAxis:
        return ZoomableChart::Axis;
    default:
        return std::nullopt;
    }
}

void ZoomState::Zoomed(ZoomableChart chart) {
    m_armed = false;
    if (chart == ZoomableChart::Graph) m_graphZoomed = true;
}

void ZoomState::Unzoomed(ZoomableChart chart) {
    m_armed = false;
    if (chart == ZoomableChart::Graph) m_graphZoomed = false;
}

std::optional<ZoomableChart> ZoomState::ZoomOut(int activeViewSheet) {
    m_armed = false;
    return ZoomableChartOf(activeViewSheet);
}

ScrollBarState SyncScrollBar(bool axisAutomatic, double axisMin, double dataMin, double dataMax) {
    ScrollBarState state;
    if (axisAutomatic) return state;
    state.enabled = true;
    const double span = dataMax - dataMin;
    if (span > 0) {
        const double position = std::floor((axisMin - dataMin) * kScrollMax / span);
        state.position =
            static_cast<int>(std::clamp(position, 0.0, static_cast<double>(kScrollMax)));
    }
    return state;
}

AxisRange ScrolledRange(int position, AxisRange axis, double dataMin, double dataMax) {
    const double width = axis.max - axis.min;
    const double min = dataMin + position * (dataMax - dataMin) / kScrollMax;
    return {min, min + width};
}

ScrollBarPlacement PlaceScrollBars(int chartWidth, int chartHeight, int barThickness) {
    ScrollBarPlacement p{};
    p.hLeft = 0;
    p.hTop = chartHeight - kScrollInset - barThickness;
    p.hWidth = chartWidth - kScrollInset;
    p.vLeft = chartWidth - kScrollInset - barThickness;
    p.vTop = 0;
    p.vHeight = chartHeight - kScrollInset;
    return p;
}

} // namespace ombrix
