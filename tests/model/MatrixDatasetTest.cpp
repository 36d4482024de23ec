#include "TestSupport.h"

#include "core/DateTime.h"
#include "datasets/DataTree.h"
#include "datasets/OrvMatrixDataset.h"
#include "export/ExportCells.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace ombrix;

namespace {

const DateTime kDate = EncodeDate(2024, 3, 15);
const DateTime kGivenByTheList = EncodeDate(2000, 1, 1);

// A grid as the analyser sends it: X 1..3, Y 1..2, Z 1, the position (2, 2, 1)
// measured twice.
const TransferLines kAnalyserGrid = {
    "MEM# D PROBE CHN MODE DATE FILTER DET",
    "9 M INT_PRB ALL FST 15/03/2024 5Hz..2KHz RMS",
    "N X Y Z TIME MAX VALUE[T] VALID",
    "1 1 1 1 11:00:00 LIVE 1.0000E-06 OK",
    "2 2 1 1 11:00:05 LIVE 2.0000E-06 OK",
    "3 3 1 1 11:00:10 LIVE 3.0000E-06 !A",
    "4 1 2 1 11:00:15 MAX 4.0000E-06 OK",
    "5 2 2 1 11:00:20 LIVE 5.0000E-06 OK",
    "6 3 2 1 11:00:25 LIVE 6.0000E-06 OK",
    "7 2 2 1 11:00:30 LIVE 9.0000E-06 !O",
    "COMMENT grid",
    "MEM# D PROBE CHN MODE DATE TIME MAX VALUE[T] VALID",
};

using Position = std::array<int, 3>;

class MatrixDataset : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_savedView = ViewSetup().GetImage();
        m_savedSeparator = OrvDataset::TransferSeparator();
        OrvDataset::SetTransferSeparator(' ');
    }
    void TearDown() override {
        OrvDataset::SetTransferSeparator(m_savedSeparator);
        ViewSetup().SetImage(std::string_view(reinterpret_cast<const char*>(m_savedView.data()),
                                              m_savedView.size()));
        ModelTest::TearDown();
    }

    static OrvMatrixDataset NewGrid(Code mode = eFST) {
        return OrvMatrixDataset(9, eIntProbe, 0, mode, kGivenByTheList);
    }

    // Reads as the data list does: any exception is a failed record.
    static bool Read(OrvDataset& dataset, const TransferLines& lines, int& index) {
        try {
            return dataset.ParseFrom(lines, index);
        } catch (const std::exception&) {
            return false;
        }
    }

    static bool Read(OrvDataset& dataset, const TransferLines& lines) {
        int index = 0;
        return Read(dataset, lines, index);
    }

    // A grid with the given points; the value comes after the position.
    static TransferLines GridOf(const std::vector<std::string>& points) {
        TransferLines lines = {"MEM# D DATE", "9 M 15/03/2024", "X Y Z VALUE[T] TIME"};
        for (const std::string& point : points)
            lines.push_back(point + " 11:00:00");
        return lines;
    }

    static Position Extent(const OrvMatrixDataset& grid, int axis) {
        Position lo{}, hi{};
        grid.GetExtent(lo[0], hi[0], lo[1], hi[1], lo[2], hi[2]);
        return {lo[static_cast<std::size_t>(axis)], hi[static_cast<std::size_t>(axis)], 0};
    }

    static Position Marker(const OrvMatrixDataset& grid) {
        Position p{};
        grid.GetMarker(p[0], p[1], p[2]);
        return p;
    }

    static TransferLines Trimmed(const LineList& written) {
        TransferLines lines;
        for (std::string line : written.Lines()) {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            lines.push_back(line);
        }
        return lines;
    }

private:
    ViewSetupStruct::Image m_savedView{};
    char m_savedSeparator = ',';
};

