#include "TestSupport.h"

#include "core/ConvertError.h"
#include "datasets/DataTree.h"
#include "datasets/OrvListDataset.h"
#include "export/ExportCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace ombrix;

namespace {

const DateTime kWhen = EncodeDate(2024, 3, 15) + EncodeTime(9, 5, 7, 0);

TransferLines Trimmed(const LineList& lines) {
    TransferLines result;
    for (const std::string& line : lines.Lines()) {
        const auto first = line.find_first_not_of(' ');
        const auto last = line.find_last_not_of(' ');
        result.push_back(first == std::string::npos ? "" : line.substr(first, last - first + 1));
    }
    return result;
}

// A harmonics record as the analyser sends it, separated by ';'.
TransferLines HarmonicsRecord() {
    return {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;DET;MAX;VALID",
            "21;L;EXT_PRB_1;Z;HAR;15/03/24;09:05:07;AVG;LIVE;OK;",
            "F1[Hz];  50.02",
            "V1[T];   1.2345E-05",
            "K2[%];   12.346",
            "K3[%];   0.5000",
            "K4[%];   3.2",
            "K5[%];   2.1",
            "K6[%];   0.05",
            "K7[%];   1.75",
            "K8[%];   0",
            "K9[%];   0.9",
            "KT[%];   13.12",
            "KN[%];   4.25"};
}

class ListDataset : public test::ModelTest {
protected:
    static std::unique_ptr<OrvListDataset> NewDataset() {
        return std::make_unique<OrvListDataset>(21, eExtProbe1, 3, eHAR, kWhen);
    }

    static std::unique_ptr<OrvListDataset> Read(const TransferLines& lines, int* end = nullptr) {
        OrvDataset::SetTransferSeparator(';');
        auto dataset = NewDataset();
        int index = 0;
        if (!dataset->ParseFrom(lines, index)) return nullptr;
        if (end) *end = index;
        return dataset;
    }

    static LineList Export(OrvListDataset& dataset, bool csv) {
        SetExportSeparator(csv);
        LineList lines;
        dataset.ExportTo(lines, csv);
        return lines;
    }

