#pragma once
// The plane page: one grid plane of a spatial measurement as a field of
// coloured bubbles, one per grid cell, coloured by the class of its value. The
// classes come from nine colour-scale limits of the quantity (set to tenths of
// the largest value when automatic) or, in threshold mode, from the threshold.
// The axes keep the grid's true proportions where it has a spacing.

#include "datasets/ValueClass.h"
#include "mainwindow/ChartTypes.h"
#include "mainwindow/MatrixSelection.h"

#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class OrvMatrixDataset;
class ViewSetupStruct;

struct PlaneBubble {
    int h = 0;           // horizontal grid index
    int w = 0;           // vertical grid index
    double value = -1;   // -1 for a cell without a measured point
    int legendEntry = 0; // the colour class
    ChartColor color = 0;
};

// The plot rectangle in pixels; 0 while the chart has not been laid out.
struct PlotArea {
    double width = 0;
    double height = 0;
};

struct PlaneChart {
    GridPlane plane = GridPlane::XY;
    GridAxis horizontal = GridAxis::X;
    GridAxis vertical = GridAxis::Y;
    int fixedIndex = 0;
    std::vector<PlaneBubble> bubbles; // horizontal index outermost, both ascending
    double bubbleSize = 0;
    std::vector<double> legendValues; // upper end of each colour class
    std::vector<LegendEntry> legend;  // "empty", then the classes
    std::string title;
    std::string horizontalTitle;
    std::string verticalTitle;
    AxisRange horizontalRange;
    AxisRange verticalRange;
    bool flagged = false; // a point of the plane is not "OK"
};

// The legend text of a colour class: "empty", "Smaller than"/"Bigger than" the
// threshold, or the limits of a colour-scale class.
std::string PlaneLegendText(int entry, const ViewSetupStruct& setup, ValueClass valueClass,
                            const std::string& unit);

// The position of a bubble for the chart: its horizontal and vertical index.
GridPosition PlaneGridPoint(GridPlane plane, int h, int w, int fixedIndex);

class PlaneView {
public:
    // Draws the chosen plane (choosing XY when none is), writes automatic
    // colour-scale limits into the settings and moves the grid's marker to the
    // plane's last point. A plane without measured points draws no bubbles and
    // leaves the marker.
    const PlaneChart& Draw(OrvMatrixDataset& grid, MatrixSelection& selection,
                           ViewSetupStruct& setup, PlotArea plot);
    // The page refresh: plane edits outside the grid put back to its range, then Draw.
    const PlaneChart& Show(OrvMatrixDataset& grid, MatrixSelection& selection,
                           ViewSetupStruct& setup, PlotArea plot);
    const PlaneChart& Chart() const { return m_chart; }

private:
    // Kept between drawings so that its storage only grows.
    PlaneChart m_chart;
};

// The label of a grid axis of the axis and plane charts, told by the letter in
// the axis title: the length in metres where that axis has a spacing, counted
// from index 1 at the offset like every position of the grid; none (the index
// stays) where it has none or the title names no grid axis.
std::optional<std::string> MatrixAxisLabel(const std::string& axisTitle, double index,
                                           const ViewSetupStruct& setup);

} // namespace ombrix
