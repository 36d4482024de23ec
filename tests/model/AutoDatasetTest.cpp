#include "TestSupport.h"

#include "core/DateTime.h"
#include "datasets/DataTree.h"
#include "datasets/OrvAutoDataset.h"
#include "export/ExportCells.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ombrix;

namespace {

const DateTime kStart = EncodeDate(2024, 3, 15) + EncodeTime(10, 0, 0, 0);
const DateTime kSecond = EncodeTime(0, 0, 1, 0);

// A series as the analyser sends it: blank-separated, lines trimmed.
const TransferLines kAnalyserSeries = {
    "MEM# D PROBE CHN MODE DATE TIME STEP FILTER DET MAX",
    "7 A INT_PRB ALL FST 15/03/2024 10:00:00 00:00:10 5Hz..2KHz RMS LIVE",
    "N VALUE[T] VALID FREQ[HZ]",
    "1 1.0000E-06 OK 50",
    "2 2.0000E-06 OK 50",
    "3 3.0000E-06 !O 50",
    "4 4.0000E-06 OK 50",
    "5 5.0000E-06 !A 50",
    "6 6.0000E-06 OK 50",
    "COMMENT Hall 2",
    "MEM# D PROBE CHN MODE DATE TIME MAX VALUE[T] VALID",
};

class AutoDataset : public test::ModelTest {
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