    static void ExpectRoundTrip(OrvListDataset& dataset, bool csv) {
        const LineList first = Export(dataset, csv);
        OrvDataset::SetTransferSeparator(GetExportSeparator()[0]);
        auto reread = NewDataset();
        const TransferLines text = Trimmed(first);
        int index = 0;
        ASSERT_TRUE(reread->ParseFrom(text, index));
        EXPECT_EQ(index, static_cast<int>(text.size()));
        EXPECT_EQ(reread->GetF1(), dataset.GetF1());
        EXPECT_EQ(reread->GetV1(), dataset.GetV1());
        EXPECT_EQ(reread->GetComment(), dataset.GetComment());
        EXPECT_EQ(Export(*reread, csv).Lines(), first.Lines());
    }
};

TEST_F(ListDataset, ReadsTheFourteenLines) {
    int end = 0;
    auto dataset = Read(HarmonicsRecord(), &end);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(end, 14);
    EXPECT_EQ(dataset->GetF1(), 50.02);
    EXPECT_EQ(dataset->GetV1(), 1.2345e-5);
    EXPECT_EQ(dataset->GetUnit(), eUnitT);
    EXPECT_EQ(dataset->GetHarmonic(0), 12.346);
    EXPECT_EQ(dataset->GetHarmonic(7), 0.9);
    EXPECT_EQ(dataset->GetHarmonic(8), -1.0);
    EXPECT_EQ(dataset->GetKT(), 13.12);
    EXPECT_EQ(dataset->GetKN(), 4.25);
    EXPECT_EQ(dataset->GetValid(), eValidOK);
    EXPECT_EQ(dataset->FormatDetection(0), "AVG");
}

TEST_F(ListDataset, ValueLinesInReverseOrderReadTheSame) {
    TransferLines record = HarmonicsRecord();
    std::vector<std::string> reversedLines = record.ToVector();
    std::reverse(reversedLines.begin() + 2, reversedLines.end());
    record = TransferLines(reversedLines);
    auto reversed = Read(record);
    auto ordered = Read(HarmonicsRecord());
    ASSERT_TRUE(reversed);
    for (int i = 0; i < OrvListDataset::kHarmonicCount; ++i)
        EXPECT_EQ(reversed->GetHarmonic(i), ordered->GetHarmonic(i));
    EXPECT_EQ(reversed->GetF1(), 50.02);
    EXPECT_EQ(reversed->GetKN(), 4.25);
}

TEST_F(ListDataset, ThirteenLinesBeforeTheNextRecordFail) {
    TransferLines record = HarmonicsRecord();
    record.erase(record.begin() + 7); // K5 missing
    record.push_back("MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;VALUE[T];VALID");
    record.push_back("22;N;EXT_PRB_1;Z;FST;15/03/24;09:05:07;LIVE;1E-06;OK;");
    EXPECT_FALSE(Read(record));

    record.resize(13);
    EXPECT_FALSE(Read(record)); // the text ends after 13 lines
}

TEST_F(ListDataset, RecordsThatDoNotRead) {
    TransferLines record = HarmonicsRecord();
    record.Replace(5, "K12[%];  1.0");
    EXPECT_FALSE(Read(record));
    record = HarmonicsRecord();
    record.Replace(5, "K3[%];   about one");
    EXPECT_THROW(Read(record), ConvertError);
    record = HarmonicsRecord();
    record.Replace(3, "V1[Vm]; 1.0");
    EXPECT_THROW(Read(record), std::invalid_argument);
    record = HarmonicsRecord();
    record.Replace(0, "MEM#;D;PROBE;CHN;MODE;DATE;TIME;DET;MAX;VALID;STANDARD");
    EXPECT_FALSE(Read(record));
}

TEST_F(ListDataset, PercentValuesAreCutToSixCharacters) {
    auto dataset = Read(HarmonicsRecord());
    ASSERT_TRUE(dataset);
    const struct {
        const char* line;
        const char* text;
    } cases[] = {
        {"K2[%];12.34567", "12.346"}, {"K2[%];0.5", "0.5000"}, {"K2[%];100", "100.00"},
        {"K2[%];1234.56", "1234.6"},  {"K2[%];-1", "-1.000"},  {"K2[%];0.00004", "0.0000"},
    };
    for (const auto& c : cases) {
        TransferLines record = HarmonicsRecord();
        record.Replace(4, c.line);
        auto reread = Read(record);
        ASSERT_TRUE(reread);
        EXPECT_EQ(reread->FormatHarmonic(0, 0), c.text) << c.line;
    }
    EXPECT_EQ(dataset->FormatKT(2), "KT[%]: 13.120");
    EXPECT_EQ(dataset->FormatF1(2), "F1[Hz]: 50.02");
    EXPECT_EQ(dataset->FormatV1(2), "V1[T]: 1.2345E-05");
}

TEST_F(ListDataset, WritesLabelValueAndTwelveValueLines) {
    auto dataset = Read(HarmonicsRecord());
    ASSERT_TRUE(dataset);
    const LineList lines = Export(*dataset, false);
    ASSERT_EQ(lines.Count(), 14u);
    EXPECT_EQ(lines[0], "MEM# D PROBE      CHN MODE DATE     TIME     DET  MAX  VALID");
    EXPECT_EQ(lines[2], "F1[Hz]  50.02");
    EXPECT_EQ(lines[3], "V1[T]   1.2345E-05");
    EXPECT_EQ(lines[4], "K2[%]   12.346");
    EXPECT_EQ(lines[12], "KT[%]   13.120");
    EXPECT_EQ(lines[13], "KN[%]   4.2500");
}

TEST_F(ListDataset, DetectionNotReadWritesNoColumnAndShowsInvalidValue) {
    TransferLines record = HarmonicsRecord();
    record.Replace(0, "MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;VALID");
    record.Replace(1, "21;L;EXT_PRB_1;Z;HAR;15/03/24;09:05:07;LIVE;OK;");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetDetection(), kNotRead);
    EXPECT_EQ(Export(*dataset, true)[0].find("DET"), std::string::npos);
    const std::string info = dataset->GetInfoText();
    EXPECT_EQ(info.substr(info.rfind('\n') + 1), "DET: invalid value, MAX: LIVE, VALID: OK");
}

