#include "datasets/OrvDataList.h"

#include "core/ConvertError.h"
#include "core/FormatSettings.h"
#include "core/NumberFormat.h"
#include "datasets/DataTree.h"
#include "datasets/OrvAutoDataset.h"
#include "datasets/OrvNormalDataset.h"
#include "datasets/TransferRecords.h"
#include "presentation/ViewSetupStruct.h"

#include <algorithm>
#include <array>
#include <exception>

namespace ombrix {

namespace {

constexpr int kHeaderLines = 7;

std::function<bool()>& DatabaseViewQuery() {
    static std::function<bool()> query;
    return query;
}

struct SavedFormats {
    char decimal = 0;
    char date = 0;
    char time = 0;
    std::string shortDate;
};

SavedFormats& SavedSet() {
    static SavedFormats saved;
    return saved;
}

// The date picture a header date is written in, guessed from its separator.
void ChooseDateFormatFrom(const std::string& value, FormatSettings& fs) {
    if (value.find('-') != std::string::npos) {
        fs.ShortDateFormat = "yy-mm-dd";
        fs.DateSeparator = '-';
    } else if (value.find('/') != std::string::npos) {
        fs.ShortDateFormat = "dd/mm/yy";
        fs.DateSeparator = '/';
    } else {
        fs.ShortDateFormat = "dd.mm.yy";
        fs.DateSeparator = '.';
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A header date in the conventions in force, else in the picture its
// separator suggests (which then stays in force for the records).
DateTime ReadHeaderDate(const std::string& value, FormatSettings& fs) {
    DateTime date = 0;
    if (TryStrToDate(value, fs, date)) return date;
    ChooseDateFormatFrom(value, fs);
    return StrToDate(value, fs);
}

// Restores the saved conventions when a read leaves, whatever the path.
class RestoreOnExit {
public:
    explicit RestoreOnExit(bool active) : m_active(active) {}
    ~RestoreOnExit() {
        if (m_active) RestoreNumberFormats();
    }
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;

private:
    bool m_active;
};

} // namespace

void SaveNumberFormats() {
    const FormatSettings& fs = CurrentFormat();
    SavedSet() = {fs.DecimalSeparator, fs.DateSeparator, fs.TimeSeparator, fs.ShortDateFormat};
}

void RestoreNumberFormats() {
    FormatSettings& fs = CurrentFormat();
    const SavedFormats& saved = SavedSet();
    if (saved.decimal) fs.DecimalSeparator = saved.decimal;
    if (saved.date) fs.DateSeparator = saved.date;
    if (saved.time) fs.TimeSeparator = saved.time;
    if (!saved.shortDate.empty()) fs.ShortDateFormat = saved.shortDate;
}

void OrvDataList::SetDatabaseViewQuery(std::function<bool()> query) {
    DatabaseViewQuery() = std::move(query);
}

OrvDataList::OrvDataList() = default;
OrvDataList::~OrvDataList() = default;

void OrvDataList::SetHeader(std::string device, std::string serialNumber, std::string hwVersion,
                            std::string swVersion, DateTime calDate, DateTime swDateTime) {
    m_sDevice = std::move(device);
    m_sSerialNumber = std::move(serialNumber);
    m_sHwVersion = std::move(hwVersion);
    m_sSwVersion = std::move(swVersion);
    m_dtCalDate = calDate;
    m_dtSwDateTime = swDateTime;
}

void OrvDataList::DestroyAll() {
    m_pSelected = nullptr;
    if (m_pLiveInList) m_pLiveInList = nullptr;
    m_Datasets.clear();
    m_nListState = eEmtyList;
    m_nNormalCount = m_nAutoCount = m_nMatrixCount = m_nListCount = m_nVectorCount = 0;
}

void OrvDataList::CountKind(Code kind) {
    switch (kind) {
    case eNormal:
        ++m_nNormalCount;
        break;
    case eAuto:
        ++m_nAutoCount;
        break;
    case eMatrix:
        ++m_nMatrixCount;
        break;
    case eList:
        ++m_nListCount;
        break;
    case eVector:
        ++m_nVectorCount;
        break;
    default:
        break;
    }
}

int OrvDataList::GetTotalCount() const {
    return m_nNormalCount + m_nAutoCount + m_nMatrixCount + m_nListCount + m_nVectorCount;
}

bool OrvDataList::ResetAndReadHeader(TransferLines& lines) {
    if (lines.empty()) return false;
    DestroyAll();
    return ReadHeader(lines);
}

bool OrvDataList::ReadHeader(TransferLines& lines) {
    try {
        if (lines.empty() || lines[0].size() < 8) return false;
        const char separator = lines[0][7];
        OrvDataset::SetTransferSeparator(separator);
        FormatSettings& fs = CurrentFormat();
        if (lines.size() < kHeaderLines) return false;
        for (int i = 0; i < kHeaderLines; ++i) {
            std::string rest(lines[static_cast<size_t>(i)]);
            std::string keyword = SplitToken(rest, separator);
            const std::string value = SplitToken(rest, separator);
            if (keyword.empty()) return false;
            keyword.pop_back(); // the colon
            if (keyword == "Device") {
                m_sDevice = value;
            } else if (keyword == "SN") {
                m_sSerialNumber = value;
            } else if (keyword == "HW-Version") {
                m_sHwVersion = value;
            } else if (keyword == "SW-Version") {
                m_sSwVersion = value;
            } else if (keyword == "CAL-DATE") {
                m_dtCalDate = ReadHeaderDate(value, fs);
            } else if (keyword == "SW-Date") {
                // Read like CAL-DATE: the header lines come in any order, so the
                // software date may be the first date the reader meets.
                m_dtSwDateTime = ReadHeaderDate(value, fs);
            } else if (keyword == "SW-Time") {
                if (value.find(fs.TimeSeparator) == std::string::npos)
                    for (char c : value)
                        if (!IsDigit(c)) fs.TimeSeparator = c;
                m_dtSwDateTime += StrToTime(value, fs);
            } else {
                return false;
            }
        }
        lines.erase(lines.begin(), lines.begin() + kHeaderLines);
        if (m_sSwVersion.find('.') != std::string::npos)
            fs.DecimalSeparator = '.';
        else if (m_sSwVersion.find(',') != std::string::npos)
            fs.DecimalSeparator = ',';
        else
            return false;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool OrvDataList::ParseTransfer(TransferLines& lines, bool liveOnly) {
    if (!liveOnly) SaveNumberFormats();
    RestoreOnExit restore(!liveOnly);
    lines.TrimAll();
    if (!liveOnly && !ResetAndReadHeader(lines)) return false;
    return ParseRecords(lines, liveOnly);
}

bool OrvDataList::ParseRecords(TransferLines& lines, bool liveOnly) {
    RecordRun run;
    if (liveOnly) {
        RecordFrame frame;
        run = ReadRecords(lines, 0, static_cast<int>(lines.size()), frame);
    } else {
        run = ReadAllRecords(lines);
    }
    // The datasets read before a failing record stay, as they did when each
    // was handed on the moment it was read.
    for (auto& dataset : run.datasets) {
        if (liveOnly) {
            SetLive(std::move(dataset));
        } else {
            CountKind(dataset->GetDataType());
            m_pSelected = Append(std::move(dataset));
        }
    }
    if (run.error) std::rethrow_exception(run.error);
    if (run.failed) return false;
    m_nListState = eFullList;
    return true;
}

bool OrvDataList::ParseDirectory(TransferLines& lines) {
    DestroyAll();
    SaveNumberFormats();
    RestoreOnExit restore(true);
    try {
        lines.TrimAll();
        if (!ReadHeader(lines)) return false;
        if (lines.empty()) return false;
        const char separator = OrvDataset::TransferSeparator();
        std::string columns(lines[0]);
        static const std::array<const char*, 5> kNames = {"MEM#", "D", "MODE", "DATE", "TIME"};
        for (int i = 0; i < 5; ++i) {
            const std::string name = SplitToken(columns, separator);
            if (std::none_of(kNames.begin(), kNames.end(),
                             [&](const char* n) { return name == n; }))
                return false;
        }
        FormatSettings& fs = CurrentFormat();
        for (size_t i = 1; i < lines.size(); ++i) {
            std::string rest(lines[i]);
            const int memNumber = ParseInt(SplitToken(rest, separator));
            const Code kind = ParseOrvDataType(SplitToken(rest, separator));
            const Code mode = ParseMode(SplitToken(rest, separator));
            const std::string date = SplitToken(rest, separator);
            const std::string time = SplitToken(rest, separator);
            auto dataset = CreateDataset(kind, memNumber, kNotRead, kNotRead, mode,
                                         StrToDateTime(date + " " + time, fs));
            if (!dataset) return false;
            CountKind(kind);
            Append(std::move(dataset));
        }
        lines.clear();
        m_nListState = eIndexList;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void OrvDataList::FillTree(DataTree& nodes) {
    DataTreeNode* top = nodes.FindFirst(this);
    DataTreeNode* parent = nullptr;
    if (!top) {
        top = nodes.AddChild(nullptr, m_sDevice + " #" + m_sSerialNumber, this);
        DataTreeNode* info = nodes.AddChild(top, "Info-Header", this);
        const FormatSettings& fs = CurrentFormat();
        const std::string swVersion = [&] {
            std::string text = m_sSwVersion;
            const std::string decimal = GetExportFormat(ExportFormatKind::DecimalSeparator, true);
            const char to = decimal.empty() ? '.' : decimal[0];
            const char from = to == ',' ? '.' : to == '.' ? ',' : 0;
            if (from) {
                const auto pos = text.find(from);
                if (pos != std::string::npos) text[pos] = to;
            }
            return text;
        }();
        const std::pair<const char*, std::string> fields[] = {
            {"Device", m_sDevice},
            {"SN", m_sSerialNumber},
            {"HW-Version", m_sHwVersion},
            {"SW-Version", swVersion},
            {"SW Create Time", FormatDateTime(fs.LongTimeFormat, m_dtSwDateTime) + "/" +
                                   FormatDateTime(fs.ShortDateFormat, m_dtSwDateTime)},
            {"CAL-DATE",
             FormatDateTime(GetExportFormat(ExportFormatKind::Date, true), m_dtCalDate)},
        };
        for (const auto& [label, value] : fields)
            nodes.AddChild(info, OrvDataset::FormatField(label, value, 2), this);
        nodes.SetExpanded(top, true);
        parent = nodes.AddChild(top, "Datasets", this);
    } else {
        parent = top->LastChild();
    }
    for (auto& dataset : m_Datasets)
        dataset->AddToTree(nodes, parent);
    nodes.SetExpanded(parent, true);
}

std::vector<DatasetListRow> OrvDataList::FillListView() const {
    std::vector<DatasetListRow> rows;
    rows.reserve(m_Datasets.size());
    for (const auto& dataset : m_Datasets) {
        rows.push_back({dataset->FormatMemNumber(0), dataset->FormatDataType(0),
                        dataset->FormatMode(0), dataset->FormatDateAndTime(0), dataset.get(),
                        dataset->GetChecked()});
    }
    return rows;
}

std::string OrvDataList::GetDescription() {
    std::string text = "Device: " + m_sDevice + " " + m_sSerialNumber;
    if (OrvDataset* current = GetCurrent()) text += ", " + current->GetInfoText();
    return text;
}

OrvDataset* OrvDataList::GetDataset(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return m_Datasets[static_cast<size_t>(index)].get();
}

int OrvDataList::IndexOf(const OrvDataset* dataset) const {
    for (size_t i = 0; i < m_Datasets.size(); ++i)
        if (m_Datasets[i].get() == dataset) return static_cast<int>(i);
    return -1;
}

OrvDataset* OrvDataList::GetCurrent() const {
    const auto& query = DatabaseViewQuery();
    const bool databaseView = query ? query() : true;
    return databaseView ? m_pSelected : GetLive();
}

bool OrvDataList::Select(OrvDataset* dataset) {
    m_pSelected = nullptr;
    if (!dataset || IndexOf(dataset) < 0) return false;
    m_pSelected = dataset;
    return true;
}

int OrvDataList::DeleteDataset(int index) {
    auto forget = [&](OrvDataset* d) {
        if (d == m_pLiveInList) m_pLiveInList = nullptr;
    };
    if (index >= 0 && index < GetCount()) {
        forget(m_Datasets[static_cast<size_t>(index)].get());
        m_Datasets.erase(m_Datasets.begin() + index);
    } else if (index < 0) {
        for (auto& d : m_Datasets)
            if (d->GetChecked()) forget(d.get());
        std::erase_if(m_Datasets,
                      [](const std::unique_ptr<OrvDataset>& d) { return d->GetChecked(); });
    }
    if (!m_pSelected) return 0;
    const int position = IndexOf(m_pSelected);
    if (position < 0) m_pSelected = nullptr;
    return position;
}

void OrvDataList::SetAllExported(bool flag) {
    for (auto& d : m_Datasets)
        d->SetExported(flag);
}

bool OrvDataList::AllExported() const {
    return std::all_of(m_Datasets.begin(), m_Datasets.end(),
                       [](const auto& d) { return d->GetExported(); });
}

bool OrvDataList::SameHeader(const OrvDataList& other) const {
    return m_sHwVersion == other.m_sHwVersion && m_dtCalDate == other.m_dtCalDate &&
           m_sDevice == other.m_sDevice && m_sSwVersion == other.m_sSwVersion &&
           m_dtSwDateTime == other.m_dtSwDateTime && m_sSerialNumber == other.m_sSerialNumber;
}

void OrvDataList::MergeFrom(OrvDataList& other) {
    // Twins are looked up by their identity, so merging stays linear.
    struct Identity {
        Code kind, probe, channel, mode;
        DateTime dateTime;
        bool operator<(const Identity& o) const {
            return std::tie(kind, probe, channel, mode, dateTime) <
                   std::tie(o.kind, o.probe, o.channel, o.mode, o.dateTime);
        }
    };
    auto identity = [](const OrvDataset& d) {
        return Identity{d.GetDataType(), d.GetProbe(), d.GetChannel(), d.GetMode(),
                        d.GetDateTime()};
    };
    std::vector<Identity> own;
    own.reserve(m_Datasets.size());
    for (const auto& d : m_Datasets)
        own.push_back(identity(*d));
    std::sort(own.begin(), own.end());
    std::vector<std::unique_ptr<OrvDataset>> remaining;
    for (auto& d : other.m_Datasets) {
        if (std::binary_search(own.begin(), own.end(), identity(*d))) {
            remaining.push_back(std::move(d));
            continue;
        }
        if (d.get() == other.m_pSelected) other.m_pSelected = nullptr;
        if (d.get() == other.m_pLiveInList) other.m_pLiveInList = nullptr;
        CountKind(d->GetDataType());
        m_Datasets.push_back(std::move(d));
    }
    other.m_Datasets = std::move(remaining);
}

void OrvDataList::KeepRanges(int allFrom, int allTo, int normalFrom, int normalTo, int autoFrom,
                             int autoTo, int matrixFrom, int matrixTo, int listFrom, int listTo,
                             int vectorFrom, int vectorTo) {
    const bool byPosition = allFrom != 0 && allTo != 0;
    std::array<int, 6> counts{};
    auto range = [&](Code kind) -> std::pair<int, int> {
        switch (kind) {
        case eNormal:
            return {normalFrom, normalTo};
        case eAuto:
            return {autoFrom, autoTo};
        case eMatrix:
            return {matrixFrom, matrixTo};
        case eList:
            return {listFrom, listTo};
        case eVector:
            return {vectorFrom, vectorTo};
        default:
            return {0, 0};
        }
    };
    int position = 0;
    std::vector<std::unique_ptr<OrvDataset>> kept;
    kept.reserve(m_Datasets.size());
    for (auto& d : m_Datasets) {
        bool keep = false;
        if (byPosition) {
            ++position;
            keep = position >= allFrom && position <= allTo;
        } else {
            const Code kind = d->GetDataType();
            const int n = kind < counts.size() ? ++counts[kind] : 0;
            const auto [from, to] = range(kind);
            keep = !(from == 0 && to == 0) && n >= from && n <= to;
        }
        if (keep) {
            kept.push_back(std::move(d));
        } else {
            if (d.get() == m_pSelected) m_pSelected = nullptr;
            if (d.get() == m_pLiveInList) m_pLiveInList = nullptr;
        }
    }
    m_Datasets = std::move(kept);
}

int OrvDataList::MaxMemNumber() const {
    int maximum = 0;
    bool any = false;
    for (const auto& d : m_Datasets) {
        maximum = any ? std::max(maximum, d->GetMemNumber()) : d->GetMemNumber();
        any = true;
    }
    return maximum;
}

OrvDataset* OrvDataList::Append(std::unique_ptr<OrvDataset> dataset) {
    m_Datasets.push_back(std::move(dataset));
    return m_Datasets.back().get();
}

void OrvDataList::SetLive(std::unique_ptr<OrvDataset> live) {
    m_pLive = std::move(live);
    m_pLiveInList = nullptr;
}

void OrvDataList::StoreLive(bool checkThreshold) {
    OrvDataset* live = GetLive();
    if (!live) return;
    std::unique_ptr<OrvDataset> stored;
    if (live->GetDataType() == eAuto) {
        auto* series = static_cast<OrvAutoDataset*>(live);
        std::unique_ptr<OrvNormalDataset> sample = series->ExtractSample();
        if (!sample) return; // a series without samples has nothing to store
        if (checkThreshold &&
            ViewSetup().GetThreshold(sample->GetValueClass()) > sample->GetValue())
            return;
        stored = std::move(sample);
    } else {
        if (m_pLiveInList || !m_pLive) return;
        stored = std::move(m_pLive);
        m_pLiveInList = stored.get();
    }
    stored->SetMemNumber(MaxMemNumber() + 1);
    stored->SetExported(false);
    Append(std::move(stored));
}

void OrvDataList::StoreLiveIfAuto() {
    if (m_bAutoStore) StoreLive(true);
}

void OrvDataList::MoveLiveToList() {
    if (!m_pLive) {
        // Already stored: it belongs to the list now.
        m_pLiveInList = nullptr;
        return;
    }
    m_pLive->SetMemNumber(MaxMemNumber() + 1);
    m_pLive->SetExported(false);
    Append(std::move(m_pLive));
}

void OrvDataList::ClearLive() {
    m_pLive.reset();
    m_pLiveInList = nullptr;
}

} // namespace ombrix
