#pragma once
// The axis page: the values of a spatial measurement along one grid line (the
// chosen axis runs, the two others stay at the indices typed) with the
// threshold line. Indices are shown as lengths where the grid has a spacing.

#include "mainwindow/ChartTypes.h"
#include "mainwindow/MatrixSelection.h"
#include "mainwindow/ValueScale.h"

#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class OrvMatrixDataset;
class ViewSetupStruct;

struct AxisLineStyle {
    bool valueAutomatic = true;
    bool valueLogarithmic = false;
    ChartColor lineColor = 0;
    int lineWidth = 2;
    bool thresholdVisible = false;
    ChartColor thresholdColor = 0;
    int thresholdWidth = 2;
};
AxisLineStyle AxisLineStyleOf(const ViewSetupStruct& setup);

struct AxisLineChart {
    GridAxis axis = GridAxis::X;
    std::vector<ChartPoint> points; // (running index, value in the drawn prefix)
    std::vector<ChartPoint> thresholdPoints;
    std::vector<int> runningIndices; // per point, the grid index along the line
    ValueScale scale;
    ValueAxis valueAxis;
    std::string title;
    std::string indexAxisTitle; // bottom: "X Length [m]" or "X Index"
    std::string valueAxisTitle;
    bool flagged = false; // a point of the line is not "OK"
};

// "X Length [m]" where the axis has a spacing, else "X Index".
std::string GridAxisTitle(GridAxis axis, const ViewSetupStruct& setup);

inline constexpr const char* kGridFlaggedNote = "\n(this dataset may contain some invalid data!)";

// Draws the chosen line (choosing X when no axis is chosen) and moves the grid's
// marker to its last point; a line without measured points leaves it.
AxisLineChart DrawAxisLine(OrvMatrixDataset& grid, MatrixSelection& selection,
                           const ViewSetupStruct& setup);

// The page refresh: axis edits outside the grid put back to its range, then the line.
AxisLineChart ShowAxis(OrvMatrixDataset& grid, MatrixSelection& selection,
                       const ViewSetupStruct& setup);

} // namespace ombrix