    static OrvAutoDataset NewSeries(Code mode = eFST) {
        return OrvAutoDataset(7, eIntProbe, 0, mode, kStart);
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

    // Written lines as the data list reads them back: trimmed.
    static TransferLines Trimmed(const LineList& written) {
        TransferLines lines;
        for (std::string line : written.Lines()) {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            while (!line.empty() && line.front() == ' ')
                line.erase(0, 1);
            lines.push_back(line);
        }
        return lines;
    }

    // Appends until the series follows the newest sample again, whatever an
    // earlier series left in the shared follow state.
    static void SettleFollowing(OrvAutoDataset& series) {
        for (int i = 0; i < 6; ++i)
            series.AppendSamples({"0 1.0 OK"});
    }

private:
    ViewSetupStruct::Image m_savedView{};
    char m_savedSeparator = ',';
};

TEST_F(AutoDataset, ReadsTheSeriesAndItsCommentUpToTheNextRecord) {
    OrvAutoDataset series = NewSeries();
    int index = 0;
    ASSERT_TRUE(Read(series, kAnalyserSeries, index));

    EXPECT_EQ(index, 10); // on the next record's MEM# line
    EXPECT_EQ(series.GetComment(), "Hall 2");
    EXPECT_EQ(series.GetSampleCount(), 6);
    EXPECT_DOUBLE_EQ(series.GetStep(), 10 * kSecond);
    EXPECT_EQ(series.GetUnit(), eUnitT);
    EXPECT_EQ(series.GetValueClass(), eTesla);
    EXPECT_DOUBLE_EQ(series.GetSampleValue(2), 3e-6);
    EXPECT_EQ(series.GetSampleValid(2), eValidOverdrive);
    EXPECT_EQ(series.GetCursor(), 5);
    EXPECT_EQ(series.GetFrequency(), 50);
    double number = 0, value = 0;
    series.GetLastPoint(number, value);
    EXPECT_EQ(number, 6);
    EXPECT_DOUBLE_EQ(value, 6e-6);
    EXPECT_EQ(series.FormatFilter(0), "5Hz..2KHz");
    EXPECT_EQ(series.FormatDetection(0), "RMS");
    EXPECT_EQ(series.FormatMaxHold(0), "LIVE");
}

TEST_F(AutoDataset, SampleBlockEndsAtTheNextRecordCommentOrEndOfText) {
    struct Case {
        const char* name;
        TransferLines lines;
        int samples;
        int indexAfter;
    };
    const std::vector<Case> cases = {
        {"one sample, next record directly",
         {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID", "1 1.0E-06 OK", "MEM# D STEP",
          "2 A 00:00:01"},
         1,
         4},
        {"last line of the text",
         {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID", "1 1.0E-06 OK", "2 2.0E-06 OK"},
         2,
         5},
        {"comment after the samples",
         {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID", "1 1.0E-06 OK", "COMMENT x", "MEM# D"},
         1,
         5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrvAutoDataset series = NewSeries();
        int index = 0;
        ASSERT_TRUE(Read(series, c.lines, index));
        EXPECT_EQ(series.GetSampleCount(), c.samples);
        EXPECT_EQ(index, c.indexAfter);
    }
}

TEST_F(AutoDataset, RecordsThatDoNotReadFail) {
    struct Case {
        const char* name;
        TransferLines lines;
    };
    const std::vector<Case> cases = {
        {"step is not a time", {"MEM# D STEP", "1 A ten", "N VALUE[T] VALID", "1 1.0E-06 OK"}},
        {"unknown record column", {"MEM# D COLOUR", "1 A red", "N VALUE[T] VALID", "1 1.0E-06 OK"}},
        {"unknown sample column",
         {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] HUE", "1 1.0E-06 red"}},
        {"value is not a number", {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID", "1 high OK"}},
        {"validity is not known",
         {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID", "1 1.0E-06 ??"}},
        {"unit is not known", {"MEM# D STEP", "1 A 00:00:01", "N VALUE[lb] VALID", "1 1.0E-06 OK"}},
        {"no sample line", {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OrvAutoDataset series = NewSeries();
        EXPECT_FALSE(Read(series, c.lines));
    }
}

TEST_F(AutoDataset, FrequencyThatIsNotANumberIsNoneAndDropsTheColumn) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, {"MEM# D STEP", "1 A 00:00:01", "N VALUE[T] VALID FREQ[HZ]",
                              "1 1.0E-06 OK n/a", "2 2.0E-06 OK 60"}));
    series.SetCursor(0);
    EXPECT_EQ(series.GetFrequency(), -1);
    series.SetCursor(1);
    EXPECT_EQ(series.GetFrequency(), 60);

    SetExportSeparator(false);
    LineList written;
    series.ExportTo(written, false);
    ASSERT_EQ(written.Count(), 5u);
    EXPECT_EQ(written[2], "N    VALUE[T]   VALID");
    EXPECT_EQ(written[3], "1    1.0000E-06 OK    ");
}

TEST_F(AutoDataset, CursorValueAndValidity) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, kAnalyserSeries));

    series.SetCursor(99);
    EXPECT_EQ(series.GetCursor(), 5);
    series.SetCursor(-1);
    EXPECT_EQ(series.GetCursor(), 5);
    series.SetCursor(1);
    EXPECT_DOUBLE_EQ(series.GetValue(), 2e-6);

    // The third sample overdriven, the fifth not ready: the first one counts.
    EXPECT_EQ(series.GetValid(), eValidOverdrive);
    // Read again, and a live series: the validity follows what arrives.
    OrvAutoDataset live = NewSeries();
    live.AppendSamples({"1 2.0E-06 OK", "2 2.1E-06 OK"});
    EXPECT_EQ(live.GetValid(), eValidOK);
    live.AppendSamples({"3 2.2E-06 !A", "4 2.3E-06 !O"});
    EXPECT_EQ(live.GetValid(), eValidNotReady);
    live.AppendSamples({"5 2.4E-06 OK"});
    EXPECT_EQ(live.GetValid(), eValidNotReady);
    ASSERT_TRUE(Read(live, kAnalyserSeries)); // read anew: its own samples count
    EXPECT_EQ(live.GetValid(), eValidOverdrive);

    EXPECT_EQ(series.GetSampleValue(6), 0.0);
    EXPECT_EQ(series.GetSampleValue(-1), 0.0);
    EXPECT_EQ(series.GetSampleValid(6), kNotRead);
}

TEST_F(AutoDataset, CursorBeyondAnEmptySeriesGivesNoSample) {
    OrvAutoDataset series = NewSeries();
    // The cursor starts at 0, beyond a series that has no sample yet.
    EXPECT_EQ(series.GetValue(), -1.0);
    EXPECT_EQ(series.GetCursor(), -1);
    EXPECT_EQ(series.GetFrequency(), -1);
    EXPECT_EQ(series.GetValid(), eValidOK);
    EXPECT_EQ(series.ExtractSample(), nullptr);
    ViewSetup().SetMarkerVisible(true);
    EXPECT_EQ(series.GetMarkerText(), "");

    SetExportSeparator(false);
    LineList written;
    series.ExportTo(written, false);
    ASSERT_EQ(written.Count(), 3u);
    EXPECT_EQ(written[2], "N    VALUE[invalid Value] VALID");
}

TEST_F(AutoDataset, FirstInvalidInRangeLooksOnlyAtTheRange) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, kAnalyserSeries)); // !O at 20 s, !A at 40 s
    struct Case {
        const char* name;
        DateTime from, to;
        Code expected;
    };
    const std::vector<Case> cases = {
        {"range starting a day early begins at the start", kStart - 1, kStart + 25 * kSecond,
         eValidOverdrive},
        {"only valid samples", kStart, kStart + 15 * kSecond, eValidOK},
        {"second invalid sample", kStart + 30 * kSecond, kStart + 45 * kSecond, eValidNotReady},
        {"invalid sample just after the range", kStart + 30 * kSecond, kStart + 30 * kSecond,
         eValidOK},
        {"range after the series", kStart + 60 * kSecond, kStart + 90 * kSecond, eValidOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(series.FirstInvalidInRange(c.from, c.to), c.expected);
    }
}

TEST_F(AutoDataset, ExtractSampleTakesTheCurrentSampleWithTheSettings) {
    OrvAutoDataset series(7, eIntProbe, 0, eSTD, kStart);
    ASSERT_TRUE(Read(series, {"MEM# D STANDARD STEP MAX", "7 A ICNIRP 00:00:10 MAX",
                              "N VALUE[%] VALID FREQ[HZ]", "1 12.5 OK 50", "2 13.5 !A 60",
                              "3 14.5 OK 70"}));
    series.SetCursor(1);
    const auto sample = series.ExtractSample();
    ASSERT_NE(sample, nullptr);
    EXPECT_EQ(sample->GetDataType(), eNormal);
    EXPECT_EQ(sample->GetMemNumber(), 7);
    EXPECT_EQ(sample->GetProbe(), eIntProbe);
    EXPECT_EQ(sample->GetMode(), eSTD);
    EXPECT_DOUBLE_EQ(sample->GetDateTime(), kStart + 10 * kSecond);
    EXPECT_DOUBLE_EQ(sample->GetValue(), 13.5);
    EXPECT_EQ(sample->GetValid(), eValidNotReady);
    EXPECT_EQ(sample->GetFrequency(), 60);
    EXPECT_EQ(sample->GetUnit(), eUnitPercent);
    EXPECT_EQ(sample->GetStandard(), "ICNIRP");
    EXPECT_EQ(sample->FormatMaxHold(0), "MAX");
    EXPECT_EQ(sample->GetValueClass(), ePercent);
}

TEST_F(AutoDataset, AppendSamplesReadsPointDecimalsAndKeepsTheConventions) {
    UseFormats(test::GermanFormats());
    const FormatSettings before = CurrentFormat();
    OrvAutoDataset series = NewSeries();
    series.AppendSamples({
        "1 1.5E-06 OK 50", "2 2.5E-06 !A",
        "",                 // nothing to read
        "x 3.0E-06 OK",     // number unreadable
        "4 3,0E-06 OK",     // decimal comma is not the analyser's
        "5 4.5E-06 maybe",  // validity unknown
        "6 5.5E-06 OK n/a", // frequency unreadable: none
    });
    EXPECT_EQ(CurrentFormat(), before);
    ASSERT_EQ(series.GetSampleCount(), 3);
    EXPECT_DOUBLE_EQ(series.GetSampleValue(0), 1.5e-6);
    EXPECT_EQ(series.GetSampleValid(1), eValidNotReady);
    series.SetCursor(2);
    EXPECT_DOUBLE_EQ(series.GetValue(), 5.5e-6);
    EXPECT_EQ(series.GetFrequency(), -1);
    double number = 0, value = 0;
    series.GetLastPoint(number, value);
    EXPECT_EQ(number, 6);
    EXPECT_DOUBLE_EQ(value, 5.5e-6);
}

TEST_F(AutoDataset, MarkerMovedByTheUserStaysForFiveAppendsThenFollows) {
    OrvAutoDataset series = NewSeries();
    series.AppendSamples({"1 1.0 OK", "2 2.0 OK", "3 3.0 OK", "4 4.0 OK", "5 5.0 OK"});
    SettleFollowing(series);
    EXPECT_EQ(series.GetCursor(), series.GetSampleCount() - 1);

    series.SetCursor(3);
    for (int append = 1; append <= 5; ++append) {
        series.AppendSamples({"9 9.0 OK"});
        EXPECT_EQ(series.GetCursor(), 3) << "append " << append;
    }
    series.AppendSamples({"9 9.0 OK"});
    EXPECT_EQ(series.GetCursor(), series.GetSampleCount() - 1);
    series.AppendSamples({"9 9.0 OK"});
    EXPECT_EQ(series.GetCursor(), series.GetSampleCount() - 1);
}

TEST_F(AutoDataset, LastSampleComparedWithTheThresholdOfItsQuantity) {
    OrvAutoDataset series = NewSeries();
    EXPECT_FALSE(series.LastSampleExceeds());
    ASSERT_TRUE(
        Read(series, {"MEM# D STEP", "1 A 00:00:01", "N VALUE[G] VALID", "1 9.0 OK", "2 0.5 OK"}));
    ViewSetup().SetThreshold(eGauss, 1.0);
    EXPECT_FALSE(series.LastSampleExceeds());
    series.AppendSamples({"3 1.5 OK"});
    EXPECT_TRUE(series.LastSampleExceeds());
}

TEST_F(AutoDataset, TreeGetsNodesForNewSamplesOnly) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, kAnalyserSeries));
    DataTree tree;
    DataTreeNode* node = series.AddToTree(tree, nullptr);
    ASSERT_EQ(node->ChildCount(), 2u);

