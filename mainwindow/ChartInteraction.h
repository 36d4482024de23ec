#pragma once
// The rules the charts share for the marker the user drags along the data, for
// zooming and for the scroll bars that move a zoomed chart. The widgets report
// pixels and buttons; these functions decide what follows.

#include "mainwindow/ChartTypes.h"
#include "mainwindow/MatrixSelection.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class OrvVectorDataset;
struct PlaneBubble;

// The index of the point whose pixel X lies nearest to x, searched outward from
// `start`, one step lower then one step higher, each side stopping at the first
// point farther away than the best so far; on equal distances the point looked
// at later wins. `start` itself when it is not a point of the series.
int NearestPointByX(int count, const std::function<double(int)>& pixelXOf, int start, double x);

enum class PointerMode {
    Arrow,      // nothing to do: marker off and no zoom chosen, or outside the plot
    ZoomDrag,   // "Zoom in" was chosen: the hand, the chart zooms by a rectangle
    MarkerDrag, // the marker can be grabbed and moved
};
PointerMode PointerModeFor(bool markerVisible, bool zoomArmed, bool insidePlot);

// The resize cursor shows while the pointer is within 7 px of the marker, and
// stays while the left button holds it.
bool MarkerGrabbed(double x, double y, double markerX, double markerY, bool leftButton,
                   bool grabbedBefore);

// The pen of the marker cross: the chart's background with its red inverted,
// drawn exclusive-or so that drawing it twice leaves the chart as it was.
ChartColor MarkerPenColor(ChartColor background);

// At most two lines of the marker text, drawn right-aligned in the chart's foot.
std::vector<std::string> MarkerTextLines(const std::string& markerText);

// The marker of a spectrum and the nearest of its peaks, in drawn units.
struct SpectrumMarker {
    ChartPoint marker;
    std::optional<ChartPoint> peak;
};
SpectrumMarker SpectrumMarkerOf(OrvVectorDataset& spectrum, double factor);

// The point of the axis line that shows the marker: the one whose running index
// is the marker's coordinate on the running axis; none when it is not drawn.
std::optional<int> AxisMarkerPoint(const std::vector<int>& runningIndices, int markerCoordinate);
// The grid point a drag on the axis line moves the marker to.
GridPosition AxisGridPoint(GridAxis running, int runningIndex, const MatrixSelection& selection);

// The centre of the plane's marker: X of the first bubble in the marker's
// column, Y of the first bubble in its row.
std::optional<ChartPoint> PlaneMarkerPoint(const std::vector<PlaneBubble>& bubbles, int markerH,
                                           int markerW);

enum class ZoomableChart { Graph, Spectrum, Axis };
// The zoomable chart of a view page (1 graph, 2 spectrum, 4 axis).
std::optional<ZoomableChart> ZoomableChartOf(int viewSheet);

// "Zoom in" arms the next drag; a zoom or its undo disarms it; the graph keeps
// its zoomed ranges over refreshes until unzoomed or the settings are applied.
class ZoomState {
public:
    bool Armed() const { return m_armed; }
    bool GraphZoomed() const { return m_graphZoomed; }
    void ZoomIn() { m_armed = true; }
    void Zoomed(ZoomableChart chart);
    void Unzoomed(ZoomableChart chart);
    // "Zoom out": disarms and names the chart of the page whose zoom is undone.
    std::optional<ZoomableChart> ZoomOut(int activeViewSheet);
    void SettingsApplied() { m_graphZoomed = false; }

private:
    bool m_armed = false;
    bool m_graphZoomed = false;
};

// A scroll bar (0 .. 100 per cent of the data) in line with its axis: disabled
// while the axis is automatic; otherwise its position is where the axis starts
// within the data. No position when the data have no span.
struct ScrollBarState {
    bool enabled = false;
    std::optional<int> position;
};
ScrollBarState SyncScrollBar(bool axisAutomatic, double axisMin, double dataMin, double dataMax);
// The axis range after the bar moved: it starts at the bar's share of the data
// and keeps its width.
AxisRange ScrolledRange(int position, AxisRange axis, double dataMin, double dataMax);

// Where the two scroll bars sit in a chart of the given size.
struct ScrollBarPlacement {
    int hLeft, hTop, hWidth;
    int vLeft, vTop, vHeight;
};
ScrollBarPlacement PlaceScrollBars(int chartWidth, int chartHeight, int barThickness);

} // namespace ombrix
