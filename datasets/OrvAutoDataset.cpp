#include "datasets/OrvAutoDataset.h"

#include "core/LargeMemory.h"

#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "datasets/AnalyserTime.h"
#include "datasets/ColumnWidths.h"
#include "datasets/DataTree.h"
#include "datasets/TransferFields.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace ombrix {

namespace {

constexpr std::size_t kReservedSamples = 1024;
// Appends after the user moved the marker during which it stays put.
constexpr int kMarkerHoldAppends = 5;

constexpr const char* kFrequencyLabel = "FREQ[HZ]";

enum class SampleColumn { Number, Value, Valid, Frequency };

// Shared by every series: the live series is replaced by a new one now and
// then, and the user's marker must not be forgotten with it.
int g_lastSeenCursor = 0;
int g_markerHoldCountdown = 0;

std::string ValueText(double value) {
    return FormatFloat(value, FloatForm::Exponent, 5, 2);
}

int FrequencyOrNone(std::string_view text) {
    int frequency = -1;
    return TryParseInt(text, frequency) ? frequency : -1;
}

} // namespace

OrvAutoDataset::OrvAutoDataset(int memNumber, Code probe, Code channel, Code mode,
                               DateTime dateTime)
    : OrvNormalDataset(memNumber, probe, channel, mode, dateTime) {
    m_nDataType = eAuto;
}

// ---- samples ---------------------------------------------------------------

const OrvAutoList* OrvAutoDataset::SampleAt(int i) const {
    if (i < 0 || i >= GetSampleCount()) return nullptr;
    return &m_Samples[static_cast<std::size_t>(i)];
}

int OrvAutoDataset::CurrentSample() {
    if (m_nCursor < 0 || m_nCursor >= GetSampleCount()) m_nCursor = GetSampleCount() - 1;
    return m_nCursor;
}

void OrvAutoDataset::SetCursor(int index) {
    if (index < 0 || index >= GetSampleCount()) index = GetSampleCount() - 1;
    m_nCursor = index;
}

double OrvAutoDataset::GetValue() {
    const OrvAutoList* sample = SampleAt(CurrentSample());
    return sample ? sample->m_dValue : OrvNormalDataset::GetValue();
}

int OrvAutoDataset::GetFrequency() {
    const OrvAutoList* sample = SampleAt(CurrentSample());
    return sample ? sample->m_nFrequencyHz : OrvNormalDataset::GetFrequency();
}

Code OrvAutoDataset::GetValid() {
    return m_nFirstNotOK;
}

void OrvAutoDataset::NoteValidity(Code valid) {
    if (m_nFirstNotOK == eValidOK) m_nFirstNotOK = valid;
}

double OrvAutoDataset::GetSampleValue(int i) const {
    const OrvAutoList* sample = SampleAt(i);
    return sample ? sample->m_dValue : 0.0;
}

Code OrvAutoDataset::GetSampleValid(int i) const {
    const OrvAutoList* sample = SampleAt(i);
    return sample ? sample->m_nValid : kNotRead;
}

Code OrvAutoDataset::FirstInvalidInRange(DateTime from, DateTime to) const {
    if (from < m_dtDateTime) from = m_dtDateTime;
    for (std::size_t i = 0; i < m_Samples.size(); ++i) {
        const DateTime taken = m_dtDateTime + static_cast<double>(i) * m_dStep;
        if (taken < from) continue;
        // A sample after the range says nothing about the range, whatever its
        // validity.
        if (taken > to) break;
        if (m_Samples[i].m_nValid != eValidOK) return m_Samples[i].m_nValid;
    }
    return eValidOK;
}

bool OrvAutoDataset::LastSampleExceeds() {
    if (m_Samples.empty()) return false;
    return m_Samples.back().m_dValue > ViewSetup().GetThreshold(GetValueClass());
}

