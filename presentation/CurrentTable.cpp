#include "presentation/CurrentTable.h"

#include "core/NumberFormat.h"

#include <algorithm>
#include <utility>

namespace ombrix {

namespace {

constexpr std::string_view kSampleFileMark = "Ombrix Demo";

const std::array<const char*, CurrentCurves::kPhaseCount> kPhaseTags = {" (N)", " (L1)", " (L2)",
                                                                        " (L3)"};

FormatSettings TimeStampFormat(DateOrder order) {
    FormatSettings fs;
    fs.TimeSeparator = ':';
    if (order == DateOrder::eYearMonthDay) {
        fs.DateSeparator = '-';
        fs.ShortDateFormat = "yy/mm/dd";
    } else {
        fs.DateSeparator = '.';
        fs.ShortDateFormat = "dd/mm/yy";
    }
    return fs;
}

} // namespace

TableSeparators GuessSeparators(const std::vector<std::string>& lines) {
    long tabs = 0, commas = 0, points = 0, semicolons = 0;
    for (const std::string& line : lines) {
        for (char c : line) {
            switch (c) {
            case '\t':
                ++tabs;
                break;
            case ',':
                ++commas;
                break;
            case '.':
                ++points;
                break;
            case ';':
                ++semicolons;
                break;
            default:
                break;
            }
        }
    }
    TableSeparators separators;
    if (commas > semicolons && commas > tabs)
        separators.column = ',';
    else if (semicolons > commas && semicolons > tabs)
        separators.column = ';';
    else
        separators.column = '\t';
    separators.decimal = (points < commas && separators.column != ',') ? ',' : '.';
    return separators;
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        if (end == std::string_view::npos) {
            // The text after the last separator is a field unless the line ended
            // with that separator.
            if (start < line.size() || fields.empty()) fields.push_back(line.substr(start));
            return fields;
        }
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

bool IsSampleCurrentFile(const std::vector<std::string>& lines) {
    return !lines.empty() && lines.front().find(kSampleFileMark) != std::string::npos;
}

CurrentColumns SampleFileColumns() {
    CurrentColumns columns;
    columns.time = 2;
    columns.phase = {0, 3, 4, 5};
    columns.startRow = 26;
    columns.endRow = 38;
    return columns;
}

std::string ColumnHeading(int column, const CurrentColumns& columns) {
    std::string text = std::to_string(column);
    if (column == columns.time) return text + " (Time/Date)";
    for (int phase = 0; phase < CurrentCurves::kPhaseCount; ++phase)
        if (column == columns.phase[static_cast<std::size_t>(phase)])
            return text + kPhaseTags[static_cast<std::size_t>(phase)];
    return text;
}

std::string RowHeading(int row, const CurrentColumns& columns) {
    std::string text = std::to_string(row);
    if (row == columns.startRow) return text + " (Start)";
    if (row == columns.endRow) return text + " (End)";
    return text;
}

int FieldInteger(std::string_view text) {
    int value = 0;
    return TryParseInt(text, value) ? value : 0;
}

bool ReadCurrentTimeStamp(std::string_view cell, DateOrder order, DateTime& value) {
    const FormatSettings fs = TimeStampFormat(order);
    // A stamp always starts with a whole date: a time alone or a day and month
    // without a year would land on some other day without notice.
    const std::string_view date = cell.substr(0, cell.find(' '));
    if (std::count(date.begin(), date.end(), fs.DateSeparator) != 2) return false;
    return TryStrToDateTime(cell, fs, value);
}

CurrentTable::CurrentTable(const std::vector<std::string>& lines, char separator) {
    m_Rows.reserve(lines.size());
    for (const std::string& line : lines) {
        const auto fields = SplitFields(line, separator);
        m_Rows.emplace_back(fields.begin(), fields.end());
        m_nColumns = std::max(m_nColumns, static_cast<int>(fields.size()));
    }
}

const std::string& CurrentTable::Cell(int row, int column) const {
    static const std::string kNone;
    if (row < 1 || row > RowCount() || column < 1) return kNone;
    const auto& fields = m_Rows[static_cast<std::size_t>(row - 1)];
    if (column > static_cast<int>(fields.size())) return kNone;
    return fields[static_cast<std::size_t>(column - 1)];
}

CurrentImportOutcome ImportCurrents(const CurrentTable& table, const CurrentColumns& columns,
                                    char decimalMark, DateOrder order, CurrentCurves& target) {
    using R = CurrentImportResult;
    const int t = columns.time, s = columns.startRow, e = columns.endRow;
    if (t < 1 || t > table.ColumnCount()) return {R::eBadTimeColumn};
    if (s < 1 || s > table.RowCount()) return {R::eBadStartRow};
    if (e < 1 || e > table.RowCount() || s >= e) return {R::eBadEndRow};
    if (std::none_of(columns.phase.begin(), columns.phase.end(), [](int c) { return c >= 1; }))
        return {R::eNoDataColumn};

    std::array<CurrentCurves::Curve, CurrentCurves::kPhaseCount> curves;
    for (int phase = 0; phase < CurrentCurves::kPhaseCount; ++phase)
        if (columns.phase[static_cast<std::size_t>(phase)] >= 1)
            curves[static_cast<std::size_t>(phase)].reserve(static_cast<std::size_t>(e - s + 1));
    for (int row = s; row <= e; ++row) {
        CurrentPoint point;
        if (!ReadCurrentTimeStamp(table.Cell(row, t), order, point.time))
            return {R::eUnreadableCell, row, t};
        for (int phase = 0; phase < CurrentCurves::kPhaseCount; ++phase) {
            const int column = columns.phase[static_cast<std::size_t>(phase)];
            if (column < 1) continue;
            if (!TryParseFloat(table.Cell(row, column), decimalMark, point.ampere))
                return {R::eUnreadableCell, row, column};
            curves[static_cast<std::size_t>(phase)].push_back(point);
        }
    }
    target.Replace(std::move(curves));
    return {};
}

} // namespace ombrix