    const DataTreeNode* configuration = node->Child(0);
    EXPECT_EQ(configuration->Text(), "Configuration");
    std::vector<std::string> settings;
    for (std::size_t i = 0; i < configuration->ChildCount(); ++i)
        settings.push_back(configuration->Child(i)->Text());
    EXPECT_EQ(settings, (std::vector<std::string>{"PROBE: INT_PRB", "CHN: ALL", "FILTER: 5Hz..2KHz",
                                                  "DET: RMS", "STEP: 00:00:10"}));

    const DataTreeNode* values = node->Child(1);
    EXPECT_EQ(values->Text(), "Values");
    ASSERT_EQ(values->ChildCount(), 6u);
    EXPECT_EQ(values->Child(2)->Text(), "N: 3;  VALUE[T]: 3.0000E-06;  VALID: !O;  FREQ[HZ]: 50;");

    const std::size_t nodesBefore = tree.NodeCount();
    EXPECT_EQ(series.AddToTree(tree, nullptr), node);
    EXPECT_EQ(tree.NodeCount(), nodesBefore);

    series.AppendSamples({"7 7.0E-06 OK 50", "8 8.0E-06 OK 50"});
    series.AddToTree(tree, nullptr);
    EXPECT_EQ(tree.NodeCount(), nodesBefore + 2);
    EXPECT_EQ(values->Child(7)->Text(), "N: 8;  VALUE[T]: 8.0000E-06;  VALID: OK;  FREQ[HZ]: 50;");
}

TEST_F(AutoDataset, InfoAndMarkerTexts) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, kAnalyserSeries));
    EXPECT_EQ(series.GetInfoText(),
              "PROBE: INT_PRB, CHN: ALL\nMEM#: 7, D: A, MODE: FST\n"
              "DATE/TIME: 15/03/2024/10:00:00\nSTEP: 00:00:10, FILTER: 5Hz..2KHz, DET: RMS");

    ViewSetup().SetMarkerVisible(false);
    EXPECT_EQ(series.GetMarkerText(), "");
    ViewSetup().SetMarkerVisible(true);
    series.SetCursor(3);
    EXPECT_EQ(series.GetMarkerText(), "MARKER: Time = 10:00:30, VALUE = 4 \xB5T");
    series.SetCursor(4);
    EXPECT_EQ(series.GetMarkerText(), "MARKER: Time = 10:00:40, VALUE = !A");
}

