#pragma once
// A table of phase currents written by another instrument: one text line per
// row, fields split at one separator character. Guesses the separators from the
// text, names the columns and rows the user chose, and reads the chosen rows
// into the four current curves.

#include "core/DateTime.h"
#include "presentation/CurrentCurves.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ombrix {

// The two time stamp layouts offered: "yy-mm-dd hh:mm:ss" and "dd.mm.yy hh:mm:ss".
enum class DateOrder : int { eYearMonthDay = 0, eDayMonthYear = 1 };

struct TableSeparators {
    char column = '\t'; // ',', ';' or tab
    char decimal = '.'; // ',' or '.'
};

// Counts tabs, commas, points and semicolons over all lines: the most frequent
// of comma, semicolon and tab separates the columns (tab on a tie); the comma is
// the decimal mark when it outnumbers the points and does not separate columns.
TableSeparators GuessSeparators(const std::vector<std::string>& lines);

// The fields of a line: two separators in a row give an empty field, a separator
// at the very end adds none, a line without separator is one field. Fields are
// not trimmed.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// Which columns hold what and which rows to read; rows and columns count from 1,
// 0 or less means "none".
struct CurrentColumns {
    int time = 0;
    std::array<int, CurrentCurves::kPhaseCount> phase{}; // N, L1, L2, L3
    int startRow = 0;
    int endRow = 0;

    bool operator==(const CurrentColumns&) const = default;
};

// The sample file "Demo_strom.txt" names itself in its first line.
bool IsSampleCurrentFile(const std::vector<std::string>& lines);
// Its layout: time in column 2, L1 to L3 in columns 3 to 5, rows 26 to 38,
// dates day first.
CurrentColumns SampleFileColumns();
constexpr DateOrder kSampleFileDateOrder = DateOrder::eDayMonthYear;

// Headings of the grid: "3 (L1)", "26 (Start)", or the number alone.
std::string ColumnHeading(int column, const CurrentColumns& columns);
std::string RowHeading(int row, const CurrentColumns& columns);

// An edit field's integer, 0 when the text is not one.
int FieldInteger(std::string_view text);

// A time stamp cell: a date in the chosen order ("-" or "." between its parts,
// one to four digit years), optionally a blank and hh:mm[:ss].
bool ReadCurrentTimeStamp(std::string_view cell, DateOrder order, DateTime& value);

class CurrentTable {
public:
    CurrentTable() = default;
    CurrentTable(const std::vector<std::string>& lines, char separator);

    int RowCount() const { return static_cast<int>(m_Rows.size()); }
    // The largest number of fields of a line.
    int ColumnCount() const { return m_nColumns; }
    // Row and column from 1; empty beyond a line's fields.
    const std::string& Cell(int row, int column) const;

private:
    std::vector<std::vector<std::string>> m_Rows;
    int m_nColumns = 0;
};

enum class CurrentImportResult {
    eImported,
    eBadTimeColumn,  // not 1 .. number of columns
    eBadStartRow,    // not 1 .. number of rows
    eBadEndRow,      // not after the start row, or beyond the rows
    eNoDataColumn,   // none of N, L1, L2, L3 chosen
    eUnreadableCell, // a time stamp or current did not read
};

struct CurrentImportOutcome {
    CurrentImportResult result = CurrentImportResult::eImported;
    int row = 0; // the unreadable cell, when there is one
    int column = 0;
    bool ok() const { return result == CurrentImportResult::eImported; }
};

// Reads rows startRow..endRow into four curves (the curves not chosen stay
// empty) and gives them to `target` only when every cell read; a failed import
// leaves `target` as it was. The number conventions of the program are not used
// nor changed: the decimal mark and the date order are this table's.
CurrentImportOutcome ImportCurrents(const CurrentTable& table, const CurrentColumns& columns,
                                    char decimalMark, DateOrder order, CurrentCurves& target);

} // namespace ombrix
