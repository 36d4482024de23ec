#pragma once
// The choice of a grid line or grid plane of a spatial measurement, as the two
// selection groups below the view pages hold it: one of the axes X, Y, Z (the
// running index, the other two fixed by their edits) or one of the planes XY,
// XZ, YZ (the third index fixed by the plane's edit). The same choice picks the
// values of the statistic and the histogram of a grid.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ombrix {

class OrvMatrixDataset;

enum class GridAxis { X = 0, Y = 1, Z = 2 };
enum class GridPlane { XY = 0, XZ = 1, YZ = 2 };

inline constexpr int kGridAxes = 3;

using GridPosition = std::array<int, kGridAxes>;

// Inclusive index ranges per axis X, Y, Z; a range with min > max is empty.
struct GridRanges {
    GridPosition min{};
    GridPosition max{};
    bool Contains(const GridPosition& p) const;
};

GridRanges ExtentOf(const OrvMatrixDataset& grid);

// The axis a plane keeps fixed (XY: Z, XZ: Y, YZ: X).
GridAxis FixedAxisOf(GridPlane plane);
char AxisLetter(GridAxis axis);

// Which of the selection groups a view page shows: the axis page the axis group,
// the plane page the plane group, statistic and histogram of a grid both.
struct SelectionGroups {
    bool axisGroup = false;
    bool planeGroup = false;
};
SelectionGroups SelectionGroupsFor(int viewSheet, bool gridDataset);

class MatrixSelection {
public:
    struct Enabled {
        std::array<bool, kGridAxes> axisEdits{};  // EditAxisX/Y/Z with their up-downs
        std::array<bool, kGridAxes> planeEdits{}; // EditPlaneXY/XZ/YZ with their up-downs
    };

    // The axis group starts on X; choosing in one group clears the other.
    std::optional<GridAxis> Axis() const { return m_axis; }
    std::optional<GridPlane> Plane() const { return m_plane; }
    void SelectAxis(GridAxis axis);
    void SelectPlane(GridPlane plane);
    void SelectNothing();

    // The edit texts as typed; a text that is not an integer counts as index 0.
    void SetAxisText(GridAxis axis, std::string text);
    void SetPlaneText(GridPlane plane, std::string text);
    const std::string& AxisText(GridAxis axis) const;
    const std::string& PlaneText(GridPlane plane) const;
    int AxisIndex(GridAxis axis) const;
    int PlaneIndex(GridPlane plane) const;

    // A chosen axis disables its own edit (it runs) and enables the two that fix
    // the line; a chosen plane enables its own edit only. The group not chosen
    // is disabled as a whole.
    Enabled EnabledControls() const;

    // Edits holding an integer outside the grid's range are put back to the
    // range minimum (a plane edit to the minimum of the axis it fixes).
    void ClampAxisTexts(const GridRanges& extent);
    void ClampPlaneTexts(const GridRanges& extent);

    // The grid's ranges narrowed to the chosen line or plane; the whole grid
    // when nothing is chosen.
    GridRanges Narrow(const GridRanges& extent) const;

private:
    std::optional<GridAxis> m_axis = GridAxis::X;
    std::optional<GridPlane> m_plane;
    std::array<std::string, kGridAxes> m_axisTexts{"0", "0", "0"};
    std::array<std::string, kGridAxes> m_planeTexts{"0", "0", "0"};
};

// The positions inside `ranges` that hold a measured point, each once, ascending
// by X, then Y, then Z. Walking these instead of every grid cell costs the number
// of points, however sparse the grid's indices are.
std::vector<GridPosition> MeasuredPositions(const OrvMatrixDataset& grid, const GridRanges& ranges);

// The values of the chosen line or plane (the whole grid when nothing is chosen),
// X outermost, then Y, then Z; positions without a measured value are left out.
std::vector<double> SelectionValues(const OrvMatrixDataset& grid, const MatrixSelection& selection);

} // namespace ombrix
