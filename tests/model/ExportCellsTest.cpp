#include "TestSupport.h"

#include "export/ExportCells.h"

#include <gtest/gtest.h>

using namespace ombrix;

namespace {

class ExportCells : public test::ModelTest {
protected:
    void UseSeparator(const char* listSeparator) {
        SetExportFormat(ExportFormatKind::ListSeparator, listSeparator);
        SetExportSeparator(true);
    }
};

TEST_F(ExportCells, PadCellAddsSeparatorAndBlanksButNeverCuts) {
    UseSeparator(";");
    EXPECT_EQ(PadCell("MEM#", 5), "MEM#;");
    EXPECT_EQ(PadCell("MEM#", 8), "MEM#;   ");
    EXPECT_EQ(PadCell("STANDARDNAME", 5), "STANDARDNAME;");
    SetExportSeparator(false);
    EXPECT_EQ(PadCell("D", 2), "D ");
    EXPECT_EQ(PadCell("PROBE", 11), "PROBE      ");
}

TEST_F(ExportCells, StripLastSeparatorCutsTheLabelLine) {
    UseSeparator(";");
    std::string line = "MEM#;D;VALUE;   ";
    StripLastSeparator(line);
    EXPECT_EQ(line, "MEM#;D;VALUE");
    line = "no separator here";
    StripLastSeparator(line);
    EXPECT_EQ(line, "no separator here");

    SetExportSeparator(false); // plain text cuts at the last blank
    line = "MEM# D  VALUE[T]   ";
    StripLastSeparator(line);
    EXPECT_EQ(line, "MEM# D  VALUE[T]  ");
    line = PadCell("MEM#", 5) + PadCell("D", 2) + PadCell("MODE", 5);
    EXPECT_EQ(line, "MEM# D MODE ");
    StripLastSeparator(line);
    EXPECT_EQ(line, "MEM# D MODE");
}

TEST_F(ExportCells, FormatsFallBackToTheRegionalValues) {
    FormatSettings regional = test::GermanFormats();
    UseFormats(regional);
    EXPECT_EQ(GetExportFormat(ExportFormatKind::DecimalSeparator, true), ",");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::DecimalSeparator, false), "");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::ListSeparator, true), ";");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::Date, true), "dd.mm.yyyy");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::Time, true), "hh:nn:ss");

    SetExportFormat(ExportFormatKind::DecimalSeparator, ".");
    SetExportFormat(ExportFormatKind::Date, "yy-mm-dd");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::DecimalSeparator, true), ".");
    EXPECT_EQ(GetExportFormat(ExportFormatKind::Date, false), "yy-mm-dd");
    EXPECT_EQ(m_settings.ReadString("DecimalSeparator").value_or("?"), ".");
    EXPECT_EQ(m_settings.ReadString("DateFormat").value_or("?"), "yy-mm-dd");

    SetExportFormat(ExportFormatKind::DecimalSeparator, ""); // "use the regional settings"
    EXPECT_EQ(GetExportFormat(ExportFormatKind::DecimalSeparator, true), ",");
    // The regional value is never written to the settings.
    EXPECT_EQ(m_settings.ReadString("DecimalSeparator").value_or("?"), "");
}

TEST_F(ExportCells, CsvSeparatorIsTheEffectiveListSeparator) {
    UseFormats(test::GermanFormats());
    SetExportSeparator(true);
    EXPECT_EQ(GetExportSeparator(), ";");
    SetExportFormat(ExportFormatKind::ListSeparator, ",");
    SetExportSeparator(true);
    EXPECT_EQ(GetExportSeparator(), ",");
    SetExportSeparator(false);
    EXPECT_EQ(GetExportSeparator(), " ");
}

TEST_F(ExportCells, LineListRaisesOverflowInsteadOfGrowing) {
    LineList lines(4);
    EXPECT_EQ(lines.Room(), 4u);
    lines.RequireRoomFor(3);
    lines.Add("a");
    lines.Add("b");
    EXPECT_EQ(lines.Room(), 2u);
    EXPECT_THROW(lines.RequireRoomFor(2), ExportOverflow); // room must exceed the lines to add
    lines.RequireRoomFor(1);
    try {
        lines.RequireRoomFor(5);
        FAIL() << "no overflow";
    } catch (const ExportOverflow& overflow) {
        EXPECT_STREQ(overflow.what(), "");
    }
    lines.Truncate(1);
    EXPECT_EQ(lines.Count(), 1u);
    EXPECT_EQ(LineList().Capacity(), 65535u);
}

} // namespace