TEST_F(AutoDataset, StepKeepsTheAnalysersFormWhateverTheRegionalTimePicture) {
    FormatSettings regional;
    regional.LongTimeFormat = "h:nn AMPM";
    UseFormats(regional);
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, {"MEM# D STEP", "1 A 00:00:10", "N VALUE[T] VALID", "1 1.0 OK"}));
    EXPECT_EQ(series.FormatStep(0), "00:00:10");

    struct Case {
        const char* text;
        char timeSeparator;
    };
    // The analyser's own form under a foreign time separator, the current
    // separator, and the current conventions' own long time form.
    const std::vector<Case> cases = {{"00:00:10", '.'}, {"00.00.10", '.'}, {"12:00:10 AM", ':'}};
    OrvDataset::SetTransferSeparator(';');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CurrentFormat().TimeSeparator = c.timeSeparator;
        OrvAutoDataset again = NewSeries();
        ASSERT_TRUE(Read(
            again, {"MEM#;D;STEP", "1;A;" + std::string(c.text), "N;VALUE[T];VALID", "1;1.0;OK"}));
        EXPECT_DOUBLE_EQ(again.GetStep(), 10 * kSecond);
    }
}

TEST_F(AutoDataset, PlainExportLayout) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, kAnalyserSeries));
    SetExportSeparator(false);
    LineList written;
    series.ExportTo(written, false);
    ASSERT_EQ(written.Count(), 2u + 1u + 6u + 1u);
    // Only the last blank of the label line goes; the reader trims the rest.
    EXPECT_EQ(written[0], "MEM# D PROBE      CHN MODE DATE     TIME     STEP     FILTER      DET ");
    EXPECT_EQ(written[1],
              "7    A INT_PRB    ALL FST  15/03/2024 10:00:00 00:00:10 5Hz..2KHz   RMS  ");
    EXPECT_EQ(written[2], "N    VALUE[T]   VALID FREQ[HZ] ");
    EXPECT_EQ(written[3], "1    1.0000E-06 OK    50        ");
    EXPECT_EQ(written[9], "COMMENT  Hall 2");
    EXPECT_TRUE(series.GetExported());
}

