#include "TestSupport.h"

#include "core/ConvertError.h"
#include "core/NumberFormat.h"
#include "core/Ombrix.h"
#include "datasets/DataTree.h"
#include "datasets/OrvVectorDataset.h"
#include "export/ExportCells.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace ombrix;

namespace {

const DateTime kWhen = EncodeDate(2024, 3, 15) + EncodeTime(9, 5, 7, 0);
const std::string kLabels = "MEM#;D;PROBE;CHN;MODE;DATE;TIME;F_RANGE;DET;MAX;VALID;DF[HZ]";

TransferLines Trimmed(const LineList& lines) {
    TransferLines result;
    for (const std::string& line : lines.Lines()) {
        const auto first = line.find_first_not_of(' ');
        const auto last = line.find_last_not_of(' ');
        result.push_back(first == std::string::npos ? "" : line.substr(first, last - first + 1));
    }
    return result;
}

// A spectrum record separated by ';', element i numbered i.
TransferLines SpectrumRecord(const std::vector<double>& values, int df) {
    TransferLines lines = {kLabels,
                           "5;V;INT_PRB;ALL;FFT;15/03/24;09:05:07;40Hz..32KHz;PEAK;LIVE;OK;" +
                               std::to_string(df) + ";",
                           "N;VALUE[T];"};
    for (std::size_t i = 0; i < values.size(); ++i)
        lines.push_back(std::to_string(i) + ";" + FloatToStr(values[i], '.'));
    return lines;
}

class VectorDataset : public test::ModelTest {
protected:
    void SetUp() override {
        test::ModelTest::SetUp();
        m_markerVisible = ViewSetup().GetMarkerVisible();
        m_peakCount = ViewSetup().GetPeakCount();
        ViewSetup().SetMarkerVisible(true);
        ViewSetup().SetPeakCount(9);
    }
    void TearDown() override {
        ViewSetup().SetMarkerVisible(m_markerVisible);
        ViewSetup().SetPeakCount(m_peakCount);
        test::ModelTest::TearDown();
    }

    static std::unique_ptr<OrvVectorDataset> NewDataset() {
        return std::make_unique<OrvVectorDataset>(5, eIntProbe, 0, eFFT, kWhen);
    }

    static std::unique_ptr<OrvVectorDataset> Read(const TransferLines& lines, int* end = nullptr) {
        OrvDataset::SetTransferSeparator(';');
        auto dataset = NewDataset();
        int index = 0;
        if (!dataset->ParseFrom(lines, index)) return nullptr;
        if (end) *end = index;
        return dataset;
    }

    static std::unique_ptr<OrvVectorDataset> Spectrum(const std::vector<double>& values, int df) {
        auto dataset = Read(SpectrumRecord(values, df));
        EXPECT_TRUE(dataset);
        return dataset;
    }

    static LineList Export(OrvVectorDataset& dataset, bool csv) {
        SetExportSeparator(csv);
        LineList lines;
        dataset.ExportTo(lines, csv);
        return lines;
    }

    static void ExpectRoundTrip(OrvVectorDataset& dataset, bool csv) {
        const LineList first = Export(dataset, csv);
        OrvDataset::SetTransferSeparator(GetExportSeparator()[0]);
        auto reread = NewDataset();
        const TransferLines text = Trimmed(first);
        int index = 0;
        ASSERT_TRUE(reread->ParseFrom(text, index));
        EXPECT_EQ(index, static_cast<int>(text.size()));
        ASSERT_EQ(reread->GetElementCount(), dataset.GetElementCount());
        EXPECT_EQ(reread->GetDF(), dataset.GetDF());
        EXPECT_EQ(reread->GetComment(), dataset.GetComment());
        EXPECT_EQ(Export(*reread, csv).Lines(), first.Lines());
    }