TEST_F(ListDataset, UnitOfV1DecidesTheValueClass) {
    TransferLines record = HarmonicsRecord();
    record.Replace(3, "V1[G];   0.12");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetUnit(), eUnitG);
    EXPECT_EQ(dataset->GetUnitText(), "G");
    EXPECT_EQ(dataset->GetValueClass(), eGauss);

    OrvListDataset electric(1, eEFieldProbe, 0, eHAR, kWhen);
    EXPECT_EQ(electric.GetValueClass(), eEField);
}

TEST_F(ListDataset, RoundTripPlainAndCsv) {
    TransferLines record = HarmonicsRecord();
    record.push_back("COMMENT; substation B");
    record.push_back("second line");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetComment(), "substation B\nsecond line");
    ExpectRoundTrip(*dataset, false);
    ExpectRoundTrip(*dataset, true);

    UseFormats(test::GermanFormats());
    SetExportFormat(ExportFormatKind::DecimalSeparator, ",");
    SetExportFormat(ExportFormatKind::ListSeparator, ";");
    ExpectRoundTrip(*dataset, true);
    ExpectRoundTrip(*dataset, false);
    EXPECT_EQ(Export(*dataset, true)[2], "F1[Hz]; 50,02");
}

TEST_F(ListDataset, OverflowChecks) {
    auto dataset = Read(HarmonicsRecord());
    ASSERT_TRUE(dataset);
    SetExportSeparator(true);
    LineList exact(14);
    EXPECT_THROW(dataset->ExportTo(exact, true), ExportOverflow);
    EXPECT_EQ(exact.Count(), 0u);

    LineList noRoomForBase(15);
    dataset->SetExported(false);
    EXPECT_THROW(dataset->ExportTo(noRoomForBase, true), ExportOverflow);
    EXPECT_EQ(noRoomForBase.Count(), 14u);
    EXPECT_FALSE(dataset->GetExported());

    LineList enough(16);
    dataset->ExportTo(enough, true);
    EXPECT_TRUE(dataset->GetExported());
}

TEST_F(ListDataset, TreeNodes) {
    auto dataset = Read(HarmonicsRecord());
    ASSERT_TRUE(dataset);
    DataTree tree;
    DataTreeNode* node = dataset->AddToTree(tree, nullptr);
    ASSERT_EQ(node->ChildCount(), 2u);
    const DataTreeNode* configuration = node->Child(0);
    ASSERT_EQ(configuration->ChildCount(), 4u);
    EXPECT_EQ(configuration->Child(0)->Text(), "PROBE: EXT_PRB_1");
    EXPECT_EQ(configuration->Child(1)->Text(), "CHN: Z");
    EXPECT_EQ(configuration->Child(2)->Text(), "MAX: LIVE");
    EXPECT_EQ(configuration->Child(3)->Text(), "DET: AVG");
    const DataTreeNode* values = node->Child(1);
    EXPECT_EQ(values->Text(), "Values");
    ASSERT_EQ(values->ChildCount(), 12u);
    EXPECT_EQ(values->Child(0)->Text(), "F1[Hz]: 50.02");
    EXPECT_EQ(values->Child(2)->Text(), "K2[%]: 12.346");
    EXPECT_EQ(values->Child(11)->Text(), "KN[%]: 4.2500");
}

} // namespace