TEST_F(AutoDataset, ExportThatDoesNotFitAddsNothing) {
    OrvAutoDataset series = NewSeries();
    ASSERT_TRUE(Read(series, kAnalyserSeries));
    series.SetExported(false);
    LineList written(6 + 3); // room for exactly the record's lines, none more
    EXPECT_THROW(series.ExportTo(written, true), ExportOverflow);
    EXPECT_EQ(written.Count(), 0u);
    EXPECT_FALSE(series.GetExported());

    LineList roomy(6 + 3 + 2);
    series.ExportTo(roomy, true);
    EXPECT_EQ(roomy.Count(), 10u);
}

TEST_F(AutoDataset, ExportedSeriesReadsBack) {
    struct Case {
        const char* name;
        bool csv;
        bool german;
    };
    const std::vector<Case> cases = {{"plain text", false, false},
                                     {"CSV with ; and decimal comma", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseFormats(c.german ? test::GermanFormats() : FormatSettings{});
        OrvAutoDataset series(7, eEFieldProbe, 2, eFST, kStart);
        {
            FormatSettingsScope analyser;
            CurrentFormat().DecimalSeparator = '.';
            ASSERT_TRUE(Read(series, {"MEM# D STEP FILTER DET", "7 A 00:01:30 BP50.0Hz PEAK",
                                      "N VALUE[V/m] VALID", "1 1.2345E+01 OK", "2 2.5E-03 !O",
                                      "COMMENT two lines", "of comment"}));
        }
        SetExportSeparator(c.csv);
        LineList written;
        series.ExportTo(written, c.csv);

        OrvDataset::SetTransferSeparator(GetExportSeparator()[0]);
        OrvAutoDataset again(7, eEFieldProbe, 2, eFST, kStart);
        ASSERT_TRUE(Read(again, Trimmed(written)));
        EXPECT_DOUBLE_EQ(again.GetStep(), 90 * kSecond);
        EXPECT_EQ(again.GetUnit(), eUnitVm);
        EXPECT_EQ(again.FormatFilter(0), series.FormatFilter(0));
        EXPECT_EQ(again.FormatDetection(0), "PEAK");
        ASSERT_EQ(again.GetSampleCount(), 2);
        EXPECT_DOUBLE_EQ(again.GetSampleValue(0), 12.345);
        EXPECT_DOUBLE_EQ(again.GetSampleValue(1), 2.5e-3);
        EXPECT_EQ(again.GetSampleValid(1), eValidOverdrive);
        EXPECT_EQ(again.GetComment(), "two lines\nof comment");
        OrvDataset::SetTransferSeparator(' ');
    }
}

} // namespace
