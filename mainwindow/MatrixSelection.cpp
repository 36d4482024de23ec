#include "mainwindow/MatrixSelection.h"

#include "core/NumberFormat.h"
#include "datasets/OrvMatrixDataset.h"

#include <algorithm>

namespace ombrix {

namespace {

constexpr int kSheetAxis = 4;
constexpr int kSheetPlane = 5;
constexpr int kSheetStatistic = 6;
constexpr int kSheetHistogram = 7;

std::size_t At(GridAxis axis) {
    return static_cast<std::size_t>(axis);
}
std::size_t At(GridPlane plane) {
    return static_cast<std::size_t>(plane);
}

int IndexOfText(const std::string& text) {
    int value = 0;
    return TryParseInt(text, value) ? value : 0;
}

// Puts a text holding an integer outside [min, max] back to min; other texts
// (not an integer) stay as typed.
void Clamp(std::string& text, int min, int max) {
    int value = 0;
    if (TryParseInt(text, value) && (value < min || value > max)) text = std::to_string(min);
}

} // namespace

bool GridRanges::Contains(const GridPosition& p) const {
    for (std::size_t a = 0; a < kGridAxes; ++a)
        if (p[a] < min[a] || p[a] > max[a]) return false;
    return true;
}

GridRanges ExtentOf(const OrvMatrixDataset& grid) {
    GridRanges r;
    grid.GetExtent(r.min[0], r.max[0], r.min[1], r.max[1], r.min[2], r.max[2]);
    return r;
}

GridAxis FixedAxisOf(GridPlane plane) {
    switch (plane) {
    case GridPlane::XY:
        return GridAxis::Z;
    case GridPlane::XZ:
        return GridAxis::Y;
    case GridPlane::YZ:
        break;
    }
    return GridAxis::X;
}

char AxisLetter(GridAxis axis) {
    return static_cast<char>('X' + static_cast<int>(axis));
}

SelectionGroups SelectionGroupsFor(int viewSheet, bool gridDataset) {
    if (viewSheet == kSheetAxis) return {true, false};
    if (viewSheet == kSheetPlane) return {false, true};
    const bool both = gridDataset && (viewSheet == kSheetStatistic || viewSheet == kSheetHistogram);
    return {both, both};
}

void MatrixSelection::SelectAxis(GridAxis axis) {
    m_axis = axis;
    m_plane.reset();
}

void MatrixSelection::SelectPlane(GridPlane plane) {
    m_plane = plane;
    m_axis.reset();
}

void MatrixSelection::SelectNothing() {
    m_axis.reset();
    m_plane.reset();
}

void MatrixSelection::SetAxisText(GridAxis axis, std::string text) {
    m_axisTexts[At(axis)] = std::move(text);
}
void MatrixSelection::SetPlaneText(GridPlane plane, std::string text) {
    m_planeTexts[At(plane)] = std::move(text);
}
const std::string& MatrixSelection::AxisText(GridAxis axis) const {
    return m_axisTexts[At(axis)];
}
const std::string& MatrixSelection::PlaneText(GridPlane plane) const {
    return m_planeTexts[At(plane)];
}
int MatrixSelection::AxisIndex(GridAxis axis) const {
    return IndexOfText(m_axisTexts[At(axis)]);
}
int MatrixSelection::PlaneIndex(GridPlane plane) const {
    return IndexOfText(m_planeTexts[At(plane)]);
}

MatrixSelection::Enabled MatrixSelection::EnabledControls() const {
    Enabled enabled;
    if (m_axis)
        for (std::size_t a = 0; a < kGridAxes; ++a)
            enabled.axisEdits[a] = a != At(*m_axis);
    if (m_plane) enabled.planeEdits[At(*m_plane)] = true;
    return enabled;
}

void MatrixSelection::ClampAxisTexts(const GridRanges& extent) {
    for (std::size_t a = 0; a < kGridAxes; ++a)
        Clamp(m_axisTexts[a], extent.min[a], extent.max[a]);
}

void MatrixSelection::ClampPlaneTexts(const GridRanges& extent) {
    for (const GridPlane plane : {GridPlane::XY, GridPlane::XZ, GridPlane::YZ}) {
        const std::size_t fixed = At(FixedAxisOf(plane));
        Clamp(m_planeTexts[At(plane)], extent.min[fixed], extent.max[fixed]);
    }
}

GridRanges MatrixSelection::Narrow(const GridRanges& extent) const {
    GridRanges r = extent;
    const auto fix = [&r](std::size_t axis, int index) { r.min[axis] = r.max[axis] = index; };
    if (m_axis) {
        for (std::size_t a = 0; a < kGridAxes; ++a)
            if (a != At(*m_axis)) fix(a, IndexOfText(m_axisTexts[a]));
    } else if (m_plane) {
        fix(At(FixedAxisOf(*m_plane)), IndexOfText(m_planeTexts[At(*m_plane)]));
    }
    return r;
}

std::vector<GridPosition> MeasuredPositions(const OrvMatrixDataset& grid,
                                            const GridRanges& ranges) {
    std::vector<GridPosition> positions;
    for (int i = 0; i < grid.GetPointCount(); ++i) {
        const OrvMatrixList& point = grid.GetPoint(i);
        const GridPosition p{point.m_nX, point.m_nY, point.m_nZ};
        if (ranges.Contains(p)) positions.push_back(p);
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    return positions;
}

std::vector<double> SelectionValues(const OrvMatrixDataset& grid,
                                    const MatrixSelection& selection) {
    std::vector<double> values;
    for (const GridPosition& p : MeasuredPositions(grid, selection.Narrow(ExtentOf(grid)))) {
        const double v = grid.GetValueAt(p[0], p[1], p[2]);
        if (v >= 0) values.push_back(v);
    }
    return values;
}

} // namespace ombrix