    static std::vector<double> PeakBins(OrvVectorDataset& dataset) {
        std::vector<double> bins;
        for (const VectorPeak& peak : dataset.FindPeaks())
            bins.push_back(peak.m_dBin);
        return bins;
    }

private:
    bool m_markerVisible = false;
    int m_peakCount = 0;
};

// --- Reading -----------------------------------------------------------------

TEST_F(VectorDataset, ReadsElementsUpToTheComment) {
    TransferLines record = SpectrumRecord({1.0e-6, 4.0e-6, 2.0e-6}, 40);
    record.push_back("COMMENT; near the cable duct");
    record.push_back("MEM#;D;PROBE;CHN;MODE;DATE;TIME;MAX;VALUE[T];VALID");
    int end = 0;
    auto dataset = Read(record, &end);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(end, 7); // on the next record
    EXPECT_EQ(dataset->GetElementCount(), 3);
    EXPECT_EQ(dataset->GetElementNumber(2), 2);
    EXPECT_EQ(dataset->GetElementValue(1), 4.0e-6);
    EXPECT_EQ(dataset->GetElementValue(3), 0.0);
    EXPECT_EQ(dataset->GetDF(), 40);
    EXPECT_EQ(dataset->GetCursor(), 2);
    EXPECT_EQ(dataset->GetComment(), "near the cable duct");
    EXPECT_EQ(dataset->GetFRange(), 1);
    EXPECT_EQ(dataset->GetDetection(), 2);
    EXPECT_EQ(dataset->GetValueClass(), eTesla);
    double number = 0, value = 0;
    dataset->GetLastPoint(number, value);
    EXPECT_EQ(number, 40.0); // the largest element, at 1 x 40 Hz
    EXPECT_EQ(value, 4.0e-6);
}

TEST_F(VectorDataset, ElementsEndAtTheNextRecordOrTheEndOfText) {
    TransferLines record = SpectrumRecord({1, 2}, 1);
    record.Replace(2, "N;VALUE[G]"); // no separator at the end of the element labels
    int end = 0;
    auto dataset = Read(record, &end);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(dataset->GetElementCount(), 2);
    EXPECT_EQ(dataset->GetValueClass(), eGauss);

    record.push_back("MEM#;D");
    dataset = Read(record, &end);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(end, 5);
    EXPECT_EQ(dataset->GetElementCount(), 2);
}

TEST_F(VectorDataset, RecordsThatDoNotRead) {
    TransferLines record = SpectrumRecord({1, 2}, 40);
    EXPECT_FALSE(Read(TransferLines(record.begin(), record.begin() + 3)));

    record = SpectrumRecord({1, 2}, 40);
    record.Replace(2, "N;VALUE[T];HEIGHT");
    EXPECT_FALSE(Read(record));

    record = SpectrumRecord({1, 2}, 40);
    record.Replace(0, kLabels + ";COLOUR");
    EXPECT_FALSE(Read(record));

    record = SpectrumRecord({1, 2}, 40);
    record.Replace(4, "1;lots");
    EXPECT_THROW(Read(record), ConvertError);

    record = SpectrumRecord({1, 2}, 40);
    record.Replace(1, "5;V;INT_PRB;ALL;FFT;15/03/24;09:05:07;40Hz..32KHz;PEAK;LIVE;OK;forty;");
    EXPECT_THROW(Read(record), ConvertError);

    record = SpectrumRecord({1, 2}, 40);
    record.Replace(1, "5;V;INT_PRB;ALL;FFT;15/03/24;09:05:07;40Hz..2KHz;PEAK;LIVE;OK;40;");
    EXPECT_THROW(Read(record), std::invalid_argument);
}

// --- Peaks -------------------------------------------------------------------

struct PeakCase {
    const char* name;
    std::vector<double> values;
    int df;
    std::vector<double> bins; // largest first
};

class VectorPeaks : public VectorDataset, public ::testing::WithParamInterface<PeakCase> {};

TEST_P(VectorPeaks, FindsLocalMaximaInsideTheWindow) {
    auto dataset = Spectrum(GetParam().values, GetParam().df);
    EXPECT_EQ(PeakBins(*dataset), GetParam().bins);
}

INSTANTIATE_TEST_SUITE_P(
    VectorDataset, VectorPeaks,
    ::testing::Values(PeakCase{"RiseAfterEqualValuesIsNoPeak", {0, 5, 3, 3, 7, 2}, 40, {4, 1}},
                      PeakCase{"PlateauTakesItsFirstValue", {1, 4, 4, 1}, 40, {1}},
                      PeakCase{"LastElementIsNeverAPeak", {1, 2, 3, 9}, 40, {}},
                      // bins 1 and 3 test at 2 and 4 Hz, below the window; bin 5 at 6 Hz
                      PeakCase{"OneHertzStepWindow", {0, 5, 0, 6, 0, 3, 0}, 1, {5}},
                      PeakCase{"OneHertzWindowStartsAtFiveHertz", {0, 0, 0, 0, 2, 1}, 1, {4}},
                      PeakCase{"WindowEndsAt31990Hz", {0, 1, 0, 2, 0}, 7998, {1}},
                      PeakCase{"WindowIncludes31990Hz", {0, 1, 0}, 15995, {1}},
                      // the first element has nothing to its left but zero
                      PeakCase{"FirstElementWithFortyHertzStep", {8, 2, 3, 1}, 40, {0, 2}},
                      PeakCase{"FirstElementWithOneHertzStep", {8, 2, 3, 1, 0, 4, 0}, 1, {5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VectorDataset, GaussianPeakIsRefinedToItsTrueTop) {
    // A Gaussian is a parabola in the logarithm: the refinement finds its centre.
    const double centre = 10.3, sigma = 1.5;
    std::vector<double> values;
    for (int i = 0; i < 25; ++i)
        values.push_back(2e-6 * std::exp(-(i - centre) * (i - centre) / (2 * sigma * sigma)));
    auto dataset = Spectrum(values, 40);
    const auto& peaks = dataset->FindPeaks();
    ASSERT_EQ(peaks.size(), 1u);
    EXPECT_EQ(peaks[0].m_dBin, 10.0);
    EXPECT_NEAR(peaks[0].m_dFrequency, centre * 40, 1e-6);
    EXPECT_NEAR(peaks[0].m_dPeakValue, 2e-6, 1e-15);
}

TEST_F(VectorDataset, SymmetricAndSharpPeaksKeepTheirBin) {
    auto symmetric = Spectrum({0, 3, 4, 3, 0}, 40); // gently curved: refined, but centred
    ASSERT_EQ(symmetric->FindPeaks().size(), 1u);
    EXPECT_DOUBLE_EQ(symmetric->FindPeaks()[0].m_dFrequency, 80.0);
    EXPECT_DOUBLE_EQ(symmetric->FindPeaks()[0].m_dPeakValue, 4.0);

    auto sharp = Spectrum({0, 1, 10, 2, 0}, 40); // too sharp for the parabola
    ASSERT_EQ(sharp->FindPeaks().size(), 1u);
    EXPECT_EQ(sharp->FindPeaks()[0].m_dFrequency, 80.0);
    EXPECT_EQ(sharp->FindPeaks()[0].m_dPeakValue, 10.0);

    auto first = Spectrum({8, 7.5, 3, 1}, 40); // nothing left of bin 0: kept as it is
    ASSERT_EQ(first->FindPeaks().size(), 1u);
    EXPECT_EQ(first->FindPeaks()[0].m_dFrequency, 0.0);
    EXPECT_EQ(first->FindPeaks()[0].m_dPeakValue, 8.0);
}

TEST_F(VectorDataset, KeepsTheTwentyLargestPeaksLargestFirst) {
    std::vector<double> values;
    for (int p = 1; p <= 30; ++p) {
        values.push_back(0.0);
        values.push_back(p); // sharp peaks of heights 1 .. 30
    }
    values.push_back(0.0);
    auto dataset = Spectrum(values, 40);
    const auto& peaks = dataset->FindPeaks();
    ASSERT_EQ(peaks.size(), OrvVectorDataset::kMaxPeaks);
    EXPECT_EQ(peaks.front().m_dPeakValue, 30.0);
    EXPECT_EQ(peaks.back().m_dPeakValue, 11.0);
    EXPECT_EQ(&dataset->FindPeaks(), &peaks);
}

TEST_F(VectorDataset, NearestPeakToTheMarker) {
    // Sharp peaks at 800 Hz (bin 20) and 1200 Hz (bin 30), 200 Hz either side of
    // the marker at 1000 Hz (bin 25), and a small one far away at 28 kHz.
    auto spectrum = [](double at800, double at1200) {
        std::vector<double> values(1000, 0.0);
        values[20] = at800;
        values[30] = at1200;
        values[700] = 0.5;
        return values;
    };
    const struct {
        const char* name;
        double at800, at1200;
        int peakCount;
        int cursor;
        double expected;
    } cases[] = {
        {"TieGoesToTheLargerEarlierPeak", 5, 9, 9, 25, 1200},
        {"TieGoesToTheLargerEarlierPeakReversed", 9, 5, 9, 25, 800},
        {"CloserPeakWins", 5, 9, 9, 22, 800},
        {"OnlyShownPeaksCount", 5, 9, 1, 22, 1200},
        {"NoShownPeakTakesTheLargest", 5, 9, 0, 22, 1200},
        {"FarMarkerTakesTheLargest", 5, 9, 9, 999, 1200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewSetup().SetPeakCount(c.peakCount);
        auto dataset = Spectrum(spectrum(c.at800, c.at1200), 40);
        dataset->SetCursor(c.cursor);
        double frequency = 0, value = 0;
        ASSERT_TRUE(dataset->NearestPeak(frequency, value));
        EXPECT_EQ(frequency, c.expected);
        EXPECT_EQ(value, c.expected == 800 ? c.at800 : c.at1200);
        EXPECT_EQ(dataset->GetPeakText(), "PEAK: F = " + FormatValue(frequency, "Hz") +
                                              ", VALUE = " + FormatValue(value, "T"));
    }
}

TEST_F(VectorDataset, NearestPeakOfASpectrumWithoutPeaks) {
    auto dataset = Spectrum({1, 2, 3, 4}, 40);
    double frequency = -7, value = -7;
    EXPECT_FALSE(dataset->NearestPeak(frequency, value));
    EXPECT_EQ(frequency, -7);
    EXPECT_EQ(dataset->GetPeakText(), "");
    EXPECT_TRUE(dataset->FindPeaks().empty());
}

// --- Cursor and marker ---------------------------------------------------------

TEST_F(VectorDataset, FrequencyToIndexRoundsHalvesUp) {
    auto dataset = Spectrum({1, 2, 3, 4}, 40);
    EXPECT_EQ(dataset->FrequencyToIndex(1.5 * 40), 2);
    EXPECT_EQ(dataset->FrequencyToIndex(1.49 * 40), 1);
    EXPECT_EQ(dataset->FrequencyToIndex(0), 0);
    EXPECT_EQ(dataset->FrequencyToIndex(2.5 * 40), 3);
    EXPECT_EQ(NewDataset()->FrequencyToIndex(100), 0); // no step read
}

TEST_F(VectorDataset, CursorOutsideTheSpectrumGoesToTheLastElement) {
    auto dataset = Spectrum({1, 2, 3, 4}, 40);
    dataset->SetCursor(1);
    EXPECT_EQ(dataset->GetCursor(), 1);
    dataset->SetCursor(4);
    EXPECT_EQ(dataset->GetCursor(), 3);
    dataset->SetCursor(-1);
    EXPECT_EQ(dataset->GetCursor(), 3);
}

TEST_F(VectorDataset, MarkerText) {
    auto dataset = Spectrum({0, 2e-6, 1e-6, 0}, 40);
    dataset->SetCursor(2);
    EXPECT_EQ(dataset->GetMarkerText(), "MARKER: F = " + FormatValue(80, "Hz") +
                                            ", VALUE = " + FormatValue(1e-6, "T") + "\n");
    double frequency = 0, value = 0;
    dataset->NearestPeak(frequency, value);
    EXPECT_EQ(dataset->GetMarkerText().substr(dataset->GetMarkerText().find('\n') + 1),
              dataset->GetPeakText());

    ViewSetup().SetMarkerVisible(false);
    EXPECT_EQ(dataset->GetMarkerText(), "");
    ViewSetup().SetMarkerVisible(true);
    EXPECT_EQ(NewDataset()->GetMarkerText(), ""); // no element to mark
}

// --- Writing -------------------------------------------------------------------

TEST_F(VectorDataset, PlainTextRecord) {
    TransferLines record = SpectrumRecord({1.5e-6, 2.25e-5}, 40);
    record.push_back("COMMENT; at the fence");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    SetExportFormat(ExportFormatKind::Date, "dd.mm.yy");
    SetExportFormat(ExportFormatKind::Time, "hh:mm:ss");
    const LineList lines = Export(*dataset, false);
    ASSERT_EQ(lines.Count(), 6u);
    EXPECT_EQ(lines[0],
              "MEM# D PROBE      CHN MODE DATE     TIME     F_RANGE     DET  MAX  VALID DF[HZ]   ");
    EXPECT_EQ(
        lines[1],
        "5    V INT_PRB    ALL FFT  15.03.24 09:05:07 40Hz..32KHz PEAK LIVE OK    40        ");
    EXPECT_EQ(lines[2], "N    VALUE[T]   ");
    EXPECT_EQ(lines[3], "0    1.5000E-06");
    EXPECT_EQ(lines[4], "1    2.2500E-05");
    EXPECT_EQ(lines[5], "COMMENT  at the fence");
}

TEST_F(VectorDataset, RoundTripPlainAndCsv) {
    TransferLines record = SpectrumRecord({1.5e-6, 2.25e-5, 3e-7, 0}, 1);
    record.Replace(0, "MEM#;D;PROBE;CHN;MODE;STANDARD;DATE;TIME;F_RANGE;MAX;VALID;DF[HZ]");
    record.Replace(1, "5;V;INT_PRB;ALL;FFT;GENPUB;15/03/24;09:05:07;5Hz..2KHz;MAX;!A;1;");
    record.push_back("COMMENT; first");
    record.push_back("second");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->GetStandard(), "GENPUB");
    ExpectRoundTrip(*dataset, false);
    ExpectRoundTrip(*dataset, true);

    UseFormats(test::GermanFormats());
    SetExportFormat(ExportFormatKind::DecimalSeparator, ",");
    SetExportFormat(ExportFormatKind::ListSeparator, ";");
    const LineList lines = Export(*dataset, true);
    EXPECT_NE(lines[1].find("GENPUB;      1"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("5Hz,,2KHz;"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], "N;   VALUE[T];  ");
    EXPECT_EQ(lines[3], "0;   1,5000E-06");
    ExpectRoundTrip(*dataset, true);
}

TEST_F(VectorDataset, SettingsNeverReadAreNotWritten) {
    TransferLines record = SpectrumRecord({1e-6, 2e-6}, 40);
    record.Replace(0, "MEM#;D;PROBE;CHN;MODE;DATE;TIME;DF[HZ]");
    record.Replace(1, "5;V;INT_PRB;ALL;FFT;15/03/24;09:05:07;40;");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    EXPECT_EQ(dataset->FormatValid(0), "invalid value");
    for (bool csv : {false, true}) {
        SCOPED_TRACE(csv);
        const LineList lines = Export(*dataset, csv);
        EXPECT_EQ(lines[0].find("invalid"), std::string::npos);
        EXPECT_EQ(lines[1].find("invalid"), std::string::npos);
        ExpectRoundTrip(*dataset, csv);
    }
}

TEST_F(VectorDataset, LongSpectrumKeepsItsElementNumbers) {
    std::vector<double> values(12000, 1e-7);
    auto dataset = Spectrum(values, 1);
    const LineList lines = Export(*dataset, true);
    EXPECT_EQ(lines[3 + 11999], "11999,1.0000E-07");
    ExpectRoundTrip(*dataset, true);
}

TEST_F(VectorDataset, OverflowChecks) {
    auto dataset = Spectrum({1, 2, 3}, 40); // three frame lines and three elements
    SetExportSeparator(true);
    LineList exact(6);
    EXPECT_THROW(dataset->ExportTo(exact, true), ExportOverflow);
    EXPECT_EQ(exact.Count(), 0u);

    LineList noRoomForBase(7);
    dataset->SetExported(false);
    EXPECT_THROW(dataset->ExportTo(noRoomForBase, true), ExportOverflow);
    EXPECT_EQ(noRoomForBase.Count(), 6u);
    EXPECT_FALSE(dataset->GetExported());

    LineList enough(8);
    dataset->ExportTo(enough, true);
    EXPECT_TRUE(dataset->GetExported());
}

// --- Tree --------------------------------------------------------------------

TEST_F(VectorDataset, ElementNodesAreBuiltOnExpansionOnly) {
    auto dataset = Spectrum({1e-6, 2e-6, 3e-6}, 40);
    auto other = Spectrum({5e-6, 6e-6}, 40);
    DataTree tree;
    DataTreeNode* node = dataset->AddToTree(tree, nullptr);
    other->AddToTree(tree, nullptr);
    ASSERT_EQ(node->ChildCount(), 2u);
    const DataTreeNode* configuration = node->Child(0);
    ASSERT_EQ(configuration->ChildCount(), 5u);
    EXPECT_EQ(configuration->Child(2)->Text(), "F_RANGE: 40Hz..32KHz");
    EXPECT_EQ(configuration->Child(3)->Text(), "MAX: LIVE");
    EXPECT_EQ(configuration->Child(4)->Text(), "DET: PEAK");
    DataTreeNode* values = node->Child(1);
    EXPECT_EQ(values->Text(), "Values");
    EXPECT_EQ(values->ChildCount(), 0u);

    dataset->ExpandNode(tree, node);
    ASSERT_EQ(values->ChildCount(), 5u);
    EXPECT_EQ(values->Child(0)->Text(), "VALID: OK");
    EXPECT_EQ(values->Child(1)->Text(), "DF[HZ]: 40");
    EXPECT_EQ(values->Child(4)->Text(), "N: 2, VALUE[T]: 3.0000E-06");
    dataset->ExpandNode(tree, node);
    EXPECT_EQ(values->ChildCount(), 5u);
    EXPECT_EQ(other->GetTreeNode()->Child(1)->ChildCount(), 0u);

    // The tree built anew: the new node is filled again when expanded.
    tree.Clear();
    node = dataset->AddToTree(tree, nullptr);
    dataset->ExpandNode(tree, node);
    EXPECT_EQ(node->Child(1)->ChildCount(), 5u);
}

TEST_F(VectorDataset, ExpansionNeverFillsAnotherDatasetsValues) {
    auto dataset = Spectrum({1e-6, 2e-6, 3e-6}, 40);
    auto other = Spectrum({5e-6, 6e-6}, 40);
    DataTree tree;
    DataTreeNode* mine = tree.AddChild(nullptr, "#5", NodeData{dataset.get()});
    other->AddToTree(tree, nullptr);
    dataset->ExpandNode(tree, mine); // this dataset has no "Values" of its own yet
    EXPECT_EQ(other->GetTreeNode()->Child(1)->ChildCount(), 0u);
    EXPECT_FALSE(dataset->GetExpanded());
}

TEST_F(VectorDataset, InfoTextAndStandardInTheTree) {
    TransferLines record = SpectrumRecord({1, 2}, 40);
    record.Replace(0, "MEM#;D;PROBE;CHN;MODE;STANDARD;DATE;TIME;F_RANGE;MAX;VALID;DF[HZ]");
    record.Replace(1, "5;V;INT_PRB;ALL;FFT;GENPUB;15/03/24;09:05:07;40Hz..32KHz;MAX;OK;40;");
    auto dataset = Read(record);
    ASSERT_TRUE(dataset);
    const std::string info = dataset->GetInfoText();
    EXPECT_EQ(info.substr(info.rfind('\n') + 1),
              "F_RANGE: 40Hz..32KHz, MAX: MAX, VALID: OK, DF[HZ]: 40, STANDARD: GENPUB");
    DataTree tree;
    DataTreeNode* node = dataset->AddToTree(tree, nullptr);
    EXPECT_EQ(node->Child(0)->LastChild()->Text(), "STANDARD: GENPUB");
}

} // namespace
