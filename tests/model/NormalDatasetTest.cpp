#include "TestSupport.h"

#include "core/ConvertError.h"
#include "datasets/DataTree.h"
#include "datasets/OrvNormalDataset.h"
#include "export/ExportCells.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ombrix;

namespace {

const DateTime kWhen = EncodeDate(2024, 3, 15) + EncodeTime(9, 5, 7, 0);

// What the data list does before a kind reads: every line trimmed.
TransferLines Trimmed(const LineList& lines) {
    TransferLines result;
    for (std::string line : lines.Lines()) {
        const auto first = line.find_first_not_of(' ');
        const auto last = line.find_last_not_of(' ');
        result.push_back(first == std::string::npos ? "" : line.substr(first, last - first + 1));
    }
    return result;
}

class NormalDataset : public test::ModelTest {
protected:
    // Transfer text with ';' between columns, as the analyser writes it.
    static std::unique_ptr<OrvNormalDataset> Read(const TransferLines& lines, Code mode = eFST) {
        OrvDataset::SetTransferSeparator(';');
        auto dataset = std::make_unique<OrvNormalDataset>(7, eIntProbe, 0, mode, kWhen);
        int index = 0;
        if (!dataset->ParseFrom(lines, index)) return nullptr;
        return dataset;
    }

    static LineList Export(OrvNormalDataset& dataset, bool csv) {
        SetExportSeparator(csv);
        LineList lines;
        dataset.ExportTo(lines, csv);
        return lines;
    }

    // Writes the dataset, reads the text into a new dataset and writes that.
    static void ExpectRoundTrip(OrvNormalDataset& dataset, bool csv) {
        const LineList first = Export(dataset, csv);
        OrvDataset::SetTransferSeparator(GetExportSeparator()[0]);
        OrvNormalDataset reread(dataset.GetMemNumber(), dataset.GetProbe(), dataset.GetChannel(),
                                dataset.GetMode(), dataset.GetDateTime());
        int index = 0;
        const TransferLines text = Trimmed(first);
        ASSERT_TRUE(reread.ParseFrom(text, index));
        EXPECT_EQ(index, static_cast<int>(text.size()));
        EXPECT_EQ(reread.GetValue(), dataset.GetValue());
        EXPECT_EQ(reread.GetComment(), dataset.GetComment());
        const LineList second = Export(reread, csv);
        EXPECT_EQ(second.Lines(), first.Lines());
    }
};

const TransferLines kFstRecord = {
    "MEM#;D;PROBE;CHN;MODE;DATE;TIME;FILTER;DET;MAX;VALUE[V/m];VALID;FREQU[Hz]",
    "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;BP50.0Hz;RMS;MAX;1.2345E+01;OK;50;",
    "COMMENT; above the transformer",
};

TEST_F(NormalDataset, ReadsAnFstRecordWithBandPassFilter) {
    auto dataset = Read(kFstRecord);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetValue(), 12.345);
    EXPECT_EQ(dataset->GetUnit(), eUnitVm);
    EXPECT_EQ(dataset->GetValid(), eValidOK);
    EXPECT_EQ(dataset->GetFrequency(), 50);
    EXPECT_EQ(dataset->FormatFilter(0), "BP50.0Hz");
    EXPECT_EQ(dataset->FormatDetection(0), "RMS");
    EXPECT_EQ(dataset->FormatMaxHold(0), "MAX");
    EXPECT_EQ(dataset->GetComment(), "above the transformer");
}

TEST_F(NormalDataset, FilterFieldTexts) {
    OrvNormalDataset dataset(1, eIntProbe, 0, eFST, kWhen);
    EXPECT_EQ(dataset.FormatFilter(2), "FILTER: "); // not read yet
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"BP50.0Hz", "BP50.0Hz"},  {"BS16.7Hz", "BS16.7Hz"},   {"BP16.67Hz", "BP16.7Hz"},
        {"BP1500Hz", "BP1.5E3Hz"}, {"5Hz..2KHz", "5Hz..2KHz"}, {"30Hz..32KHz", "30Hz..32KHz"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        dataset.ParseFilterField(c.text);
        EXPECT_EQ(dataset.FormatFilter(0), c.written);
    }
    dataset.ParseFilterField("BP50.0Hz");
    EXPECT_EQ(dataset.FormatFilter(0), "BP50.0Hz");
    EXPECT_THROW(dataset.ParseFilterField("BPxHz"), ConvertError);
    EXPECT_THROW(dataset.ParseFilterField("BP"), ConvertError);
    EXPECT_THROW(dataset.ParseFilterField("7Hz..2KHz"), std::invalid_argument);
}

TEST_F(NormalDataset, BroadbandFilterIsWrittenWithTheExportDecimalMark) {
    auto dataset = Read(kFstRecord);
    ASSERT_TRUE(dataset);
    dataset->ParseFilterField("5Hz..32KHz");
    SetExportFormat(ExportFormatKind::DecimalSeparator, ",");
    EXPECT_EQ(dataset->FormatFilter(0), "5Hz,,32KHz");
}

