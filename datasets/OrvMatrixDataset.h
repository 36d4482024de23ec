#pragma once
// A spatial measurement (kind "M"): values taken at the points of a grid of
// integer X, Y and Z indices, each point with its own time, validity and
// live/max setting, under the settings of the normal dataset it derives from.
// The axis and plane views read the grid by position and move a marker over it.

#include "datasets/OrvElements.h"
#include "datasets/OrvNormalDataset.h"

#include <array>
#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

namespace ombrix {

class OrvMatrixDataset : public OrvNormalDataset {
public:
    OrvMatrixDataset(int memNumber, Code probe, Code channel, Code mode, DateTime dateTime);

    void ExportTo(LineList& lines, bool csv) override;
    bool ParseFrom(const TransferLines& lines, int& index) override;
    DataTreeNode* AddToTree(DataTree& nodes, DataTreeNode* parent) override;
    std::string GetInfoText() override;
    std::string GetMarkerText() override;
    // The first validity code that is not "OK", in point order; 0 when all are.
    Code GetValid() override;

    // Of the first point read at the position: its value, -1.0 when there is
    // none; its validity, 0 when there is none. For the marker a point with a
    // negative value counts as missing.
    double GetValueAt(int x, int y, int z) const;
    Code GetValidAt(int x, int y, int z) const;
    // The smallest and largest index read on each axis. The minimum starts at
    // 1000 and the maximum at 0, so a grid entirely above 1000 keeps 1000.
    void GetExtent(int& minX, int& maxX, int& minY, int& maxY, int& minZ, int& maxZ) const;
    // The largest point value, never below 0.
    double GetMaxValue() const;
    // Puts the marker on the point at (x, y, z) or, where there is none, on
    // the nearest point in the plane of the axis the user moved along.
    // Positions outside the extent are ignored.
    void MoveMarker(int x, int y, int z);
    void GetMarker(int& x, int& y, int& z) const;
    // A grid index of axis 0 X, 1 Y, 2 Z as the user measured it: in metres
    // when the axis has an index distance, else the index itself.
    std::string FormatAxisPosition(int axis, int index) const;

    int GetPointCount() const { return static_cast<int>(m_Points.size()); }
    // The point record itself; i must lie inside the grid.
    const OrvMatrixList& GetPoint(int i) const { return m_Points[static_cast<size_t>(i)]; }

    std::string FormatPointNumber(int i, int mode) const;
    std::string FormatPointValue(int i, int mode) const;
    std::string FormatPointValid(int i, int mode) const;
    std::string FormatPointX(int i, int mode) const;
    std::string FormatPointY(int i, int mode) const;
    std::string FormatPointZ(int i, int mode) const;
    std::string FormatPointTime(int i, int mode) const;
    std::string FormatPointMaxHold(int i, int mode) const;
    std::string FormatPointFrequency(int i, int mode) const;

private:
    static constexpr int kExtentStartMin = 1000;

    using Position = std::array<int, 3>;
    struct PositionHash {
        std::size_t operator()(const Position& p) const noexcept;
    };

    const OrvMatrixList* PointAt(int i) const;
    const OrvMatrixList* FirstPointAt(const Position& position) const;
    bool PointExists(const Position& position) const;
    bool InExtent(const Position& position) const;
    // Stretches the extent over the indices the point label line carries.
    void Widen(const OrvMatrixList& point, const std::array<bool, 3>& axesRead);
    // The existing point that a walk over the extent (X outermost, Z innermost)
    // meets first; with an axis, only in the plane where that axis is `index`.
    std::optional<Position> FirstExisting(std::optional<int> axis, int index) const;
    bool WritesFrequency() const;
    std::string PointNodeText(int i, bool withFrequency) const;

    std::vector<OrvMatrixList> m_Points;
    // Position -> the first point read there, so that a view asking for every
    // grid cell does not scan the points for each.
    std::unordered_map<Position, std::size_t, PositionHash> m_FirstAt;
    int m_nMinX = kExtentStartMin, m_nMaxX = 0;
    int m_nMinY = kExtentStartMin, m_nMaxY = 0;
    int m_nMinZ = kExtentStartMin, m_nMaxZ = 0;
    int m_nMarkerX = -1, m_nMarkerY = -1, m_nMarkerZ = -1;
};

} // namespace ombrix
