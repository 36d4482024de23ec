// Reading a table of phase currents: separators guessed from the text, fields
// split as the grid shows them, headings, time stamps in both orders, and the
// import into the four current curves.

#include "TestSupport.h"

#include "core/DateTime.h"
#include "core/SafeFile.h"
#include "presentation/CurrentTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrix {
namespace {

using Lines = std::vector<std::string>;

class CurrentTableTest : public test::ModelTest {};

TEST_F(CurrentTableTest, GuessesSeparatorsFromTheCharacterCounts) {
    struct Case {
        const char* what;
        Lines lines;
        char column, decimal;
    };
    const Case cases[] = {
        // 10 semicolons, 40 commas, no tab: commas split, points are decimals.
        {"commas win", {std::string(10, ';') + std::string(40, ',')}, ',', '.'},
        {"semicolons with decimal commas", {"1;2,5;3,5", "2;4,0;1,25", "x.y;1;2"}, ';', ','},
        {"tabs with decimal points", {"a\t1.5\t2.5", "b\t3.5\t4.5"}, '\t', '.'},
        {"a tie falls to the tab", {"a,b;c"}, '\t', ','},
        {"nothing to count", {"", "abc"}, '\t', '.'},
    };
    for (const Case& c : cases) {
        const TableSeparators guess = GuessSeparators(c.lines);
        EXPECT_EQ(guess.column, c.column) << c.what;
        EXPECT_EQ(guess.decimal, c.decimal) << c.what;
    }
}

TEST_F(CurrentTableTest, SplitsFieldsLikeTheGrid) {
    using F = std::vector<std::string_view>;
    EXPECT_EQ(SplitFields("a;;b", ';'), (F{"a", "", "b"}));
    EXPECT_EQ(SplitFields("a;b;", ';'), (F{"a", "b"}));
    EXPECT_EQ(SplitFields("no separator", ';'), (F{"no separator"}));
    EXPECT_EQ(SplitFields("", ';'), (F{""}));
    EXPECT_EQ(SplitFields(";", ';'), (F{""}));
    EXPECT_EQ(SplitFields(" a ; b ", ';'), (F{" a ", " b "})) << "fields are not trimmed";

    const CurrentTable table({"a;;b", "a;b;", "x;y;z;w"}, ';');
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.ColumnCount(), 4);
    EXPECT_EQ(table.Cell(1, 3), "b");
    EXPECT_EQ(table.Cell(2, 3), "") << "beyond a line's fields";
    EXPECT_EQ(table.Cell(0, 1), "");
    EXPECT_EQ(table.Cell(4, 1), "");
}

TEST_F(CurrentTableTest, HeadingsNameTheChosenColumnsAndRows) {
    CurrentColumns columns;
    columns.time = 2;
    columns.phase = {2, 3, 0, 3}; // N shares the time column, L3 the L1 column
    columns.startRow = 5;
    columns.endRow = 5;
    EXPECT_EQ(ColumnHeading(1, columns), "1");
    EXPECT_EQ(ColumnHeading(2, columns), "2 (Time/Date)");
    EXPECT_EQ(ColumnHeading(3, columns), "3 (L1)");
    EXPECT_EQ(RowHeading(5, columns), "5 (Start)");
    EXPECT_EQ(RowHeading(6, columns), "6");
    EXPECT_EQ(FieldInteger("12"), 12);
    EXPECT_EQ(FieldInteger("1x"), 0);
    EXPECT_EQ(FieldInteger(""), 0);
}

TEST_F(CurrentTableTest, BothDateOrdersReadTheSameMoment) {
    const DateTime expected = EncodeDate(2007, 12, 9) + EncodeTime(14, 30, 0, 0);
    DateTime ymd = 0, dmy = 0;
    ASSERT_TRUE(ReadCurrentTimeStamp("07-12-09 14:30:00", DateOrder::eYearMonthDay, ymd));
    ASSERT_TRUE(ReadCurrentTimeStamp("09.12.07 14:30:00", DateOrder::eDayMonthYear, dmy));
    EXPECT_DOUBLE_EQ(ymd, expected);
    EXPECT_DOUBLE_EQ(dmy, expected);

    DateTime value = 0;
    EXPECT_TRUE(ReadCurrentTimeStamp("09.12.07 14:30", DateOrder::eDayMonthYear, value));
    EXPECT_DOUBLE_EQ(value, expected) << "seconds may be left out";
    EXPECT_TRUE(ReadCurrentTimeStamp("09.12.2007", DateOrder::eDayMonthYear, value));
    EXPECT_DOUBLE_EQ(value, EncodeDate(2007, 12, 9));
    for (const char* bad : {"", "14:30:00", "09.12 14:30:00", "09-12-07 14:30:00", "31.02.07",
                            "09.12.07 25:00:00", "abc"})
        EXPECT_FALSE(ReadCurrentTimeStamp(bad, DateOrder::eDayMonthYear, value)) << bad;
    EXPECT_FALSE(ReadCurrentTimeStamp("09.12.07", DateOrder::eYearMonthDay, value))
        << "the other order's separator";
}

