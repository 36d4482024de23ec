#include "datasets/OrvVectorDataset.h"

#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "datasets/ColumnWidths.h"
#include "datasets/DataTree.h"
#include "datasets/TransferFields.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <cmath>

namespace ombrix {

namespace {

// Label line, value line and element label line.
constexpr std::size_t kFrameLines = 3;

// A marker farther than this from every shown peak takes the largest peak.
constexpr double kPeakCatchDistanceHz = 10000.0;
// Keeps the logarithm of an empty bin finite.
constexpr double kLogFloor = 1e-20;
// A parabola flatter than this (in the logarithm) is not trusted for the top.
constexpr double kFlattestCurvature = -0.4;

struct FrequencyWindow {
    double low;
    double high;
};

// The peaks worth reporting lie inside the measured band of the range: the
// 1 Hz step belongs to the 5 Hz .. 2 kHz range, every other step to 40 Hz ..
// 32 kHz.
FrequencyWindow PeakWindow(int df) {
    return df == 1 ? FrequencyWindow{5.0, 1999.0} : FrequencyWindow{40.0, 31990.0};
}

void SortLargestFirst(std::vector<VectorPeak>& peaks) {
    std::stable_sort(peaks.begin(), peaks.end(), [](const VectorPeak& a, const VectorPeak& b) {
        return a.m_dPeakValue > b.m_dPeakValue;
    });
}

enum class ElementColumn { Number, Value };

} // namespace

OrvVectorDataset::OrvVectorDataset(int memNumber, Code probe, Code channel, Code mode,
                                   DateTime dateTime)
    : OrvDataset(memNumber, eVector, probe, channel, mode, dateTime) {}

int OrvVectorDataset::GetCursor() {
    return m_nCursor;
}

void OrvVectorDataset::SetCursor(int index) {
    const int count = GetElementCount();
    m_nCursor = index < 0 || index >= count ? count - 1 : index;
}

ValueClass OrvVectorDataset::GetValueClass() {
    return ResolveByUnit(BaseValueClass(), m_nUnit);
}

double OrvVectorDataset::GetElementValue(int i) const {
    return i >= 0 && i < GetElementCount() ? m_Elements[static_cast<std::size_t>(i)].m_dValue : 0.0;
}

int OrvVectorDataset::GetElementNumber(int i) const {
    return i >= 0 && i < GetElementCount() ? m_Elements[static_cast<std::size_t>(i)].m_nNumber : -1;
}

int OrvVectorDataset::FrequencyToIndex(double frequency) const {
    if (m_nDF <= 0) return 0;
    return static_cast<int>(std::floor(frequency / m_nDF + 0.5));
}

std::string OrvVectorDataset::ValueLabel() const {
    return "VALUE" + UnitText(m_nUnit, true);
}

std::string OrvVectorDataset::FormatFRange(int mode) const {
    return FormatField("F_RANGE", FRangeText(m_nFRange, ExportDecimalSeparator()), mode);
}

std::string OrvVectorDataset::FormatDF(int mode) const {
    return FormatField("DF[HZ]", DecimalText(m_nDF), mode);
}

std::string OrvVectorDataset::FormatDetection(int mode) const {
    if (m_nDetection == kNotRead) return {};
    return FormatField("DET", DetectionFFTText(m_nDetection), mode);
}

std::string OrvVectorDataset::FormatStandard(int mode) const {
    if (m_sStandard.empty()) return {};
    return FormatField("STANDARD", m_sStandard, mode);
}

std::string OrvVectorDataset::FormatMaxHold(int mode) const {
    return FormatField("MAX", MaxText(m_nMaxHold), mode);
}

std::string OrvVectorDataset::FormatValid(int mode) const {
    return FormatField("VALID", ValidText(m_nValid), mode);
}

std::string OrvVectorDataset::FormatElementNumber(int i, int mode) const {
    return FormatField("N", DecimalText(GetElementNumber(i)), mode);
}

std::string OrvVectorDataset::FormatElementValue(int i, int mode) const {
    return FormatField(ValueLabel(), FormatFloat(GetElementValue(i), FloatForm::Exponent, 5, 2),
                       mode);
}

bool OrvVectorDataset::ReadColumn(std::string_view name, std::string_view value) {
    if (IsCommonColumn(name)) return true;
    const std::string text(value);
    if (name == "STANDARD")
        m_sStandard = text;
    else if (name == "F_RANGE")
        m_nFRange = ParseFRange(text);
    else if (name == "DET")
        m_nDetection = ParseDetectionFFT(text);
    else if (name == "MAX")
        m_nMaxHold = ParseMax(text);
    else if (name == "VALID")
        m_nValid = ParseValid(text);
    else if (name == "DF[HZ]")
        m_nDF = ParseInt(value);
    else
        return false;
    return true;
}

bool OrvVectorDataset::ReadElements(const TransferLines& lines, int& index) {
    const char separator = TransferSeparator();
    const char decimal = CurrentFormat().DecimalSeparator;
    // Every element line is read by the one element label line before them.
    std::vector<ElementColumn> columns;
    FieldSplitter names(lines[static_cast<std::size_t>(index)], separator, true);
    while (!names.Empty()) {
        const std::string_view name = names.Next();
        if (name.empty()) break;
        if (name == "N") {
            columns.push_back(ElementColumn::Number);
        } else if (StartsWith(name, "VALUE")) {
            m_nUnit = ParseUnit(std::string(name.substr(5)));
            columns.push_back(ElementColumn::Value);
        } else {
            return false;
        }
    }

    const int count = static_cast<int>(lines.size());
    ++index;
    m_Elements.reserve(
        std::max(m_Elements.capacity(), ValueLineCount(lines, static_cast<std::size_t>(index))));
    while (true) {
        FieldSplitter values(lines[static_cast<std::size_t>(index)], separator);
        OrvVectorList element;
        for (ElementColumn column : columns) {
            const std::string_view value = values.Next();
            if (column == ElementColumn::Number)
                element.m_nNumber = ParseInt(value);
            else
                element.m_dValue = ParseFloat(value, decimal);
        }
        m_Elements.push_back(element);
        if (element.m_dValue > m_dLastValue) {
            m_dLastValue = element.m_dValue;
            m_dLastNumber = static_cast<double>(element.m_nNumber) * m_nDF;
        }
        if (++index >= count) break;
        if (StartsNextPart(lines[static_cast<std::size_t>(index)])) break;
    }
    return true;
}

bool OrvVectorDataset::ParseFrom(const TransferLines& lines, int& index) {
    constexpr int kMinimumLines = 4;
    if (index < 0 || static_cast<int>(lines.size()) - index < kMinimumLines) return false;
    const std::string_view labels = lines[static_cast<std::size_t>(index)];
    const std::string_view values = lines[static_cast<std::size_t>(index) + 1];
    index += 2;
    const bool known = ReadColumns(
        labels, values, TransferSeparator(),
        [this](std::string_view name, std::string_view value) { return ReadColumn(name, value); });
    if (!known) return false;

    m_Elements = {};
    m_Elements.reserve(kReservedElements);
    // Peaks and the largest element belong to the spectrum now being read.
    m_Peaks.clear();
    m_dLastNumber = -1.0;
    m_dLastValue = -1.0;
    if (!ReadElements(lines, index)) return false;
    m_nCursor = GetElementCount() - 1;
    OrvDataset::ParseFrom(lines, index);
    return true;
}

void OrvVectorDataset::ExportTo(LineList& lines, bool csv) {
    RecordCells cells;
    AddCommonCells(cells);
    if (!m_sStandard.empty()) cells.Add(FormatStandard(1), FormatStandard(0), kStandardWidth);
    AddDateTimeCells(cells);
    // Settings never read are left out: their "invalid value" would not read back.
    if (m_nFRange != kNotRead) cells.Add(FormatFRange(1), FormatFRange(0), kFRangeWidth);
    if (m_nDetection != kNotRead)
        cells.Add(FormatDetection(1), FormatDetection(0), kDetectionWidth);
    if (m_nMaxHold != kNotRead) cells.Add(FormatMaxHold(1), FormatMaxHold(0), kMaxHoldWidth);
    if (m_nValid != kNotRead) cells.Add(FormatValid(1), FormatValid(0), kValidWidth);
    cells.Add(FormatDF(1), FormatDF(0), kDFWidth);

    lines.RequireRoomFor(m_Elements.size() + kFrameLines);
    AddRecordLines(lines, cells);

    std::string elementLabels;
    AppendCell(elementLabels, "N", kNumberWidth);
    AppendCell(elementLabels, ValueLabel(), kValueWidth);
    lines.Add(std::move(elementLabels));
    // The element lines are built in the file text itself, cell by cell.
    const std::string_view separator = GetExportSeparator();
    const char decimal = CurrentFormat().DecimalSeparator;
    lines.ReserveText(m_Elements.size() * (kNumberWidth + kValueWidth + 2));
    for (const OrvVectorList& element : m_Elements) {
        lines.AddInPlace([&](std::string& text) {
            CellWriter cell(text, separator);
            cell.Decimal(element.m_nNumber, kNumberWidth);
            cell.Exponent(element.m_dValue, decimal, kValueWidth);
            cell.StripLastSeparator();
            cell.Finish();
        });
    }
    OrvDataset::ExportTo(lines, csv);
}

DataTreeNode* OrvVectorDataset::AddToTree(DataTree& nodes, DataTreeNode* parent) {
    DataTreeNode* node = OrvDataset::AddToTree(nodes, parent);
    if (node->HasChildren()) return node;

    DataTreeNode* configuration = nodes.AddChild(node, "Configuration", NodeData{this});
    AddLeaf(nodes, configuration, FormatProbe(2));
    AddLeaf(nodes, configuration, FormatChannel(2));
    AddLeaf(nodes, configuration, FormatFRange(2));
    AddLeaf(nodes, configuration, FormatMaxHold(2));
    AddLeaf(nodes, configuration, m_sStandard.empty() ? FormatDetection(2) : FormatStandard(2));
    nodes.AddChild(node, "Values", NodeData{this});
    return node;
}

void OrvVectorDataset::ExpandNode(DataTree& nodes, DataTreeNode* node) {
    if (m_bExpanded) return;
    DataTreeNode* from = node ? node : m_pTreeNode;
    if (!from) return;
    DataTreeNode* values = from->Text() == "Values" && from->Dataset() == this
                               ? from
                               : nodes.FindForward(from, "Values");
    // The next "Values" node may belong to another dataset when this one's
    // node is not in the tree.
    if (!values || values->Dataset() != this) return;
    if (!values->HasChildren()) {
        AddLeaf(nodes, values, FormatValid(2));
        AddLeaf(nodes, values, FormatDF(2));
        for (int i = 0; i < GetElementCount(); ++i)
            AddLeaf(nodes, values, FormatElementNumber(i, 2) + ", " + FormatElementValue(i, 2));
    }
    m_bExpanded = true;
}

std::string OrvVectorDataset::GetInfoText() {
    return OrvDataset::GetInfoText() + "\n" + FormatFRange(2) + ", " + FormatMaxHold(2) + ", " +
           FormatValid(2) + ", " + FormatDF(2) + ", " + FormatStandard(2) + FormatDetection(2);
}

std::string OrvVectorDataset::GetMarkerText() {
    if (!ViewSetup().GetMarkerVisible()) return {};
    // A spectrum known only from the memory directory has no element to mark.
    if (m_nCursor < 0 || m_nCursor >= GetElementCount()) return {};
    return "MARKER: F = " + FormatValue(static_cast<double>(m_nDF) * m_nCursor, "Hz") +
           ", VALUE = " + FormatValue(GetElementValue(m_nCursor), GetUnitText()) + "\n" +
           m_sPeakText;
}

void OrvVectorDataset::RefinePeak(VectorPeak& peak) const {
    const auto k = static_cast<std::size_t>(peak.m_dBin);
    const double center = m_Elements[k].m_dValue;
    peak.m_dFrequency = static_cast<double>(k) * m_nDF;
    peak.m_dPeakValue = center;
    // The first element has no left neighbour, and a parabola through the
    // logarithms needs values that have one.
    if (k == 0) return;
    const double left = m_Elements[k - 1].m_dValue;
    const double right = m_Elements[k + 1].m_dValue;
    if (left < 0 || center < 0 || right < 0) return;
    const double lLeft = std::log(left + kLogFloor);
    const double lCenter = std::log(center + kLogFloor);
    const double lRight = std::log(right + kLogFloor);
    const double d1 = (lRight - lLeft) * 0.5;
    const double d2 = (lRight + lLeft) * 0.5 - lCenter;
    if (!(d2 > kFlattestCurvature && d2 < 0)) return;
    const double offset = -d1 * 0.5 / d2;
    peak.m_dFrequency = (static_cast<double>(k) + offset) * m_nDF;
    peak.m_dPeakValue = std::exp(lCenter + d1 * offset + d2 * offset * offset);
}

const std::vector<VectorPeak>& OrvVectorDataset::FindPeaks() {
    if (!m_Peaks.empty()) return m_Peaks;
    const FrequencyWindow window = PeakWindow(m_nDF);
    std::vector<VectorPeak> peaks;
    double before = 0.0;
    // The last element has no right neighbour and is never a peak.
    for (std::size_t k = 0; k + 1 < m_Elements.size(); ++k) {
        const double value = m_Elements[k].m_dValue;
        if (value > before && value >= m_Elements[k + 1].m_dValue) {
            // The window is tested one step above the bin itself.
            const double testFrequency = static_cast<double>(m_nDF) * static_cast<double>(k + 1);
            if (testFrequency >= window.low && testFrequency <= window.high)
                peaks.push_back(VectorPeak{static_cast<double>(k), 0.0, value});
        }
        before = value;
    }
    SortLargestFirst(peaks);
    if (peaks.size() > kMaxPeaks) peaks.resize(kMaxPeaks);
    for (VectorPeak& peak : peaks)
        RefinePeak(peak);
    SortLargestFirst(peaks);
    m_Peaks = std::move(peaks);
    return m_Peaks;
}

bool OrvVectorDataset::NearestPeak(double& frequency, double& value) {
    const std::vector<VectorPeak>& peaks = FindPeaks();
    if (peaks.empty()) return false;
    const double marker = static_cast<double>(m_nDF) * m_nCursor;
    const std::size_t shown = std::min<std::size_t>(
        peaks.size(), static_cast<std::size_t>(std::max(0, ViewSetup().GetPeakCount())));
    std::size_t chosen = 0;
    double nearest = kPeakCatchDistanceHz;
    for (std::size_t i = 0; i < shown; ++i) {
        const double distance = std::fabs(std::trunc(marker - peaks[i].m_dFrequency));
        if (distance < nearest) {
            nearest = distance;
            chosen = i;
        }
    }
    frequency = peaks[chosen].m_dFrequency;
    value = peaks[chosen].m_dPeakValue;
    m_sPeakText = "PEAK: F = " + FormatValue(frequency, "Hz") +
                  ", VALUE = " + FormatValue(value, GetUnitText());
    return true;
}

} // namespace ombrix
