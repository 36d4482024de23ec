#include "export/ExportDataList.h"

#include "core/DateTime.h"
#include "core/FormatSettings.h"
#include "core/SafeFile.h"
#include "datasets/OrvDataList.h"

#include <algorithm>

namespace ombrix {

namespace {

char EffectiveDecimal() {
    const std::string decimal = GetExportFormat(ExportFormatKind::DecimalSeparator, true);
    return decimal.empty() ? '.' : decimal[0];
}

// Puts the four conventions that the export changes back, whatever the path.
class ExportConventions {
public:
    ExportConventions() {
        const FormatSettings& fs = CurrentFormat();
        m_decimal = fs.DecimalSeparator;
        m_date = fs.DateSeparator;
        m_time = fs.TimeSeparator;
        m_shortDate = fs.ShortDateFormat;
    }
    ~ExportConventions() {
        FormatSettings& fs = CurrentFormat();
        fs.DecimalSeparator = m_decimal;
        fs.DateSeparator = m_date;
        fs.TimeSeparator = m_time;
        fs.ShortDateFormat = m_shortDate;
    }
    ExportConventions(const ExportConventions&) = delete;
    ExportConventions& operator=(const ExportConventions&) = delete;

private:
    char m_decimal, m_date, m_time;
    std::string m_shortDate;
};

} // namespace

std::string VersionWithDecimal(const std::string& version, char decimal) {
    const char from = decimal == ',' ? '.' : decimal == '.' ? ',' : 0;
    std::string text = version;
    if (!from) return text;
    const auto pos = text.find(from);
    if (pos != std::string::npos) text[pos] = decimal;
    return text;
}

bool IsCsvFileName(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension == ".csv";
}

bool ExportSeparatorsClash() {
    const std::string list = GetExportFormat(ExportFormatKind::ListSeparator, true);
    const std::string decimal = GetExportFormat(ExportFormatKind::DecimalSeparator, true);
    return !list.empty() && !decimal.empty() && list[0] == decimal[0];
}

void ExportDataList(OrvDataList& list, LineList& lines, bool csv, int& index) {
    ExportConventions restore;
    const char decimal = EffectiveDecimal();
    CurrentFormat().DecimalSeparator = decimal;
    SetExportSeparator(csv);

    const std::string datePicture = GetExportFormat(ExportFormatKind::Date, true);
    const std::string timePicture = GetExportFormat(ExportFormatKind::Time, true);
    const std::pair<const char*, std::string> header[] = {
        {"Device", list.GetDevice()},
        {"SN", list.GetSerialNumber()},
        {"CAL-DATE", FormatDateTime(datePicture, list.GetCalDate())},
        {"HW-Version", list.GetHwVersion()},
        {"SW-Version", VersionWithDecimal(list.GetSwVersion(), decimal)},
        {"SW-Date", FormatDateTime(datePicture, list.GetSwDateTime())},
        {"SW-Time", FormatDateTime(timePicture, list.GetSwDateTime())},
    };
    for (const auto& [label, value] : header)
        lines.Add(OrvDataset::FormatField(label, value, 3));

    for (; index < list.GetCount(); ++index) {
        OrvDataset* dataset = list.GetDataset(index);
        if (!dataset->GetChecked()) continue;
        const std::size_t before = lines.Count();
        try {
            dataset->ExportTo(lines, csv);
        } catch (const ExportOverflow&) {
            // A record cut short would read back without its comment and then
            // appear twice; the whole record goes into the next file instead.
            lines.Truncate(before);
            throw;
        }
    }
}

bool WriteExportFile(const std::filesystem::path& file, const LineList& lines, std::string* error) {
    return WriteFileSafely(file, lines.Text(), error);
}

} // namespace ombrix