std::unique_ptr<OrvNormalDataset> OrvAutoDataset::ExtractSample() {
    const OrvAutoList* sample = SampleAt(CurrentSample());
    if (!sample) return nullptr;
    auto single = std::make_unique<OrvNormalDataset>(m_nMemNumber, m_nProbe, m_nChannel, m_nMode,
                                                     m_dtDateTime + m_nCursor * m_dStep);
    single->SetValueFields(sample->m_dValue, sample->m_nValid, sample->m_nFrequencyHz);
    single->m_dFilterFrequency = m_dFilterFrequency;
    single->m_nUnit = m_nUnit;
    single->m_nDetection = m_nDetection;
    single->m_nMaxHold = m_nMaxHold;
    single->m_sStandard = m_sStandard;
    single->m_nFilterType = m_nFilterType;
    single->m_nFilter = m_nFilter;
    return single;
}

bool OrvAutoDataset::AppendSamples(const TransferLines& lines) {
    FormatSettingsScope restore;
    // The live block comes from the analyser, which always writes a point.
    CurrentFormat().DecimalSeparator = '.';
    const char separator = TransferSeparator();
    for (const std::string_view line : lines) {
        FieldSplitter fields(line, separator);
        const std::string_view number = fields.Next();
        const std::string_view value = fields.Next();
        // Without number and value a line would become a sample of nothing.
        if (number.empty() || value.empty()) continue;
        OrvAutoList sample;
        if (!TryParseInt(number, sample.m_nNumber) || !TryParseFloat(value, '.', sample.m_dValue))
            continue;
        const std::string_view validity = fields.Next();
        if (!validity.empty()) {
            try {
                sample.m_nValid = ParseValid(std::string(validity));
            } catch (const std::invalid_argument&) {
                continue;
            }
            const std::string_view frequency = fields.Next();
            if (!frequency.empty()) sample.m_nFrequencyHz = FrequencyOrNone(frequency);
        }
        m_Samples.push_back(sample);
        NoteValidity(sample.m_nValid);
        m_dLastNumber = sample.m_nNumber;
        m_dLastValue = sample.m_dValue;
    }
    FollowNewestSample();
    return true;
}

void OrvAutoDataset::FollowNewestSample() {
    if (m_nCursor != g_lastSeenCursor) {
        g_lastSeenCursor = m_nCursor;
        g_markerHoldCountdown = kMarkerHoldAppends;
    }
    if (g_markerHoldCountdown > 0) {
        --g_markerHoldCountdown;
        return;
    }
    m_nCursor = GetSampleCount() - 1;
    g_lastSeenCursor = m_nCursor;
}

// ---- field texts -------------------------------------------------------------

std::string OrvAutoDataset::FormatStep(int mode) const {
    return FormatField("STEP", FormatAnalyserTime(m_dStep), mode);
}

std::string OrvAutoDataset::FormatSampleNumber(int i, int mode) const {
    const OrvAutoList* sample = SampleAt(i);
    return FormatField("N", sample ? DecimalText(sample->m_nNumber) : std::string(), mode);
}

std::string OrvAutoDataset::FormatSampleValue(int i, int mode) const {
    const OrvAutoList* sample = SampleAt(i);
    return FormatField("VALUE" + UnitText(m_nUnit, true),
                       sample ? ValueText(sample->m_dValue) : std::string(), mode);
}

std::string OrvAutoDataset::FormatSampleValid(int i, int mode) const {
    const OrvAutoList* sample = SampleAt(i);
    return FormatField("VALID", sample ? ValidText(sample->m_nValid) : std::string(), mode);
}

std::string OrvAutoDataset::FormatSampleFrequency(int i, int mode) const {
    const OrvAutoList* sample = SampleAt(i);
    return FormatField(kFrequencyLabel,
                       sample ? DecimalText(sample->m_nFrequencyHz) : std::string(), mode);
}

// ---- transfer text -----------------------------------------------------------