TEST_F(MatrixDataset, ReadsTheGridAndTakesItsDateTimeFromTheFirstPoint) {
    OrvMatrixDataset grid = NewGrid();
    int index = 0;
    ASSERT_TRUE(Read(grid, kAnalyserGrid, index));

    EXPECT_EQ(index, 11);
    EXPECT_EQ(grid.GetComment(), "grid");
    EXPECT_EQ(grid.GetPointCount(), 7);
    EXPECT_DOUBLE_EQ(grid.GetDateTime(), kDate + EncodeTime(11, 0, 0, 0));
    EXPECT_EQ(grid.GetUnit(), eUnitT);
    EXPECT_EQ(grid.GetValueClass(), eTesla);
    EXPECT_EQ(Extent(grid, 0), (Position{1, 3, 0}));
    EXPECT_EQ(Extent(grid, 1), (Position{1, 2, 0}));
    EXPECT_EQ(Extent(grid, 2), (Position{1, 1, 0}));

    EXPECT_DOUBLE_EQ(grid.GetValueAt(2, 2, 1), 5e-6); // the first of the two
    EXPECT_EQ(grid.GetValidAt(2, 2, 1), eValidOK);
    EXPECT_EQ(grid.GetValidAt(3, 1, 1), eValidNotReady);
    EXPECT_EQ(grid.GetValueAt(3, 3, 1), -1.0);
    EXPECT_EQ(grid.GetValidAt(3, 3, 1), eValidOK);
    EXPECT_DOUBLE_EQ(grid.GetMaxValue(), 9e-6);
    EXPECT_EQ(grid.GetValid(), eValidNotReady);
    EXPECT_EQ(grid.FormatPointMaxHold(3, 0), "MAX");
    EXPECT_EQ(grid.FormatFilter(0), "5Hz..2KHz");
}

TEST_F(MatrixDataset, ExtentStartsAtMinimum1000AndMaximum0) {
    OrvMatrixDataset high = NewGrid();
    ASSERT_TRUE(Read(high, GridOf({"1000 1200 1500 1.0", "1010 1300 1600 2.0"})));
    EXPECT_EQ(Extent(high, 0), (Position{1000, 1010, 0}));
    EXPECT_EQ(Extent(high, 1), (Position{1000, 1300, 0}));
    EXPECT_EQ(Extent(high, 2), (Position{1000, 1600, 0}));
}

TEST_F(MatrixDataset, MaxValueIsNeverBelowZero) {
    OrvMatrixDataset grid = NewGrid();
    ASSERT_TRUE(Read(grid, GridOf({"1 1 1 -2.0", "2 1 1 -0.5"})));
    EXPECT_EQ(grid.GetMaxValue(), 0.0);
}

TEST_F(MatrixDataset, PointsThatDoNotConvertAreDroppedAndReadingGoesOn) {
    OrvMatrixDataset grid = NewGrid();
    ASSERT_TRUE(Read(grid, GridOf({"1 1 1 1.0", "x 1 1 2.0", "50 1 1 bad", "2 1 1 3.0"})));
    EXPECT_EQ(grid.GetPointCount(), 2);
    EXPECT_DOUBLE_EQ(grid.GetValueAt(2, 1, 1), 3.0);
    // A dropped point leaves no trace in the extent.
    EXPECT_EQ(Extent(grid, 0), (Position{1, 2, 0}));
}

