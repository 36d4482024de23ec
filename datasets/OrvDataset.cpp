#include "datasets/OrvDataset.h"

#include "datasets/ColumnWidths.h"
#include "datasets/DataTree.h"
#include "datasets/TransferFields.h"

#include <algorithm>
#include <string_view>

namespace ombrix {

namespace {

char g_transferSeparator = ',';

// The lines of a comment as they are written: one per line break, so every
// written line ends the way the file's lines do.
std::vector<std::string_view> CommentLines(std::string_view comment) {
    std::vector<std::string_view> result;
    while (true) {
        const auto end = comment.find('\n');
        std::string_view line = comment.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        result.push_back(line);
        if (end == std::string_view::npos) break;
        comment.remove_prefix(end + 1);
    }
    return result;
}

} // namespace

OrvDataset::OrvDataset(int memNumber, Code dataType, Code probe, Code channel, Code mode,
                       DateTime dateTime)
    : m_nMode(mode), m_nChannel(channel), m_nProbe(probe), m_nDataType(dataType),
      m_nMemNumber(memNumber), m_dtDateTime(dateTime) {
    SetExportSeparator(true);
}

char OrvDataset::TransferSeparator() {
    return g_transferSeparator;
}

void OrvDataset::SetTransferSeparator(char separator) {
    g_transferSeparator = separator;
}

std::string OrvDataset::FormatField(const std::string& label, const std::string& value, int mode) {
    switch (mode) {
    case 0:
        return value;
    case 1:
        return label;
    case 2:
        return label + ": " + value;
    case 3:
        return PadCell(label + ":", 12) + value;
    case 4:
        return PadCell(label, 8) + value;
    default:
        return {};
    }
}

std::string OrvDataset::FormatMemNumber(int mode) const {
    return FormatField("MEM#", DecimalText(m_nMemNumber), mode);
}

std::string OrvDataset::FormatDataType(int mode) const {
    static constexpr const char* kLetters[] = {"N", "A", "M", "L", "V"};
    const bool known = m_nDataType >= eNormal && m_nDataType <= eVector;
    return FormatField("D", known ? kLetters[m_nDataType - eNormal] : "?", mode);
}

std::string OrvDataset::FormatProbe(int mode) const {
    return FormatField("PROBE", ProbeText(m_nProbe), mode);
}

std::string OrvDataset::FormatChannel(int mode) const {
    return FormatField("CHN", ChannelText(m_nChannel), mode);
}

std::string OrvDataset::FormatMode(int mode) const {
    return FormatField("MODE", ModeText(m_nMode), mode);
}

std::string OrvDataset::FormatDate(int mode) const {
    if (mode == 1) return "DATE";
    return FormatField(
        "DATE", FormatDateTime(GetExportFormat(ExportFormatKind::Date, true), m_dtDateTime), mode);
}

std::string OrvDataset::FormatTime(int mode) const {
    if (mode == 1) return "TIME";
    return FormatField(
        "TIME", FormatDateTime(GetExportFormat(ExportFormatKind::Time, true), m_dtDateTime), mode);
}

std::string OrvDataset::FormatDateAndTime(int mode) const {
    return FormatField("DATE/TIME", DateToStr(m_dtDateTime) + "/" + TimeToStr(m_dtDateTime), mode);
}

std::string OrvDataset::QuantityName() const {
    switch (m_nProbe) {
    case eExtProbe1:
    case eExtProbe2:
    case eIntProbe:
        return "Magnetic Induction";
    case eEFieldProbe:
        return "Electric field strength";
    default:
        return "?";
    }
}

bool OrvDataset::SameDataset(const OrvDataset& a, const OrvDataset& b) {
    return a.m_nDataType == b.m_nDataType && a.m_nProbe == b.m_nProbe &&
           a.m_nChannel == b.m_nChannel && a.m_nMode == b.m_nMode &&
           a.m_dtDateTime == b.m_dtDateTime;
}

void OrvDataset::AddCommonCells(RecordCells& cells) const {
    cells.Add(FormatMemNumber(1), FormatMemNumber(0), kMemNumberWidth);
    cells.Add(FormatDataType(1), FormatDataType(0), kDataTypeWidth);
    cells.Add(FormatProbe(1), FormatProbe(0), kProbeWidth);
    cells.Add(FormatChannel(1), FormatChannel(0), kChannelWidth);
    cells.Add(FormatMode(1), FormatMode(0), kModeWidth);
}

void OrvDataset::AddDateTimeCells(RecordCells& cells) const {
    cells.Add(FormatDate(1), FormatDate(0), kDateWidth);
    cells.Add(FormatTime(1), FormatTime(0), kTimeWidth);
}

void OrvDataset::AddRecordLines(LineList& lines, RecordCells& cells) {
    StripLastSeparator(cells.labels);
    lines.Add(std::move(cells.labels));
    lines.Add(std::move(cells.values));
}

void OrvDataset::ExportTo(LineList& lines, bool /*csv*/) {
    const std::vector<std::string_view> comment =
        m_sComment.empty() ? std::vector<std::string_view>{} : CommentLines(m_sComment);
    // The record's own lines are already in; the comment must fit behind them.
    lines.RequireRoomFor(std::max<std::size_t>(1, comment.size()));
    m_bExported = true;
    if (comment.empty()) return;
    lines.Add("COMMENT" + GetExportSeparator() + " " + std::string(comment.front()));
    for (std::size_t i = 1; i < comment.size(); ++i)
        lines.Add(std::string(comment[i]));
}

bool OrvDataset::ParseFrom(const TransferLines& lines, int& index) {
    const int count = static_cast<int>(lines.size());
    if (index < 0 || index >= count) return false;
    bool commentOpen = false;
    while (true) {
        const std::string_view line = lines[static_cast<std::size_t>(index)];
        if (StartsWith(line, "MEM#")) return true;
        if (StartsWith(line, "COMMENT")) {
            FieldSplitter fields(line, TransferSeparator());
            fields.Next();
            m_sComment.assign(fields.Rest());
            commentOpen = true;
        } else if (commentOpen) {
            m_sComment += '\n';
            m_sComment += line;
        }
        if (++index >= count) return true;
    }
}

DataTreeNode* OrvDataset::AddToTree(DataTree& nodes, DataTreeNode* parent) {
    if (DataTreeNode* node = nodes.FindFirst(this)) {
        m_pTreeNode = node;
        return node;
    }
    std::string text(1, '#');
    text += FormatMemNumber(0);
    for (const std::string& part : {FormatDataType(2), FormatMode(2), FormatDateAndTime(0)}) {
        text += ", ";
        text += part;
    }
    m_pTreeNode = nodes.AddChild(parent, text, NodeData{this});
    // A new node has none of the children that an earlier expansion built.
    m_bExpanded = false;
    return m_pTreeNode;
}

void OrvDataset::AddLeaf(DataTree& nodes, DataTreeNode* parent, std::string text) {
    if (!text.empty()) nodes.AddChild(parent, std::move(text), NodeData{this});
}

void OrvDataset::ExpandNode(DataTree& /*nodes*/, DataTreeNode* /*node*/) {
    m_bExpanded = true;
}

std::string OrvDataset::GetInfoText() {
    return FormatProbe(2) + ", " + FormatChannel(2) + "\n" + FormatMemNumber(2) + ", " +
           FormatDataType(2) + ", " + FormatMode(2) + "\n" + FormatDateAndTime(2);
}

std::string OrvDataset::GetMarkerText() {
    return {};
}

int OrvDataset::GetCursor() {
    return m_nCursor;
}

void OrvDataset::SetCursor(int /*index*/) {}

ValueClass OrvDataset::GetValueClass() {
    return BaseValueClass();
}

void OrvDataset::GetLastPoint(double& number, double& value) {
    number = m_dLastNumber;
    value = m_dLastValue;
}

void OrvDataset::SetLastPoint(double number, double value) {
    m_dLastNumber = number;
    m_dLastValue = value;
}

ValueClass OrvDataset::BaseValueClass() const {
    if (m_nMode == eSTD) return ePercent;
    if (m_nProbe == eEFieldProbe) return eEField;
    return eBField;
}

ValueClass OrvDataset::ResolveByUnit(ValueClass base, Code unit) {
    if (base != eBField) return base;
    switch (unit) {
    case eUnitG:
        return eGauss;
    case eUnitAm:
        return eAmperePerMetre;
    default:
        return eTesla;
    }
}

} // namespace ombrix
