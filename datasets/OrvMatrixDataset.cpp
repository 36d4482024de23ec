#include "datasets/OrvMatrixDataset.h"

#include "core/ConvertError.h"
#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "datasets/AnalyserTime.h"
#include "datasets/ColumnWidths.h"
#include "datasets/DataTree.h"
#include "datasets/TransferFields.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace ombrix {

namespace {

constexpr std::size_t kReservedPoints = 1024;
constexpr int kAxisCount = 3;

constexpr const char* kFrequencyLabel = "FREQ[HZ]";

enum class PointColumn { Number, X, Y, Z, Time, MaxHold, Value, Valid, Frequency };

std::string ValueText(double value) {
    return FormatFloat(value, FloatForm::Exponent, 5, 2);
}

// The point label line's names, looked at once for all point lines. Empty when
// a name is not one of a point's.
std::optional<std::vector<PointColumn>> ReadPointColumns(std::string_view labels, char separator,
                                                         Code& unit) {
    std::vector<PointColumn> columns;
    for (FieldSplitter names(labels, separator, true); !names.Empty();) {
        const std::string_view name = names.Next();
        if (name.empty()) break;
        if (name == "N") {
            columns.push_back(PointColumn::Number);
        } else if (name == "X") {
            columns.push_back(PointColumn::X);
        } else if (name == "Y") {
            columns.push_back(PointColumn::Y);
        } else if (name == "Z") {
            columns.push_back(PointColumn::Z);
        } else if (name == "TIME") {
            columns.push_back(PointColumn::Time);
        } else if (name == "MAX") {
            columns.push_back(PointColumn::MaxHold);
        } else if (StartsWith(name, "VALUE")) {
            unit = ParseUnit(std::string(name.substr(5)));
            columns.push_back(PointColumn::Value);
        } else if (name == "VALID") {
            columns.push_back(PointColumn::Valid);
        } else if (StartsWith(name, kFrequencyLabel)) {
            columns.push_back(PointColumn::Frequency);
        } else {
            return std::nullopt;
        }
    }
    return columns;
}

// False when a value of the line does not convert: the point is left out.
bool ReadPoint(std::string_view line, const std::vector<PointColumn>& columns, char separator,
               char decimal, OrvMatrixList& point) {
    FieldSplitter values(line, separator);
    try {
        for (PointColumn column : columns) {
            const std::string_view value = values.Next();
            switch (column) {
            case PointColumn::Number:
                point.m_nNumber = ParseInt(value);
                break;
            case PointColumn::X:
                point.m_nX = ParseInt(value);
                break;
            case PointColumn::Y:
                point.m_nY = ParseInt(value);
                break;
            case PointColumn::Z:
                point.m_nZ = ParseInt(value);
                break;
            case PointColumn::Time:
                point.m_dtTime = ParseAnalyserTime(value);
                break;
            case PointColumn::MaxHold:
                point.m_nMaxHold = ParseMax(std::string(value));
                break;
            case PointColumn::Value:
                point.m_dValue = ParseFloat(value, decimal);
                break;
            case PointColumn::Valid:
                point.m_nValid = ParseValid(std::string(value));
                break;
            case PointColumn::Frequency:
                point.m_nFrequencyHz = ParseInt(value);
                break;
            }
        }
    } catch (const ConvertError&) {
        return false;
    } catch (const std::invalid_argument&) {
        return false;
    }
    return true;
}

// The DATE cell as the data list reads it (the conventions of the transfer);
// failing that, as this program writes it (the export date picture), so that
// an exported grid reads back whatever the two pictures are.
DateTime ReadDateCell(const std::string& text) {
    if (text.empty()) return 0;
    const FormatSettings& current = CurrentFormat();
    DateTime date = 0;
    if (TryStrToDate(text, current, date)) return date;
    if (TryParseByPicture(text, GetExportFormat(ExportFormatKind::Date, true), current, date))
        return date;
    throw ConvertError("'" + text + "' is not a valid date");
}

} // namespace

std::size_t OrvMatrixDataset::PositionHash::operator()(const Position& p) const noexcept {
    const auto word = [](int v) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(v));
    };
    std::uint64_t h = (word(p[0]) << 32) | word(p[1]);
    h ^= word(p[2]) * 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
}

OrvMatrixDataset::OrvMatrixDataset(int memNumber, Code probe, Code channel, Code mode,
                                   DateTime dateTime)
    : OrvNormalDataset(memNumber, probe, channel, mode, dateTime) {
    m_nDataType = eMatrix;
}

// ---- points by position ------------------------------------------------------

