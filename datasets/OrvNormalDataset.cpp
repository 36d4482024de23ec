#include "datasets/OrvNormalDataset.h"

#include "core/NumberFormat.h"
#include "datasets/ColumnWidths.h"
#include "datasets/DataTree.h"
#include "datasets/TransferFields.h"

namespace ombrix {

namespace {

constexpr Code kBroadband = 0;
constexpr Code kBandPass = 1;
constexpr Code kBandStop = 2;

} // namespace

OrvNormalDataset::OrvNormalDataset(int memNumber, Code probe, Code channel, Code mode,
                                   DateTime dateTime)
    : OrvDataset(memNumber, eNormal, probe, channel, mode, dateTime) {}

Code OrvNormalDataset::GetValid() {
    return m_nValid;
}

double OrvNormalDataset::GetValue() {
    return m_dValue;
}

int OrvNormalDataset::GetFrequency() {
    return m_nFrequency;
}

ValueClass OrvNormalDataset::GetValueClass() {
    return ResolveByUnit(BaseValueClass(), m_nUnit);
}

std::string OrvNormalDataset::FormatFilter(int mode) const {
    std::string value;
    switch (m_nFilterType) {
    case kBandPass:
    case kBandStop:
        value = (m_nFilterType == kBandPass ? "BP" : "BS") +
                FormatFloat(m_dFilterFrequency, FloatForm::Fixed, 3, 1) + "Hz";
        break;
    case kBroadband:
        value = FilterText(m_nFilter, ExportDecimalSeparator());
        break;
    default:
        break;
    }
    return FormatField("FILTER", value, mode);
}

std::string OrvNormalDataset::FormatStandard(int mode) const {
    if (m_sStandard.empty()) return {};
    return FormatField("STANDARD", m_sStandard, mode);
}

std::string OrvNormalDataset::FormatMaxHold(int mode) const {
    return FormatField("MAX", MaxText(m_nMaxHold), mode);
}

std::string OrvNormalDataset::FormatDetection(int mode) const {
    if (m_nDetection == kNotRead) return {};
    return FormatField("DET", DetectionFILText(m_nDetection), mode);
}

std::string OrvNormalDataset::FormatValueField(int mode) const {
    return FormatField("VALUE" + UnitText(m_nUnit, true),
                       FormatFloat(m_dValue, FloatForm::Exponent, 5, 2), mode);
}

std::string OrvNormalDataset::FormatValid(int mode) const {
    return FormatField("VALID", ValidText(m_nValid), mode);
}

std::string OrvNormalDataset::FormatFrequency(int mode) const {
    if (m_nFrequency == -1) return {};
    return FormatField("FREQU[Hz]", DecimalText(m_nFrequency), mode);
}

void OrvNormalDataset::ParseFilterField(const std::string& text) {
    const std::string_view kind = std::string_view(text).substr(0, 2);
    if (kind == "BP" || kind == "BS") {
        m_nFilterType = kind == "BP" ? kBandPass : kBandStop;
        std::string_view frequency = std::string_view(text).substr(2);
        frequency.remove_suffix(std::min<std::size_t>(2, frequency.size()));
        m_dFilterFrequency = ParseFloat(frequency);
    } else {
        m_nFilterType = kBroadband;
        m_nFilter = ParseFilter(text);
    }
}

bool OrvNormalDataset::ReadColumn(std::string_view name, std::string_view value) {
    if (IsCommonColumn(name)) return true;
    const std::string text(value);
    if (name == "STANDARD") {
        m_sStandard = text;
    } else if (name == "FILTER") {
        ParseFilterField(text);
    } else if (name == "DET") {
        m_nDetection = ParseDetectionFIL(text);
    } else if (name == "MAX") {
        m_nMaxHold = ParseMax(text);
    } else if (name == "VALID") {
        m_nValid = ParseValid(text);
    } else if (StartsWith(name, "VALUE")) {
        m_dValue = ParseFloat(value);
        m_nUnit = ParseUnit(std::string(name.substr(5)));
    } else if (StartsWith(name, "FREQU")) {
        int frequency = -1;
        m_nFrequency = TryParseInt(value, frequency) ? frequency : -1;
    } else {
        return false;
    }
    return true;
}

bool OrvNormalDataset::ParseFrom(const TransferLines& lines, int& index) {
    if (index < 0 || static_cast<int>(lines.size()) - index < 2) return false;
    const std::string_view labels = lines[static_cast<std::size_t>(index)];
    const std::string_view values = lines[static_cast<std::size_t>(index) + 1];
    index += 2;
    const bool known = ReadColumns(
        labels, values, TransferSeparator(),
        [this](std::string_view name, std::string_view value) { return ReadColumn(name, value); });
    if (!known) return false;
    OrvDataset::ParseFrom(lines, index);
    return true;
}

void OrvNormalDataset::ExportTo(LineList& lines, bool csv) {
    RecordCells cells;
    AddCommonCells(cells);
    // A setting that was never read has no text a reader would take back (an
    // empty name ends the columns, "invalid value" is no vocabulary word and
    // splits in two in plain text); its column is left out, and reading the
    // record leaves the setting unread again.
    if (m_nMode == eSTD && !m_sStandard.empty())
        cells.Add(FormatStandard(1), FormatStandard(0), kStandardWidth);
    AddDateTimeCells(cells);
    if (m_nMode == eFST) {
        if (m_nFilterType != kNotRead) cells.Add(FormatFilter(1), FormatFilter(0), kFilterWidth);
        if (m_nDetection != kNotRead)
            cells.Add(FormatDetection(1), FormatDetection(0), kDetectionWidth);
    }
    if (m_nMaxHold != kNotRead) cells.Add(FormatMaxHold(1), FormatMaxHold(0), kMaxHoldWidth);
    cells.Add(FormatValueField(1), FormatValueField(0), kValueWidth);
    if (m_nValid != kNotRead) cells.Add(FormatValid(1), FormatValid(0), kValidWidth);
    if (m_nFrequency >= 0) cells.Add(FormatFrequency(1), FormatFrequency(0), kFrequencyWidth);

    lines.RequireRoomFor(2);
    AddRecordLines(lines, cells);
    OrvDataset::ExportTo(lines, csv);
}

DataTreeNode* OrvNormalDataset::AddToTree(DataTree& nodes, DataTreeNode* parent) {
    DataTreeNode* node = OrvDataset::AddToTree(nodes, parent);
    if (node->HasChildren()) return node;

    DataTreeNode* configuration = nodes.AddChild(node, "Configuration", NodeData{this});
    AddLeaf(nodes, configuration, FormatProbe(2));
    AddLeaf(nodes, configuration, FormatChannel(2));
    AddLeaf(nodes, configuration, FormatMaxHold(2));
    if (m_nMode == eFST) {
        AddLeaf(nodes, configuration, FormatFilter(2));
        AddLeaf(nodes, configuration, FormatDetection(2));
    } else if (m_nMode == eSTD) {
        AddLeaf(nodes, configuration, FormatStandard(2));
    }

    DataTreeNode* value = nodes.AddChild(node, "Value", NodeData{this});
    AddLeaf(nodes, value, FormatValid(2));
    AddLeaf(nodes, value, FormatValueField(2));
    AddLeaf(nodes, value, FormatFrequency(2));
    return node;
}

std::string OrvNormalDataset::GetInfoText() {
    return OrvDataset::GetInfoText() + "\n" + FormatFilter(2) + ", " + FormatMaxHold(2) + ", " +
           FormatValid(2) + ", " + FormatDetection(2) + FormatStandard(2);
}

} // namespace ombrix