TEST_F(NormalDataset, FrequencyThatIsNoNumberIsLeftOutWhenWritten) {
    TransferLines record = kFstRecord;
    record.Replace(1, "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;BP50.0Hz;RMS;MAX;1.2345E+01;OK;n/a;");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetFrequency(), -1);
    EXPECT_EQ(dataset->FormatFrequency(2), "");
    const LineList lines = Export(*dataset, true);
    EXPECT_EQ(lines[0].find("FREQU"), std::string::npos);
}

TEST_F(NormalDataset, MissingValidColumnShowsInvalidValue) {
    auto dataset = Read({"MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;VALUE[T]",
                         "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;LIVE;1.5E-06"});
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetValid(), kNotRead);
    EXPECT_EQ(dataset->FormatValid(0), "invalid value");
    EXPECT_EQ(dataset->GetValue(), 1.5e-6);
    for (bool csv : {false, true}) {
        const LineList lines = Export(*dataset, csv);
        EXPECT_EQ(lines[0].find("VALID"), std::string::npos);
        ExpectRoundTrip(*dataset, csv);
    }
}

TEST_F(NormalDataset, RecordsThatDoNotRead) {
    const char* labels = "MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;VALUE[T];VALID";
    // An unknown column name is refused.
    EXPECT_FALSE(Read(
        {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;COLOUR", "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;red"}));
    // Fewer than two lines.
    EXPECT_FALSE(Read({labels}));
    // A value line shorter than the label line leaves the value empty.
    EXPECT_THROW(Read({labels, "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;LIVE;"}), ConvertError);
    // Vocabulary and unit texts the analyser does not know.
    EXPECT_THROW(Read({labels, "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;HOLD;1;OK;"}),
                 std::invalid_argument);
    EXPECT_THROW(Read({"MEM#;D;PROBE;CHN;MODE;DATE;TIME;VALUE[mT]",
                       "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;1;"}),
                 std::invalid_argument);
}

TEST_F(NormalDataset, EmptyNameEndsTheColumns) {
    auto dataset = Read({"MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;;VALID",
                         "7;N;INT_PRB;ALL;FST;15/03/24;09:05:07;LIVE;;OK"});
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetValid(), kNotRead);
}

TEST_F(NormalDataset, PlainTextLabelLineHasPaddedCellsAndNoTrailingBlank) {
    auto dataset = Read(kFstRecord);
    ASSERT_TRUE(dataset);
    SetExportFormat(ExportFormatKind::Date, "dd.mm.yy");
    SetExportFormat(ExportFormatKind::Time, "hh:mm:ss");
    const LineList lines = Export(*dataset, false);
    ASSERT_EQ(lines.Count(), 3u);
    EXPECT_EQ(lines[0],
              "MEM# D PROBE      CHN MODE DATE     TIME     FILTER      DET  MAX  VALUE[V/m] VALID "
              "FREQU[Hz]");
    EXPECT_EQ(lines[1],
              "7    N INT_PRB    ALL FST  15.03.24 09:05:07 BP50.0Hz    RMS  MAX  1.2345E+01 OK    "
              "50        ");
    EXPECT_EQ(lines[2], "COMMENT  above the transformer");
}

TEST_F(NormalDataset, CsvCellsCarryTheListSeparatorAndDecimalComma) {
    UseFormats(test::GermanFormats());
    SetExportFormat(ExportFormatKind::Date, "yy-mm-dd");
    auto dataset = Read({"MEM#;D;PROBE;CHN;MODE;STANDARD;DATE;TIME;MAX;VALUE[%];VALID",
                         "7;N;INT_PRB;ALL;STD;GENPUB 2010;15.03.24;09:05:07;LIVE;12,5;!O;"},
                        eSTD);
    ASSERT_TRUE(dataset);
    const LineList lines = Export(*dataset, true);
    ASSERT_EQ(lines.Count(), 2u);
    EXPECT_EQ(lines[0],
              "MEM#;D;PROBE;     CHN;MODE;STANDARD;    DATE;    TIME;    MAX; VALUE[%];  VALID");
    EXPECT_EQ(lines[1],
              "7;   N;INT_PRB;   ALL;STD; GENPUB 2010; 24-03-15;09:05:07;LIVE;1,2500E+01;!O;   ");
}

TEST_F(NormalDataset, OptionalColumnsWithoutValueAreLeftOutSoTheRecordReadsBack) {
    SetExportFormat(ExportFormatKind::ListSeparator, ";");
    // An STD value without a standard name and an FST value without detection,
    // neither with a live/max setting.
    OrvNormalDataset std(3, eIntProbe, 0, eSTD, kWhen);
    std.SetUnit(eUnitPercent);
    std.SetValueFields(42.0, eValidOK, -1);
    OrvNormalDataset fst(4, eIntProbe, 0, eFST, kWhen);
    fst.SetUnit(eUnitT);
    fst.SetValueFields(2.5e-6, eValidOK, 50);
    fst.ParseFilterField("BP50.0Hz");
    for (OrvNormalDataset* dataset : {&std, &fst}) {
        const LineList lines = Export(*dataset, true);
        EXPECT_EQ(lines[0].find(";;"), std::string::npos) << lines[0];
        ExpectRoundTrip(*dataset, true);
    }
    EXPECT_EQ(Export(std, true)[0],
              "MEM#;D;PROBE;     CHN;MODE;DATE;    TIME;    VALUE[%];  VALID");
}

TEST_F(NormalDataset, RoundTripPlainAndCsv) {
    auto fst = Read(kFstRecord);
    ASSERT_TRUE(fst);
    auto std =
        Read({"MEM#;D;PROBE;CHN;MODE;STANDARD;DATE;TIME;MAX;VALUE[%];VALID",
              "8;N;EF_PRB;X;STD;GENPUB;15/03/24;09:05:07;LIVE;0.5;!A;", "COMMENT; two", "lines"},
             eSTD);
    ASSERT_TRUE(std);
    ExpectRoundTrip(*fst, false);
    ExpectRoundTrip(*fst, true);
    ExpectRoundTrip(*std, false);

    UseFormats(test::GermanFormats());
    SetExportFormat(ExportFormatKind::DecimalSeparator, ",");
    SetExportFormat(ExportFormatKind::ListSeparator, ";");
    fst->ParseFilterField("30Hz,,2KHz");
    ExpectRoundTrip(*fst, true);
    ExpectRoundTrip(*std, true);
    const std::string values(Export(*fst, true)[1]);
    EXPECT_NE(values.find(" 1,2345E+01;OK;"), std::string::npos) << values;
}

TEST_F(NormalDataset, OverflowChecks) {
    auto dataset = Read(kFstRecord); // writes two lines and a comment line
    ASSERT_TRUE(dataset);
    SetExportSeparator(true);
    {
        LineList lines(2); // the record's own check: room must exceed 2
        dataset->SetExported(false);
        EXPECT_THROW(dataset->ExportTo(lines, true), ExportOverflow);
        EXPECT_EQ(lines.Count(), 0u);
    }
    {
        LineList lines(3); // the record fits, the comment does not: its lines stay, unmarked
        EXPECT_THROW(dataset->ExportTo(lines, true), ExportOverflow);
        EXPECT_EQ(lines.Count(), 2u);
        EXPECT_FALSE(dataset->GetExported());
    }
    {
        LineList lines(4);
        dataset->ExportTo(lines, true);
        EXPECT_EQ(lines.Count(), 3u);
        EXPECT_TRUE(dataset->GetExported());
    }
}

TEST_F(NormalDataset, TreeInfoAndValueClass) {
    auto dataset = Read(kFstRecord);
    ASSERT_TRUE(dataset);
    DataTree tree;
    DataTreeNode* node = dataset->AddToTree(tree, nullptr);
    ASSERT_EQ(node->ChildCount(), 2u);
    const DataTreeNode* configuration = node->Child(0);
    const DataTreeNode* value = node->Child(1);
    EXPECT_EQ(configuration->Text(), "Configuration");
    ASSERT_EQ(configuration->ChildCount(), 5u);
    EXPECT_EQ(configuration->Child(0)->Text(), "PROBE: INT_PRB");
    EXPECT_EQ(configuration->Child(2)->Text(), "MAX: MAX");
    EXPECT_EQ(configuration->Child(3)->Text(), "FILTER: BP50.0Hz");
    EXPECT_EQ(configuration->Child(4)->Text(), "DET: RMS");
    EXPECT_EQ(value->Text(), "Value");
    ASSERT_EQ(value->ChildCount(), 3u);
    EXPECT_EQ(value->Child(0)->Text(), "VALID: OK");
    EXPECT_EQ(value->Child(1)->Text(), "VALUE[V/m]: 1.2345E+01");
    EXPECT_EQ(value->Child(2)->Text(), "FREQU[Hz]: 50");
    EXPECT_EQ(value->Child(2)->Dataset(), dataset.get());

    dataset->AddToTree(tree, nullptr);
    EXPECT_EQ(node->ChildCount(), 2u);
    EXPECT_EQ(tree.Root()->ChildCount(), 1u);

    const std::string info = dataset->GetInfoText();
    EXPECT_EQ(info.substr(info.rfind('\n') + 1), "FILTER: BP50.0Hz, MAX: MAX, VALID: OK, DET: RMS");
}

TEST_F(NormalDataset, ValueClassByUnit) {
    const struct {
        Code probe, mode, unit;
        ValueClass expected;
    } cases[] = {
        {eIntProbe, eFST, eUnitT, eTesla},
        {eIntProbe, eFST, eUnitG, eGauss},
        {eExtProbe1, eFST, eUnitAm, eAmperePerMetre},
        {eIntProbe, eFST, kNotRead, eTesla},
        {eIntProbe, eFST, eUnitVm, eTesla},
        {eEFieldProbe, eFST, eUnitG, eEField},
        {eIntProbe, eSTD, eUnitG, ePercent},
    };
    for (const auto& c : cases) {
        OrvNormalDataset dataset(1, c.probe, 0, c.mode, kWhen);
        dataset.SetUnit(c.unit);
        EXPECT_EQ(dataset.GetValueClass(), c.expected)
            << int(c.probe) << "/" << int(c.mode) << "/" << int(c.unit);
    }
}

} // namespace