const OrvMatrixList* OrvMatrixDataset::PointAt(int i) const {
    if (i < 0 || i >= GetPointCount()) return nullptr;
    return &m_Points[static_cast<std::size_t>(i)];
}

const OrvMatrixList* OrvMatrixDataset::FirstPointAt(const Position& position) const {
    const auto it = m_FirstAt.find(position);
    return it == m_FirstAt.end() ? nullptr : &m_Points[it->second];
}

bool OrvMatrixDataset::PointExists(const Position& position) const {
    return GetValueAt(position[0], position[1], position[2]) >= 0;
}

double OrvMatrixDataset::GetValueAt(int x, int y, int z) const {
    const OrvMatrixList* point = FirstPointAt({x, y, z});
    return point ? point->m_dValue : -1.0;
}

Code OrvMatrixDataset::GetValidAt(int x, int y, int z) const {
    const OrvMatrixList* point = FirstPointAt({x, y, z});
    return point ? point->m_nValid : Code{eValidOK};
}

Code OrvMatrixDataset::GetValid() {
    for (const OrvMatrixList& point : m_Points)
        if (point.m_nValid != eValidOK) return point.m_nValid;
    return eValidOK;
}

void OrvMatrixDataset::GetExtent(int& minX, int& maxX, int& minY, int& maxY, int& minZ,
                                 int& maxZ) const {
    minX = m_nMinX;
    maxX = m_nMaxX;
    minY = m_nMinY;
    maxY = m_nMaxY;
    minZ = m_nMinZ;
    maxZ = m_nMaxZ;
}

double OrvMatrixDataset::GetMaxValue() const {
    double largest = 0;
    for (const OrvMatrixList& point : m_Points)
        largest = std::max(largest, point.m_dValue);
    return largest;
}

void OrvMatrixDataset::Widen(const OrvMatrixList& point, const std::array<bool, 3>& axesRead) {
    const auto widen = [](bool read, int value, int& minimum, int& maximum) {
        if (!read) return;
        maximum = std::max(maximum, value);
        minimum = std::min(minimum, value);
    };
    widen(axesRead[0], point.m_nX, m_nMinX, m_nMaxX);
    widen(axesRead[1], point.m_nY, m_nMinY, m_nMaxY);
    widen(axesRead[2], point.m_nZ, m_nMinZ, m_nMaxZ);
}

bool OrvMatrixDataset::InExtent(const Position& p) const {
    return p[0] >= m_nMinX && p[0] <= m_nMaxX && p[1] >= m_nMinY && p[1] <= m_nMaxY &&
           p[2] >= m_nMinZ && p[2] <= m_nMaxZ;
}

// Every walk of the marker search runs with X outermost and Z innermost, so
// the point it meets first is the smallest position in that order. Looking
// through the points instead of the cells keeps a sparse grid with far-apart
// indices from turning one marker move into billions of look-ups.
std::optional<OrvMatrixDataset::Position> OrvMatrixDataset::FirstExisting(std::optional<int> axis,
                                                                          int index) const {
    std::optional<Position> first;
    for (const auto& [position, pointIndex] : m_FirstAt) {
        if (axis && position[static_cast<std::size_t>(*axis)] != index) continue;
        if (!InExtent(position) || m_Points[pointIndex].m_dValue < 0) continue;
        if (!first || position < *first) first = position;
    }
    return first;
}

void OrvMatrixDataset::MoveMarker(int x, int y, int z) {
    const Position wanted{x, y, z};
    if (!InExtent(wanted)) return;
    const auto place = [this](const Position& p) {
        m_nMarkerX = p[0];
        m_nMarkerY = p[1];
        m_nMarkerZ = p[2];
    };
    const bool exists = PointExists(wanted);
    if (!exists) {
        // The plane of the first axis the user moved along that holds a point.
        const std::array<int, kAxisCount> marker{m_nMarkerX, m_nMarkerY, m_nMarkerZ};
        for (int axis = 0; axis < kAxisCount; ++axis) {
            const auto a = static_cast<std::size_t>(axis);
            if (wanted[a] == marker[a]) continue;
            if (const auto found = FirstExisting(axis, wanted[a])) {
                place(*found);
                return;
            }
        }
        if (const auto found = FirstExisting(std::nullopt, 0)) place(*found);
        return;
    }
    place(wanted);
}

void OrvMatrixDataset::GetMarker(int& x, int& y, int& z) const {
    x = m_nMarkerX;
    y = m_nMarkerY;
    z = m_nMarkerZ;
}

std::string OrvMatrixDataset::FormatAxisPosition(int axis, int index) const {
    const double distance = ViewSetup().GetIndexDistance(axis);
    if (distance > 0)
        return FormatValue(
            ViewSetup().GetIndexOffset(axis) + distance * (static_cast<double>(index) - 1), "m");
    return DecimalText(index);
}