// Rows 2 to 4 hold data: time in column 1, N L1 L2 L3 in columns 2 to 5.
const Lines kTable = {
    "Time;N;L1;L2;L3",
    "09.12.07 14:30:00;1,5;100,25;101;102",
    "09.12.07 14:31:00;1,6;110;111;112",
    "09.12.07 14:32:00;1,7;120;121;-1,2E+2",
};

CurrentColumns AllPhases() {
    CurrentColumns columns;
    columns.time = 1;
    columns.phase = {2, 3, 4, 5};
    columns.startRow = 2;
    columns.endRow = 4;
    return columns;
}

TEST_F(CurrentTableTest, ImportsTheChosenRowsIntoEveryChosenCurve) {
    InstallFormatSettings(test::EnglishFormats());
    const CurrentTable table(kTable, ';');
    CurrentCurves curves;
    ASSERT_TRUE(ImportCurrents(table, AllPhases(), ',', DateOrder::eDayMonthYear, curves).ok());
    ASSERT_EQ(curves.Points(ePhaseL1).size(), 3u);
    EXPECT_DOUBLE_EQ(curves.Points(ePhaseL1)[0].ampere, 100.25);
    EXPECT_DOUBLE_EQ(curves.Points(ePhaseN)[2].ampere, 1.7);
    EXPECT_DOUBLE_EQ(curves.Points(ePhaseL3)[2].ampere, -120.0);
    EXPECT_DOUBLE_EQ(curves.Points(ePhaseL2)[1].time,
                     EncodeDate(2007, 12, 9) + EncodeTime(14, 31, 0, 0));
    EXPECT_EQ(CurrentFormat(), test::EnglishFormats()) << "the program's conventions stay";
}

TEST_F(CurrentTableTest, OnlyTheChosenCurvesAreFilledTheOthersEmptied) {
    const CurrentTable table(kTable, ';');
    CurrentCurves curves;
    ASSERT_TRUE(ImportCurrents(table, AllPhases(), ',', DateOrder::eDayMonthYear, curves).ok());
    CurrentColumns onlyL2 = AllPhases();
    onlyL2.phase = {0, 0, 4, 0};
    const auto revision = curves.Revision();
    ASSERT_TRUE(ImportCurrents(table, onlyL2, ',', DateOrder::eDayMonthYear, curves).ok());
    EXPECT_TRUE(curves.Points(ePhaseN).empty());
    EXPECT_TRUE(curves.Points(ePhaseL1).empty());
    EXPECT_EQ(curves.Points(ePhaseL2).size(), 3u);
    EXPECT_TRUE(curves.Points(ePhaseL3).empty());
    EXPECT_NE(curves.Revision(), revision);
}

TEST_F(CurrentTableTest, RefusesChoicesOutsideTheTableInOrder) {
    const CurrentTable table(kTable, ';');
    using R = CurrentImportResult;
    struct Case {
        const char* what;
        int time, start, end;
        std::array<int, 4> phase;
        R expected;
    };
    const Case cases[] = {
        {"time column 0 with valid data columns", 0, 2, 4, {2, 3, 4, 5}, R::eBadTimeColumn},
        {"time column beyond the widest line", 6, 2, 4, {2, 3, 4, 5}, R::eBadTimeColumn},
        {"start row 0", 1, 0, 4, {2, 3, 4, 5}, R::eBadStartRow},
        {"start row beyond the lines", 1, 5, 4, {2, 3, 4, 5}, R::eBadStartRow},
        {"start row equal to end row", 1, 3, 3, {2, 3, 4, 5}, R::eBadEndRow},
        {"end row before start row", 1, 3, 2, {2, 3, 4, 5}, R::eBadEndRow},
        {"end row beyond the lines", 1, 2, 5, {2, 3, 4, 5}, R::eBadEndRow},
        {"no data column", 1, 2, 4, {0, -1, 0, 0}, R::eNoDataColumn},
        {"the heading row is no number", 1, 1, 4, {2, 3, 4, 5}, R::eUnreadableCell},
        {"an empty data column", 1, 2, 4, {0, 9, 0, 0}, R::eUnreadableCell},
    };
    for (const Case& c : cases) {
        CurrentColumns columns;
        columns.time = c.time;
        columns.startRow = c.start;
        columns.endRow = c.end;
        columns.phase = c.phase;
        CurrentCurves curves;
        EXPECT_EQ(ImportCurrents(table, columns, ',', DateOrder::eDayMonthYear, curves).result,
                  c.expected)
            << c.what;
    }
}

