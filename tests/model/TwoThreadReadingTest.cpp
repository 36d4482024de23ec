// Long transfers are read in two halves at once, and export parts are written
// while the next is built: the outcome must be that of doing it all in one go,
// whatever the records look like where the text is cut.

#include "TestSupport.h"

#include "core/SafeFile.h"
#include "datasets/DemoSections.h"
#include "datasets/OrvDataList.h"
#include "datasets/TransferRecords.h"
#include "export/ExportCells.h"
#include "export/ExportRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ombrix;

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kHeader = {
    "Device:;    LF-Analyser", "SN:;        A-0042",   "CAL-DATE:;  24-05-12", "HW-Version:;2.1",
    "SW-Version:;1.23",        "SW-Date:;   24-06-01", "SW-Time:;   10:20:30",
};

using Lines = std::vector<std::string>;

void Add(Lines& to, const Lines& record) {
    to.insert(to.end(), record.begin(), record.end());
}

Lines Normal(int mem, int minute = 5) {
    return {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;FILTER;DET;MAX;VALUE[T];VALID",
            std::to_string(mem) + ";N;INT_PRB;ALL;FST;24-05-07;08:" + std::to_string(10 + minute) +
                ":09;5Hz..2KHz;RMS;LIVE;1.2345E-05;OK"};
}

// A value without PROBE: it stays that of the record before.
Lines NormalCarrying(int mem) {
    return {"MEM#;D;CHN;MODE;DATE;TIME;FILTER;DET;MAX;VALUE[T];VALID",
            std::to_string(mem) + ";N;ALL;FST;24-05-08;09:00:00;5Hz..2KHz;RMS;LIVE;2.5E-06;OK"};
}

Lines Series(int mem, int samples) {
    Lines lines = {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET",
                   std::to_string(mem) +
                       ";A;INT_PRB;ALL;FST;24-05-09;08:00:00;00:00:01;5Hz..2KHz;RMS",
                   "N;VALUE[T];VALID;"};
    for (int n = 0; n < samples; ++n)
        lines.push_back(std::to_string(n) + ";" + std::to_string(1 + n % 97) + ".25E+0" +
                        std::to_string(n % 3) + ";OK;");
    return lines;
}

// The text with the seven header lines before `records`.
TransferLines Transfer(const Lines& records) {
    Lines all = kHeader;
    Add(all, records);
    return TransferLines(all);
}

// A dataset as far as a reader can tell: its identity and its exported lines.
std::string Describe(OrvDataset& dataset) {
    LineList lines(1u << 30);
    dataset.ExportTo(lines, true);
    std::ostringstream text;
    text << dataset.GetMemNumber() << '/' << int(dataset.GetDataType()) << '/'
         << int(dataset.GetProbe()) << '/' << int(dataset.GetChannel()) << '/'
         << dataset.GetDateTime() << '\n'
         << lines.Text();
    return text.str();
}

class TwoThreadReading : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        UseFormats(test::GermanFormats());
        SetExportSeparator(true);
    }

    // Reads `text` through the data list and record by record in one go, and
    // expects the same datasets and the same answer from both (and `count`
    // datasets, unless it is negative).
    void ExpectSameAsOneGo(const TransferLines& text, bool ok, int count, const char* what) {
        SCOPED_TRACE(what);
        TransferLines forList = text;
        OrvDataList list;
        EXPECT_EQ(list.ParseTransfer(forList), ok);
        if (count >= 0) EXPECT_EQ(list.GetCount(), count);
        EXPECT_EQ(CurrentFormat(), test::GermanFormats());

        SaveNumberFormats();
        TransferLines forOneGo = text;
        forOneGo.TrimAll();
        OrvDataList header;
        ASSERT_TRUE(header.ReadHeader(forOneGo));
        ASSERT_GE(FindSplitLine(forOneGo, OrvDataset::TransferSeparator()), 0)
            << "the text is too short to be cut";
        RecordFrame frame;
        const RecordRun oneGo = ReadRecords(forOneGo, 0, static_cast<int>(forOneGo.size()), frame);
        RestoreNumberFormats();
        EXPECT_EQ(!oneGo.failed, ok);
        ASSERT_EQ(static_cast<int>(oneGo.datasets.size()), list.GetCount());
        for (int i = 0; i < list.GetCount(); ++i)
            ASSERT_EQ(Describe(*list.GetDataset(i)),
                      Describe(*oneGo.datasets[static_cast<std::size_t>(i)]))
                << "dataset " << i;
    }
};

TEST_F(TwoThreadReading, HalvesGiveWhatOneGoGives) {
    // Series around the middle and a spectrum-sized run of records on each side.
    Lines plain;
    for (int i = 0; i < 6; ++i)
        Add(plain, Series(i + 1, 1500));
    ExpectSameAsOneGo(Transfer(plain), true, 6, "series, cut between two of them");

    // After the middle every record carries PROBE and CHN from the one before,
    // until one late record names them all again: the cut falls there.
    Lines carrying;
    Add(carrying, Series(1, 2500));
    Add(carrying, Normal(2));
    for (int i = 0; i < 1400; ++i)
        Add(carrying, NormalCarrying(3 + i));
    Add(carrying, Normal(1403, 7));
    for (int i = 0; i < 200; ++i)
        Add(carrying, NormalCarrying(1404 + i));
    ExpectSameAsOneGo(Transfer(carrying), true, 1603, "records that carry columns");

    // The first record after the middle that could start the second half is in
    // truth read as two samples of a series with an empty sample label line.
    Lines inside;
    const int before = 1100;
    for (int i = 0; i < before; ++i)
        Add(inside, Normal(i + 1));
    Add(inside, {"MEM#;D;PROBE;CHN;MODE;DATE;TIME;STEP;FILTER;DET",
                 "5000;A;INT_PRB;ALL;FST;24-05-09;08:00:00;00:00:01;5Hz..2KHz;RMS", ""});
    for (int i = 0; i < before + 1; ++i)
        Add(inside, Normal(6000 + i));
    ExpectSameAsOneGo(Transfer(inside), true, 2 * before + 1, "cut inside a record");
}