// ---- field texts -------------------------------------------------------------

std::string OrvMatrixDataset::FormatPointNumber(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("N", point ? DecimalText(point->m_nNumber) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointValue(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("VALUE" + UnitText(m_nUnit, true),
                       point ? ValueText(point->m_dValue) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointValid(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("VALID", point ? ValidText(point->m_nValid) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointX(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("X", point ? DecimalText(point->m_nX) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointY(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("Y", point ? DecimalText(point->m_nY) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointZ(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("Z", point ? DecimalText(point->m_nZ) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointTime(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("TIME", point ? FormatAnalyserTime(point->m_dtTime) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointMaxHold(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField("MAX", point ? MaxText(point->m_nMaxHold) : std::string(), mode);
}

std::string OrvMatrixDataset::FormatPointFrequency(int i, int mode) const {
    const OrvMatrixList* point = PointAt(i);
    return FormatField(kFrequencyLabel, point ? DecimalText(point->m_nFrequencyHz) : std::string(),
                       mode);
}

// ---- transfer text -----------------------------------------------------------

bool OrvMatrixDataset::ParseFrom(const TransferLines& lines, int& index) {
    if (index < 0 || lines.size() < static_cast<std::size_t>(index) + 4) return false;
    const std::size_t first = static_cast<std::size_t>(index);
    const char separator = TransferSeparator();

    std::string dateText;
    const bool known =
        ReadColumns(lines[first], lines[first + 1], separator,
                    [this, &dateText](std::string_view name, std::string_view value) {
                        if (name == "STANDARD") {
                            m_sStandard = value;
                        } else if (name == "DATE") {
                            dateText = value;
                        } else if (name == "FILTER") {
                            ParseFilterField(std::string(value));
                        } else if (name == "DET") {
                            m_nDetection = ParseDetectionFIL(std::string(value));
                        } else {
                            // Each point carries its own time.
                            return name != "TIME" && IsCommonColumn(name);
                        }
                        return true;
                    });
    if (!known) return false;
    const auto columns = ReadPointColumns(lines[first + 2], separator, m_nUnit);
    if (!columns) return false;
    const auto reads = [&columns](PointColumn column) {
        return std::find(columns->begin(), columns->end(), column) != columns->end();
    };
    const std::array<bool, kAxisCount> axesRead{reads(PointColumn::X), reads(PointColumn::Y),
                                                reads(PointColumn::Z)};

    m_Points = {};
    m_Points.reserve(kReservedPoints);
    m_FirstAt.clear();
    m_nMinX = m_nMinY = m_nMinZ = kExtentStartMin;
    m_nMaxX = m_nMaxY = m_nMaxZ = 0;
    const char decimal = CurrentFormat().DecimalSeparator;
    std::size_t line = first + 3;
    for (;; ++line) {
        OrvMatrixList point;
        // Only points that are kept widen the extent: a dropped point must not
        // leave an empty row in the views.
        if (ReadPoint(lines[line], *columns, separator, decimal, point)) {
            Widen(point, axesRead);
            m_FirstAt.try_emplace(Position{point.m_nX, point.m_nY, point.m_nZ}, m_Points.size());
            m_Points.push_back(point);
        }
        if (line + 1 >= lines.size() || StartsNextPart(lines[line + 1])) break;
    }
    index = static_cast<int>(line + 1);
    // The record's date-time is the date of the record and the time of its
    // first point; without a point there is none.
    if (m_Points.empty()) return false;
    const DateTime date = ReadDateCell(dateText);
    const DateTime time = m_Points.front().m_dtTime;
    m_dtDateTime = date >= 0 ? date + time : date - time;
    OrvDataset::ParseFrom(lines, index);
    return true;
}

bool OrvMatrixDataset::WritesFrequency() const {
    // The grid's own frequency is never read, but its points' are: they are
    // written whenever one of them has one, so that they read back.
    if (m_nFrequency >= 0) return true;
    return std::any_of(m_Points.begin(), m_Points.end(),
                       [](const OrvMatrixList& p) { return p.m_nFrequencyHz >= 0; });
}

void OrvMatrixDataset::ExportTo(LineList& lines, bool csv) {
    RecordCells cells;
    AddCommonCells(cells);
    // A column without a value would leave an empty name in the label line,
    // which ends or fails the reading of the record; such columns are left out.
    if (m_nMode == eSTD && !m_sStandard.empty())
        cells.Add(FormatStandard(1), FormatStandard(0), kStandardWidth);
    cells.Add(FormatDate(1), FormatDate(0), kDateWidth);
    if (m_nMode == eFST) {
        if (m_nFilterType != kNotRead) cells.Add(FormatFilter(1), FormatFilter(0), kFilterWidth);
        if (m_nDetection != kNotRead)
            cells.Add(FormatDetection(1), FormatDetection(0), kDetectionWidth);
    }

    lines.RequireRoomFor(m_Points.size() + 3);
    AddRecordLines(lines, cells);

    const bool withFrequency = WritesFrequency();
    std::string labels;
    AppendCell(labels, "N", kNumberWidth);
    AppendCell(labels, "X", kIndexWidth);
    AppendCell(labels, "Y", kIndexWidth);
    AppendCell(labels, "Z", kIndexWidth);
    AppendCell(labels, "TIME", kTimeWidth);
    AppendCell(labels, "MAX", kMaxHoldWidth);
    AppendCell(labels, "VALUE" + UnitText(m_nUnit, true), kValueWidth);
    AppendCell(labels, "VALID", kValidWidth);
    if (withFrequency) AppendCell(labels, kFrequencyLabel, kFrequencyWidth);
    StripLastSeparator(labels);
    lines.Add(std::move(labels));

    // One line buffer for all points: no allocation per line.
    std::string line;
    line.reserve(96);
    for (const OrvMatrixList& point : m_Points) {
        line.clear();
        AppendCell(line, DecimalText(point.m_nNumber), kNumberWidth);
        AppendCell(line, DecimalText(point.m_nX), kIndexWidth);
        AppendCell(line, DecimalText(point.m_nY), kIndexWidth);
        AppendCell(line, DecimalText(point.m_nZ), kIndexWidth);
        AppendCell(line, FormatAnalyserTime(point.m_dtTime), kTimeWidth);
        AppendCell(line, MaxText(point.m_nMaxHold), kMaxHoldWidth);
        AppendCell(line, ValueText(point.m_dValue), kValueWidth);
        AppendCell(line, ValidText(point.m_nValid), kValidWidth);
        if (withFrequency) AppendCell(line, DecimalText(point.m_nFrequencyHz), kFrequencyWidth);
        lines.Add(line);
    }
    OrvDataset::ExportTo(lines, csv);
}

// ---- tree and texts ----------------------------------------------------------

std::string OrvMatrixDataset::PointNodeText(int i, bool withFrequency) const {
    std::string text = FormatPointNumber(i, 2) + ";  " + FormatPointValue(i, 2) + ";  " +
                       FormatPointValid(i, 2) + ";  " + FormatPointX(i, 2) + ";  " +
                       FormatPointY(i, 2) + ";  " + FormatPointZ(i, 2) + ";  " +
                       FormatPointTime(i, 2) + ";  " + FormatPointMaxHold(i, 2) + ";";
    if (withFrequency) text += "  " + FormatPointFrequency(i, 2) + ";";
    return text;
}

DataTreeNode* OrvMatrixDataset::AddToTree(DataTree& nodes, DataTreeNode* parent) {
    DataTreeNode* node = OrvDataset::AddToTree(nodes, parent);
    if (node->HasChildren()) return node;

    DataTreeNode* configuration = nodes.AddChild(node, "Configuration", NodeData{this});
    AddLeaf(nodes, configuration, FormatProbe(2));
    AddLeaf(nodes, configuration, FormatChannel(2));
    if (m_nMode == eFST) {
        AddLeaf(nodes, configuration, FormatFilter(2));
        AddLeaf(nodes, configuration, FormatDetection(2));
    } else if (m_nMode == eSTD) {
        AddLeaf(nodes, configuration, FormatStandard(2));
    }

    DataTreeNode* values = nodes.AddChild(node, "Values", NodeData{this});
    const bool withFrequency = WritesFrequency();
    for (int i = 0; i < GetPointCount(); ++i)
        nodes.AddChild(values, PointNodeText(i, withFrequency), NodeData{this});
    return node;
}

std::string OrvMatrixDataset::GetInfoText() {
    return OrvDataset::GetInfoText() + "\n" + FormatFilter(2) + ", " + FormatStandard(2) +
           FormatDetection(2);
}

std::string OrvMatrixDataset::GetMarkerText() {
    if (!ViewSetup().GetMarkerVisible()) return {};
    return "MARKER: X: " + FormatAxisPosition(0, m_nMarkerX) +
           " Y: " + FormatAxisPosition(1, m_nMarkerY) + " Z: " + FormatAxisPosition(2, m_nMarkerZ) +
           "  VALUE: " + FormatValue(GetValueAt(m_nMarkerX, m_nMarkerY, m_nMarkerZ), GetUnitText());
}

} // namespace ombrix