TEST_F(CurrentTableTest, AFailedImportKeepsTheCurvesItFound) {
    Lines lines = kTable;
    lines[3] = "09.12.07 14:31:00;1,6;not a number;111;112";
    CurrentCurves curves;
    ASSERT_TRUE(ImportCurrents(CurrentTable(kTable, ';'), AllPhases(), ',',
                               DateOrder::eDayMonthYear, curves)
                    .ok());
    const auto outcome = ImportCurrents(CurrentTable(lines, ';'), AllPhases(), ',',
                                        DateOrder::eDayMonthYear, curves);
    EXPECT_EQ(outcome.result, CurrentImportResult::eUnreadableCell);
    EXPECT_EQ(outcome.row, 4);
    EXPECT_EQ(outcome.column, 3);
    EXPECT_EQ(curves.Points(ePhaseL1).size(), 3u) << "neither emptied nor half imported";
    EXPECT_DOUBLE_EQ(curves.Points(ePhaseL1)[1].ampere, 110.0);

    EXPECT_FALSE(ImportCurrents(CurrentTable(kTable, ';'), AllPhases(), '.',
                                DateOrder::eDayMonthYear, curves)
                     .ok())
        << "decimal commas read with the point";
}

TEST_F(CurrentTableTest, ShiftMovesEveryPointAlongTheTimeAxis) {
    CurrentCurves curves;
    ASSERT_TRUE(ImportCurrents(CurrentTable(kTable, ';'), AllPhases(), ',',
                               DateOrder::eDayMonthYear, curves)
                    .ok());
    const DateTime first = curves.Points(ePhaseN)[0].time;
    curves.ShiftTime(30.0 / 86400.0);
    EXPECT_NEAR(curves.Points(ePhaseN)[0].time, first + 30.0 / 86400.0, 1e-12);
    EXPECT_NEAR(curves.Points(ePhaseL3)[2].time - curves.Points(ePhaseL3)[0].time, 2.0 / 1440,
                1e-9);
}

TEST_F(CurrentTableTest, TheSampleFileReadsWithItsPreset) {
    const auto text = ReadWholeFile(OMBRIX_DATA_DIR "/Demo_strom.txt");
    ASSERT_TRUE(text);
    const Lines lines = SplitLines(*text);
    ASSERT_TRUE(IsSampleCurrentFile(lines));
    EXPECT_FALSE(IsSampleCurrentFile(kTable));
    const TableSeparators guess = GuessSeparators(lines);
    const CurrentTable table(lines, guess.column);
    CurrentCurves curves;
    ASSERT_TRUE(
        ImportCurrents(table, SampleFileColumns(), guess.decimal, kSampleFileDateOrder, curves)
            .ok());
    EXPECT_TRUE(curves.Points(ePhaseN).empty());
    ASSERT_EQ(curves.Points(ePhaseL1).size(), 13u);
    // The hour of the demo's timed series 7, every five minutes.
    EXPECT_DOUBLE_EQ(curves.Points(ePhaseL1).front().time,
                     EncodeDate(2026, 10, 6) + EncodeTime(11, 0, 0, 0));
    EXPECT_NEAR(curves.Points(ePhaseL3).back().time,
                EncodeDate(2026, 10, 6) + EncodeTime(12, 0, 0, 0), 1e-9);
    for (int phase : {ePhaseL1, ePhaseL2, ePhaseL3})
        for (const CurrentPoint& point : curves.Points(phase))
            EXPECT_TRUE(point.ampere > 300 && point.ampere < 500) << point.ampere;
}

} // namespace
} // namespace ombrix