TEST_F(MatrixDataset, RecordsThatDoNotReadFail) {
    struct Case {
        const char* name;
        TransferLines lines;
    };
    const std::vector<Case> cases = {
        {"no point remains", GridOf({"x 1 1 1.0", "1 y 1 1.0"})},
        {"time on the record line",
         {"MEM# D DATE TIME", "9 M 15/03/2024 11:00:00", "X Y Z VALUE[T]", "1 1 1 1.0"}},
        {"unknown point column", {"MEM# D DATE", "9 M 15/03/2024", "X Y Z HUE", "1 1 1 red"}},
        {"date does not read", {"MEM# D DATE", "9 M someday", "X Y Z VALUE[T]", "1 1 1 1.0"}},
        {"fewer than four lines", {"MEM# D DATE", "9 M 15/03/2024", "X Y Z VALUE[T]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrvMatrixDataset grid = NewGrid();
        EXPECT_FALSE(Read(grid, c.lines));
    }
}

TEST_F(MatrixDataset, MoveMarker) {
    // (3, 1, 1) has a negative value and so counts as missing.
    const TransferLines lines =
        GridOf({"1 1 1 1.0", "2 1 1 2.0", "3 1 1 -1.0", "1 2 1 4.0", "2 2 1 5.0", "3 2 1 6.0"});
    struct Case {
        const char* name;
        Position from, to, expected;
    };
    const std::vector<Case> cases = {
        {"point there", {1, 1, 1}, {2, 2, 1}, {2, 2, 1}},
        {"changed X, only (X, 2, 1) in that plane", {1, 1, 1}, {3, 1, 1}, {3, 2, 1}},
        {"changed Y, first point of that plane by X", {3, 2, 1}, {3, 1, 1}, {1, 1, 1}},
        {"outside the extent", {1, 1, 1}, {4, 1, 1}, {1, 1, 1}},
        {"below the extent", {2, 2, 1}, {2, 2, 0}, {2, 2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrvMatrixDataset grid = NewGrid();
        ASSERT_TRUE(Read(grid, lines));
        grid.MoveMarker(c.from[0], c.from[1], c.from[2]);
        ASSERT_EQ(Marker(grid), c.from);
        grid.MoveMarker(c.to[0], c.to[1], c.to[2]);
        EXPECT_EQ(Marker(grid), c.expected);
    }
}

TEST_F(MatrixDataset, MoveMarkerFallsBackToTheFirstPointOfTheGrid) {
    OrvMatrixDataset grid = NewGrid();
    ASSERT_TRUE(Read(grid, GridOf({"2 2 2 1.0", "3 3 3 -1.0", "1 1 1 -1.0"})));
    EXPECT_EQ(Marker(grid), (Position{-1, -1, -1}));
    grid.MoveMarker(3, 3, 3); // no plane through it holds a point
    EXPECT_EQ(Marker(grid), (Position{2, 2, 2}));

    // Far-apart indices make a huge extent; a move still looks at the points only.
    OrvMatrixDataset sparse = NewGrid();
    ASSERT_TRUE(Read(sparse, GridOf({"1 1 1 1.0", "2000000000 1 1 2.0", "1 1 2000000000 3.0"})));
    sparse.MoveMarker(1, 1, 1);
    sparse.MoveMarker(1000000000, 1, 1000000000);
    EXPECT_EQ(Marker(sparse), (Position{1, 1, 1}));
    sparse.MoveMarker(2000000000, 1, 5);
    EXPECT_EQ(Marker(sparse), (Position{2000000000, 1, 1}));
}

TEST_F(MatrixDataset, AxisPositionInIndicesOrMetres) {
    OrvMatrixDataset grid = NewGrid();
    struct Case {
        double offset, distance;
        int index;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {0, 0, 3, "3"},         {0, 0.5, 3, "1 m"}, {2, 0.5, 1, "2 m"},
        {0, 0.25, 2, "250 mm"}, {5, -1, 3, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ViewSetup().SetIndexOffset(0, c.offset);
        ViewSetup().SetIndexDistance(0, c.distance);
        EXPECT_EQ(grid.FormatAxisPosition(0, c.index), c.expected);
    }
    ViewSetup().SetIndexOffset(2, 0);
    ViewSetup().SetIndexDistance(2, 0.5);
    EXPECT_EQ(grid.FormatAxisPosition(1, 3), "3");
    EXPECT_EQ(grid.FormatAxisPosition(2, 3), "1 m");
}

TEST_F(MatrixDataset, InfoMarkerAndTree) {
    OrvMatrixDataset grid = NewGrid();
    ASSERT_TRUE(Read(grid, kAnalyserGrid));
    EXPECT_EQ(grid.GetInfoText(), "PROBE: INT_PRB, CHN: ALL\nMEM#: 9, D: M, MODE: FST\n"
                                  "DATE/TIME: 15/03/2024/11:00:00\nFILTER: 5Hz..2KHz, DET: RMS");

    grid.MoveMarker(3, 2, 1);
    ViewSetup().SetMarkerVisible(false);
    EXPECT_EQ(grid.GetMarkerText(), "");
    ViewSetup().SetMarkerVisible(true);
    EXPECT_EQ(grid.GetMarkerText(), "MARKER: X: 3 Y: 2 Z: 1  VALUE: 6 \xB5T");

    DataTree tree;
    DataTreeNode* node = grid.AddToTree(tree, nullptr);
    ASSERT_EQ(node->ChildCount(), 2u);
    const DataTreeNode* configuration = node->Child(0);
    ASSERT_EQ(configuration->ChildCount(), 4u);
    EXPECT_EQ(configuration->Child(2)->Text(), "FILTER: 5Hz..2KHz");
    const DataTreeNode* values = node->Child(1);
    EXPECT_EQ(values->Text(), "Values");
    ASSERT_EQ(values->ChildCount(), 7u);
    EXPECT_EQ(values->Child(3)->Text(), "N: 4;  VALUE[T]: 4.0000E-06;  VALID: OK;  X: 1;  Y: 2;  "
                                        "Z: 1;  TIME: 11:00:15;  MAX: MAX;");
    const std::size_t nodes = tree.NodeCount();
    grid.AddToTree(tree, nullptr);
    EXPECT_EQ(tree.NodeCount(), nodes);
}

TEST_F(MatrixDataset, PlainExportLayout) {
    OrvMatrixDataset grid = NewGrid();
    ASSERT_TRUE(Read(grid, kAnalyserGrid));
    SetExportSeparator(false);
    LineList written;
    grid.ExportTo(written, false);
    ASSERT_EQ(written.Count(), 2u + 1u + 7u + 1u);
    EXPECT_EQ(written[0], "MEM# D PROBE      CHN MODE DATE     FILTER      DET ");
    EXPECT_EQ(written[1], "9    M INT_PRB    ALL FST  15/03/2024 5Hz..2KHz   RMS  ");
    EXPECT_EQ(written[2], "N    X    Y    Z    TIME     MAX  VALUE[T]   VALID");
    EXPECT_EQ(written[3], "1    1    1    1    11:00:00 LIVE 1.0000E-06 OK    ");
    EXPECT_EQ(written[10], "COMMENT  grid");
}

TEST_F(MatrixDataset, ExportThatDoesNotFitAddsNothing) {
    OrvMatrixDataset grid = NewGrid();
    ASSERT_TRUE(Read(grid, kAnalyserGrid));
    LineList written(7 + 3);
    EXPECT_THROW(grid.ExportTo(written, true), ExportOverflow);
    EXPECT_EQ(written.Count(), 0u);
}

TEST_F(MatrixDataset, ExportedGridReadsBack) {
    struct Case {
        const char* name;
        bool csv;
        bool german;
        const char* exportDate; // empty: the regional short date
    };
    const std::vector<Case> cases = {
        {"plain text", false, false, ""},
        {"CSV with ; and decimal comma", true, true, ""},
        {"CSV with a date picture of its own", true, true, "yyyy-mm-dd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseFormats(c.german ? test::GermanFormats() : FormatSettings{});
        SetExportFormat(ExportFormatKind::Date, c.exportDate);
        OrvMatrixDataset grid(9, eEFieldProbe, 0, eSTD, kGivenByTheList);
        {
            FormatSettingsScope analyser;
            CurrentFormat().DecimalSeparator = '.';
            CurrentFormat().ShortDateFormat = "dd/mm/yyyy";
            CurrentFormat().DateSeparator = '/';
            ASSERT_TRUE(Read(grid, {"MEM# D STANDARD DATE", "9 M ICNIRP 15/03/2024",
                                    "N X Y Z TIME MAX VALUE[%] VALID FREQ[HZ]",
                                    "1 1 1 1 23:59:58 MAX 1.25E+01 OK 50",
                                    "2 2 1 1 23:59:59 LIVE 2.5E-01 !O 60", "COMMENT checked"}));
        }
        SetExportSeparator(c.csv);
        LineList written;
        grid.ExportTo(written, c.csv);

        OrvDataset::SetTransferSeparator(GetExportSeparator()[0]);
        OrvMatrixDataset again = NewGrid(eSTD);
        ASSERT_TRUE(Read(again, Trimmed(written)));
        EXPECT_DOUBLE_EQ(again.GetDateTime(), kDate + EncodeTime(23, 59, 58, 0));
        EXPECT_EQ(again.GetStandard(), "ICNIRP");
        EXPECT_EQ(again.GetUnit(), eUnitPercent);
        ASSERT_EQ(again.GetPointCount(), 2);
        EXPECT_DOUBLE_EQ(again.GetValueAt(1, 1, 1), 12.5);
        EXPECT_DOUBLE_EQ(again.GetValueAt(2, 1, 1), 0.25);
        EXPECT_EQ(again.GetValidAt(2, 1, 1), eValidOverdrive);
        EXPECT_EQ(again.FormatPointTime(1, 0), "23:59:59");
        EXPECT_EQ(again.FormatPointMaxHold(0, 0), "MAX");
        // The points' frequencies survive the round trip.
        EXPECT_EQ(again.FormatPointFrequency(1, 0), "60");
        EXPECT_EQ(again.GetComment(), "checked");
        OrvDataset::SetTransferSeparator(' ');
    }
}

} // namespace