bool OrvAutoDataset::ParseFrom(const TransferLines& lines, int& index) {
    if (index < 0 || lines.size() < static_cast<std::size_t>(index) + 4) return false;
    const std::size_t first = static_cast<std::size_t>(index);
    const char separator = TransferSeparator();

    const bool known = ReadColumns(lines[first], lines[first + 1], separator,
                                   [this](std::string_view name, std::string_view value) {
                                       if (name == "STANDARD") {
                                           m_sStandard = value;
                                       } else if (name == "MAX") {
                                           m_nMaxHold = ParseMax(std::string(value));
                                       } else if (name == "STEP") {
                                           m_dStep = ParseAnalyserTime(value);
                                       } else if (name == "FILTER") {
                                           ParseFilterField(std::string(value));
                                       } else if (name == "DET") {
                                           m_nDetection = ParseDetectionFIL(std::string(value));
                                       } else {
                                           return IsCommonColumn(name);
                                       }
                                       return true;
                                   });
    if (!known) return false;

    // Every sample line is read by the one sample label line, so its names are
    // looked at once, not once per sample.
    std::vector<SampleColumn> columns;
    for (FieldSplitter names(lines[first + 2], separator, true); !names.Empty();) {
        const std::string_view name = names.Next();
        if (name.empty()) break;
        if (name == "N") {
            columns.push_back(SampleColumn::Number);
        } else if (StartsWith(name, "VALUE")) {
            m_nUnit = ParseUnit(std::string(name.substr(5)));
            columns.push_back(SampleColumn::Value);
        } else if (name == "VALID") {
            columns.push_back(SampleColumn::Valid);
        } else if (StartsWith(name, kFrequencyLabel)) {
            columns.push_back(SampleColumn::Frequency);
        } else {
            return false;
        }
    }

    m_Samples = {};
    m_nFirstNotOK = eValidOK;
    // Counted once: the loop then reads exactly these lines.
    const std::size_t sampleLines = ValueLineCount(lines, first + 3);
    m_Samples.reserve(std::max(kReservedSamples, sampleLines));
    AdviseHugePagesFor(m_Samples);
    PreparePagesFor(m_Samples);
    const char decimal = CurrentFormat().DecimalSeparator;
    std::size_t line = first + 3;
    for (;; ++line) {
        OrvAutoList& sample = m_Samples.emplace_back();
        FieldSplitter values(lines[line], separator);
        for (SampleColumn column : columns) {
            const std::string_view value = values.Next();
            switch (column) {
            case SampleColumn::Number:
                sample.m_nNumber = ParseInt(value);
                break;
            case SampleColumn::Value:
                sample.m_dValue = ParseFloat(value, decimal);
                break;
            case SampleColumn::Valid:
                sample.m_nValid = ReadValid(value);
                break;
            case SampleColumn::Frequency:
                sample.m_nFrequencyHz = FrequencyOrNone(value);
                break;
            }
        }
        NoteValidity(sample.m_nValid);
        m_dLastNumber = sample.m_nNumber;
        m_dLastValue = sample.m_dValue;
        if (line + 1 >= first + 3 + sampleLines) break;
    }

    index = static_cast<int>(line + 1);
    m_nCursor = GetSampleCount() - 1;
    OrvDataset::ParseFrom(lines, index);
    return true;
}

