// Feeds arbitrary text to the current table reader: the separator guess, the
// grid, the headings and the import of the chosen rows. The first bytes choose
// the columns and rows, so that every path of the import is reached. It may not
// crash, a failed import must leave the curves as they were, and the number
// conventions of the program must stay as they were.

#include "core/FormatSettings.h"
#include "core/SafeFile.h"
#include "presentation/CurrentTable.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace ombrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kChoices = 8;
    if (size < kChoices) return 0;
    const FormatSettings regional;
    CurrentFormat() = regional;

    const std::string text(reinterpret_cast<const char*>(data) + kChoices, size - kChoices);
    const auto lines = SplitLines(text);
    const TableSeparators guess = GuessSeparators(lines);
    const CurrentTable table(lines, guess.column);

    CurrentColumns columns;
    columns.time = data[0] % 8;
    columns.phase = {data[1] % 8 - 1, data[2] % 8 - 1, data[3] % 8 - 1, data[4] % 8 - 1};
    columns.startRow = data[5] % 16;
    columns.endRow = data[6] % 64;
    for (int c = 0; c <= table.ColumnCount() + 1; ++c)
        (void)ColumnHeading(c, columns);
    for (int r = 0; r <= table.RowCount() + 1; ++r)
        (void)RowHeading(r, columns);

    CurrentCurves curves;
    curves.Replace({CurrentCurves::Curve{{1.0, 2.0}}, {}, {}, {}});
    const auto order = (data[7] & 1) ? DateOrder::eDayMonthYear : DateOrder::eYearMonthDay;
    const CurrentImportOutcome outcome =
        ImportCurrents(table, columns, (data[7] & 2) ? ',' : '.', order, curves);
    if (!outcome.ok() && (curves.Points(ePhaseN).size() != 1 || !curves.Points(ePhaseL1).empty()))
        std::abort();
    if (!(CurrentFormat() == regional)) std::abort();
    return 0;
}
