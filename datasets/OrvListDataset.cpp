#include "datasets/OrvListDataset.h"

#include "core/NumberFormat.h"
#include "datasets/ColumnWidths.h"
#include "datasets/DataTree.h"
#include "datasets/TransferFields.h"

namespace ombrix {

namespace {

constexpr int kValueLineCount = 12;
// Label line, value line and the twelve value lines.
constexpr std::size_t kRecordLines = 2 + kValueLineCount;
// Harmonics and their sums are shown to at most this many characters.
constexpr std::size_t kPercentChars = 6;

std::string PercentText(double value) {
    std::string text = FormatFloat(value, FloatForm::Fixed, 5, 4);
    if (text.size() > kPercentChars) text.resize(kPercentChars);
    return text;
}

std::string HarmonicLabel(int i) {
    std::string label(1, 'K');
    label += DecimalText(i + 2);
    label += "[%]";
    return label;
}

} // namespace

OrvListDataset::OrvListDataset(int memNumber, Code probe, Code channel, Code mode,
                               DateTime dateTime)
    : OrvDataset(memNumber, eList, probe, channel, mode, dateTime) {}

ValueClass OrvListDataset::GetValueClass() {
    return ResolveByUnit(BaseValueClass(), m_nUnit);
}

double OrvListDataset::GetHarmonic(int i) const {
    return i >= 0 && i < kHarmonicCount ? m_dK[static_cast<std::size_t>(i)] : -1.0;
}

std::string OrvListDataset::FormatF1(int mode) const {
    return FormatField("F1[Hz]", FormatFloat(m_dF1, FloatForm::Fixed, 5, 2), mode);
}

std::string OrvListDataset::FormatV1(int mode) const {
    return FormatField("V1" + UnitText(m_nUnit, true),
                       FormatFloat(m_dV1, FloatForm::Exponent, 5, 2), mode);
}

std::string OrvListDataset::FormatHarmonic(int i, int mode) const {
    return FormatField(HarmonicLabel(i), PercentText(GetHarmonic(i)), mode);
}

std::string OrvListDataset::FormatKT(int mode) const {
    return FormatField("KT[%]", PercentText(m_dKT), mode);
}

std::string OrvListDataset::FormatKN(int mode) const {
    return FormatField("KN[%]", PercentText(m_dKN), mode);
}

std::string OrvListDataset::FormatDetection(int mode) const {
    return FormatField("DET", DetectionFFTText(m_nDetection), mode);
}

std::string OrvListDataset::FormatMaxHold(int mode) const {
    return FormatField("MAX", MaxText(m_nMaxHold), mode);
}

std::string OrvListDataset::FormatValid(int mode) const {
    return FormatField("VALID", ValidText(m_nValid), mode);
}

std::string OrvListDataset::FormatValueLine(int line, int mode) const {
    if (line == 0) return FormatF1(mode);
    if (line == 1) return FormatV1(mode);
    if (line == 10) return FormatKT(mode);
    if (line == 11) return FormatKN(mode);
    return FormatHarmonic(line - 2, mode);
}

bool OrvListDataset::ReadColumn(std::string_view name, std::string_view value) {
    if (IsCommonColumn(name)) return true;
    if (name == "DET")
        m_nDetection = ParseDetectionFFT(std::string(value));
    else if (name == "MAX")
        m_nMaxHold = ParseMax(std::string(value));
    else if (name == "VALID")
        m_nValid = ParseValid(std::string(value));
    else
        return false;
    return true;
}

bool OrvListDataset::ReadValueLine(std::string_view line) {
    FieldSplitter fields(line, TransferSeparator());
    const std::string_view label = fields.Next();
    const std::string_view value = fields.Rest();
    if (label == "F1[Hz]") {
        m_dF1 = ParseFloat(value);
    } else if (StartsWith(label, "V1")) {
        m_dV1 = ParseFloat(value);
        m_nUnit = ParseUnit(std::string(label.substr(2)));
    } else if (label == "KT[%]") {
        m_dKT = ParseFloat(value);
    } else if (label == "KN[%]") {
        m_dKN = ParseFloat(value);
    } else {
        for (int i = 0; i < kHarmonicCount; ++i) {
            if (label == HarmonicLabel(i)) {
                m_dK[static_cast<std::size_t>(i)] = ParseFloat(value);
                return true;
            }
        }
        return false;
    }
    return true;
}

bool OrvListDataset::ParseFrom(const TransferLines& lines, int& index) {
    if (index < 0 || static_cast<int>(lines.size()) - index < static_cast<int>(kRecordLines))
        return false;
    const std::string_view labels = lines[static_cast<std::size_t>(index)];
    const std::string_view values = lines[static_cast<std::size_t>(index) + 1];
    index += 2;
    const bool known = ReadColumns(
        labels, values, TransferSeparator(),
        [this](std::string_view name, std::string_view value) { return ReadColumn(name, value); });
    if (!known) return false;
    // The value lines may come in any order; a label met twice keeps its last value.
    for (int i = 0; i < kValueLineCount; ++i) {
        if (!ReadValueLine(lines[static_cast<std::size_t>(index)])) return false;
        ++index;
    }
    OrvDataset::ParseFrom(lines, index);
    return true;
}

void OrvListDataset::ExportTo(LineList& lines, bool csv) {
    RecordCells cells;
    AddCommonCells(cells);
    AddDateTimeCells(cells);
    // Settings never read are left out: their "invalid value" would not read back.
    if (m_nDetection != kNotRead)
        cells.Add(FormatDetection(1), FormatDetection(0), kDetectionWidth);
    if (m_nMaxHold != kNotRead) cells.Add(FormatMaxHold(1), FormatMaxHold(0), kMaxHoldWidth);
    if (m_nValid != kNotRead) cells.Add(FormatValid(1), FormatValid(0), kValidWidth);

    lines.RequireRoomFor(kRecordLines);
    AddRecordLines(lines, cells);
    for (int i = 0; i < kValueLineCount; ++i)
        lines.Add(FormatValueLine(i, 4));
    OrvDataset::ExportTo(lines, csv);
}

DataTreeNode* OrvListDataset::AddToTree(DataTree& nodes, DataTreeNode* parent) {
    DataTreeNode* node = OrvDataset::AddToTree(nodes, parent);
    if (node->HasChildren()) return node;

    DataTreeNode* configuration = nodes.AddChild(node, "Configuration", NodeData{this});
    AddLeaf(nodes, configuration, FormatProbe(2));
    AddLeaf(nodes, configuration, FormatChannel(2));
    AddLeaf(nodes, configuration, FormatMaxHold(2));
    AddLeaf(nodes, configuration, FormatDetection(2));

    DataTreeNode* values = nodes.AddChild(node, "Values", NodeData{this});
    for (int i = 0; i < kValueLineCount; ++i)
        AddLeaf(nodes, values, FormatValueLine(i, 2));
    return node;
}

std::string OrvListDataset::GetInfoText() {
    return OrvDataset::GetInfoText() + "\n" + FormatDetection(2) + ", " + FormatMaxHold(2) + ", " +
           FormatValid(2);
}

} // namespace ombrix