void OrvAutoDataset::ExportTo(LineList& lines, bool csv) {
    RecordCells cells;
    AddCommonCells(cells);
    // A column without a value would leave an empty name in the label line,
    // which ends or fails the reading of the record; such columns are left out.
    if (m_nMode == eSTD && !m_sStandard.empty())
        cells.Add(FormatStandard(1), FormatStandard(0), kStandardWidth);
    AddDateTimeCells(cells);
    cells.Add(FormatStep(1), FormatStep(0), kStepWidth);
    if (m_nMode == eFST) {
        if (m_nFilterType != kNotRead) cells.Add(FormatFilter(1), FormatFilter(0), kFilterWidth);
        if (m_nDetection != kNotRead)
            cells.Add(FormatDetection(1), FormatDetection(0), kDetectionWidth);
    }

    lines.RequireRoomFor(m_Samples.size() + 3);
    AddRecordLines(lines, cells);

    const bool withFrequency = !m_Samples.empty() && m_Samples.front().m_nFrequencyHz >= 0;
    std::string labels;
    AppendCell(labels, "N", kNumberWidth);
    AppendCell(labels, "VALUE" + UnitText(m_nUnit, true), kValueWidth);
    AppendCell(labels, "VALID", kValidWidth);
    if (withFrequency) AppendCell(labels, kFrequencyLabel, kFrequencyWidth);
    StripLastSeparator(labels);
    lines.Add(std::move(labels));

    // The sample lines are built in the file text itself, cell by cell.
    const std::string_view separator = GetExportSeparator();
    const char decimal = CurrentFormat().DecimalSeparator;
    lines.ReserveText(m_Samples.size() *
                      (kNumberWidth + kValueWidth + kValidWidth + kFrequencyWidth + 2));
    for (const OrvAutoList& sample : m_Samples) {
        lines.AddInPlace([&](std::string& text) {
            CellWriter cell(text, separator);
            cell.Decimal(sample.m_nNumber, kNumberWidth);
            cell.Exponent(sample.m_dValue, decimal, kValueWidth);
            cell.Text(ValidCellText(sample.m_nValid), kValidWidth);
            if (withFrequency) cell.Decimal(sample.m_nFrequencyHz, kFrequencyWidth);
            cell.Finish();
        });
    }
    OrvDataset::ExportTo(lines, csv);
}

// ---- tree and texts ----------------------------------------------------------

std::string OrvAutoDataset::SampleNodeText(int i, bool withFrequency) const {
    std::string text = FormatSampleNumber(i, 2) + ";  " + FormatSampleValue(i, 2) + ";  " +
                       FormatSampleValid(i, 2) + ";";
    if (withFrequency) text += "  " + FormatSampleFrequency(i, 2) + ";";
    return text;
}

DataTreeNode* OrvAutoDataset::AddToTree(DataTree& nodes, DataTreeNode* parent) {
    DataTreeNode* node = OrvDataset::AddToTree(nodes, parent);
    if (!node->HasChildren()) {
        DataTreeNode* configuration = nodes.AddChild(node, "Configuration", NodeData{this});
        AddLeaf(nodes, configuration, FormatProbe(2));
        AddLeaf(nodes, configuration, FormatChannel(2));
        if (m_nMode == eFST) {
            AddLeaf(nodes, configuration, FormatFilter(2));
            AddLeaf(nodes, configuration, FormatDetection(2));
        } else if (m_nMode == eSTD) {
            AddLeaf(nodes, configuration, FormatStandard(2));
        }
        AddLeaf(nodes, configuration, FormatStep(2));
        nodes.AddChild(node, "Values", NodeData{this});
    }
    // The live series calls this every tick: only the samples that have no
    // node yet get one.
    DataTreeNode* values = node->LastChild();
    const int shown = static_cast<int>(values->ChildCount());
    if (shown < GetSampleCount()) {
        const bool withFrequency = GetFrequency() >= 0;
        for (int i = shown; i < GetSampleCount(); ++i)
            nodes.AddChild(values, SampleNodeText(i, withFrequency), NodeData{this});
    }
    return node;
}

std::string OrvAutoDataset::GetInfoText() {
    return OrvDataset::GetInfoText() + "\n" + FormatStep(2) + ", " + FormatFilter(2) + ", " +
           FormatStandard(2) + FormatDetection(2);
}

std::string OrvAutoDataset::GetMarkerText() {
    if (!ViewSetup().GetMarkerVisible()) return {};
    const OrvAutoList* sample = SampleAt(CurrentSample());
    if (!sample) return {};
    const std::string value = sample->m_nValid != eValidOK
                                  ? ValidText(sample->m_nValid)
                                  : FormatValue(sample->m_dValue, GetUnitText());
    return "MARKER: Time = " + TimeToStr(m_dtDateTime + m_dStep * m_nCursor) + ", VALUE = " + value;
}

} // namespace ombrix