TEST_F(TwoThreadReading, EveryKindOfTheDemoData) {
    const auto demo = ReadWholeFile(fs::path(OMBRIX_DATA_DIR) / "DemoDat.dat");
    ASSERT_TRUE(demo);
    TransferLines lines = TransferLines::FromText(*demo);
    ASSERT_TRUE(KeepDatalogSection(lines));
    ExpectSameAsOneGo(lines, true, -1, "demo memory: values, series, grids, lists, spectra");
}

TEST_F(TwoThreadReading, FirstFailingRecordInFileOrderDecides) {
    const auto withBadRecordAt = [](int bad, int records) {
        Lines lines;
        for (int i = 0; i < records; ++i)
            Add(lines, i == bad ? Lines{"MEM#;D;PROBE;CHN;MODE;DATE;TIME;FILTER",
                                        "x;N;INT_PRB;ALL;FST;24-05-07;08:00:00;5Hz..2KHz"}
                                : Normal(i + 1));
        return Transfer(lines);
    };
    ExpectSameAsOneGo(withBadRecordAt(10, 3000), false, 10, "failure in the first half");
    ExpectSameAsOneGo(withBadRecordAt(2500, 3000), false, 2500, "failure in the second half");
    ExpectSameAsOneGo(withBadRecordAt(1500, 3000), false, 1500, "failure where the cut falls");

    // Both halves fail: the earlier failure counts, not the later.
    Lines both;
    for (int i = 0; i < 3000; ++i)
        Add(both, (i == 100 || i == 2900) ? Lines{"MEM#;D;BOGUS", "1;N;1"} : Normal(i + 1));
    ExpectSameAsOneGo(Transfer(both), false, 100, "failures in both halves");
}

class TwoThreadExport : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        UseFormats(test::GermanFormats());
        m_folder = fs::temp_directory_path() / ("ombrix-parts-" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        fs::remove_all(m_folder);
        ModelTest::TearDown();
    }
    fs::path m_folder;
};

TEST_F(TwoThreadExport, NoPartIsWrittenAfterOneThatFailed) {
    Lines records;
    for (int i = 0; i < 40; ++i)
        Add(records, Normal(i + 1));
    TransferLines text = Transfer(records);
    OrvDataList list;
    ASSERT_TRUE(list.ParseTransfer(text));
    for (int i = 0; i < list.GetCount(); ++i) {
        list.GetDataset(i)->SetChecked(true);
        list.GetDataset(i)->SetExported(false);
    }
    // 7 header lines and 5 records of 2 lines per part; part 1 cannot be
    // written, since a folder stands where it should go.
    const fs::path chosen = m_folder / "out.csv";
    fs::create_directory(m_folder / "out_1.csv");
    bool asked = false;
    const ExportRunResult result = ExportRun(
        list, chosen, [&] { return asked = true; }, 20);
    EXPECT_TRUE(asked);
    EXPECT_EQ(result.status, ExportRunResult::eWriteFailed);
    EXPECT_FALSE(result.error.empty());
    ASSERT_EQ(result.files.size(), 1u);
    EXPECT_EQ(result.files[0], m_folder / "out_0.csv");
    EXPECT_TRUE(fs::is_regular_file(m_folder / "out_0.csv"));
    EXPECT_FALSE(fs::exists(m_folder / "out_2.csv"));
    // Parts 0 and 1 were built (as ever); the datasets of the part built while
    // part 1 was being written were never written and are not marked so.
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(list.GetDataset(i)->GetExported()) << i;
    for (int i = 10; i < list.GetCount(); ++i)
        EXPECT_FALSE(list.GetDataset(i)->GetExported()) << i;
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_NE(entry.path().filename().string().front(), '.') << "temporary file left";
}

TEST_F(TwoThreadExport, PartsAreWrittenInOrderWithTheirLines) {
    Lines records;
    for (int i = 0; i < 23; ++i)
        Add(records, Normal(i + 1));
    TransferLines text = Transfer(records);
    OrvDataList list;
    ASSERT_TRUE(list.ParseTransfer(text));
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetDataset(i)->SetChecked(true);
    const ExportRunResult result = ExportRun(
        list, m_folder / "out.csv", [] { return true; }, 20);
    ASSERT_EQ(result.status, ExportRunResult::eWritten);
    ASSERT_EQ(result.files.size(), 5u); // 5 + 5 + 5 + 5 + 3 records
    int written = 0;
    for (std::size_t part = 0; part < result.files.size(); ++part) {
        EXPECT_EQ(result.files[part], NumberedPartName(m_folder / "out.csv", int(part)));
        std::ifstream in(result.files[part], std::ios::binary);
        std::string line;
        int lines = 0;
        while (std::getline(in, line)) {
            ++lines;
            if (line.rfind("MEM#", 0) == 0) ++written;
        }
        EXPECT_EQ(lines, part + 1 < result.files.size() ? 17 : 13) << part;
    }
    EXPECT_EQ(written, 23);
}

} // namespace
