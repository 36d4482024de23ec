#include "TestSupport.h"

#include "datasets/DataTree.h"
#include "datasets/DemoSections.h"
#include "datasets/OrvDataList.h"
#include "datasets/OrvNormalDataset.h"

#include <gtest/gtest.h>

using namespace ombrix;

namespace {

const std::vector<std::string> kHeader = {
    "Device:;    LF-Analyser", "SN:;        A-0042",   "CAL-DATE:;  24-05-12", "HW-Version:;2.1",
    "SW-Version:;1.23",        "SW-Date:;   24-06-01", "SW-Time:;   10:20:30",
};

std::vector<std::string> NormalRecord(int mem, const char* mode = "FST",
                                      const char* time = "08:05:09") {
    return {std::string("MEM#;D;PROBE;CHN;MODE;DATE;TIME;FILTER;DET;MAX;VALUE[T];VALID"),
            std::to_string(mem) + ";N;INT_PRB;ALL;" + mode + ";24-05-07;" + time +
                ";5Hz..2KHz;RMS;LIVE;1.2345E-05;OK"};
}

TransferLines Transfer(std::initializer_list<std::vector<std::string>> records,
                       const std::vector<std::string>& header = kHeader) {
    TransferLines lines = header;
    for (const auto& r : records)
        lines.insert(lines.end(), r.begin(), r.end());
    return lines;
}

class DataList : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        FormatSettings fs = test::GermanFormats(); // reading must not depend on these
        UseFormats(fs);
    }
};

TEST_F(DataList, HeaderOnlyTransferIsAnEmptyFullList) {
    OrvDataList list;
    TransferLines lines = Transfer({});
    ASSERT_TRUE(list.ParseTransfer(lines));
    EXPECT_EQ(list.GetListState(), eFullList);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetDevice(), "LF-Analyser");
    EXPECT_EQ(list.GetSerialNumber(), "A-0042");
    EXPECT_EQ(list.GetSwVersion(), "1.23");
    EXPECT_EQ(list.GetCalDate(), EncodeDate(2024, 5, 12));
    EXPECT_NEAR(list.GetSwDateTime(), EncodeDate(2024, 6, 1) + EncodeTime(10, 20, 30, 0), 1e-9);
    EXPECT_EQ(CurrentFormat(), test::GermanFormats()); // restored
}

TEST_F(DataList, HeaderReadingRules) {
    struct Case {
        const char* what;
        std::vector<std::string> header;
        bool ok;
    };
    auto with = [](int line, std::string text) {
        auto h = kHeader;
        h[static_cast<size_t>(line)] = std::move(text);
        return h;
    };
    // SW-Date comes before SW-Time: it replaces the whole date-time. The first
    // date met (here SW-Date) decides the date picture of the text.
    const std::vector<std::string> reordered = {kHeader[0], kHeader[4], kHeader[3], kHeader[1],
                                                kHeader[5], kHeader[2], kHeader[6]};
    const Case cases[] = {
        {"other order", reordered, true},
        {"misspelt keyword", with(4, "SW-Vers:;1.23"), false},
        {"unknown keyword", with(3, "Colour:;red"), false},
        {"version without decimal mark", with(4, "SW-Version:;123"), false},
        {"version with comma", with(4, "SW-Version:;1,23"), true},
        {"dotted calibration date", with(2, "CAL-DATE:;  12.05.24"), true},
        {"hyphenated time", with(6, "SW-Time:;   10-20-30"), true},
        {"short first line", with(0, "Dev:;"), false},
        {"no date at all", with(2, "CAL-DATE:;  soon"), false},
    };
    for (const auto& c : cases) {
        OrvDataList list;
        TransferLines lines = c.header;
        EXPECT_EQ(list.ParseTransfer(lines), c.ok) << c.what;
        EXPECT_EQ(CurrentFormat(), test::GermanFormats()) << c.what;
    }
    // Only six header lines: the read fails instead of reading past the end.
    OrvDataList list;
    TransferLines six(kHeader.begin(), kHeader.begin() + 6);
    EXPECT_FALSE(list.ParseTransfer(six));
}

TEST_F(DataList, HeaderValueHoldingTheSeparatorKeepsItsFirstPart) {
    auto header = kHeader;
    header[0] = "Device:     LF Analyser"; // blank-separated transfer
    for (size_t i = 1; i < header.size(); ++i)
        for (auto& c : header[i])
            if (c == ';') c = ' ';
    OrvDataList list;
    TransferLines lines = header;
    ASSERT_TRUE(list.ParseTransfer(lines));
    EXPECT_EQ(list.GetDevice(), "LF");
}

TEST_F(DataList, RecordsOfEveryCommonColumnLayout) {
    OrvDataList list;
    TransferLines lines = Transfer({NormalRecord(3), NormalRecord(7, "FST", "23:59:58")});
    ASSERT_TRUE(list.ParseTransfer(lines));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetNormalCount(), 2);
    EXPECT_EQ(list.GetTotalCount(), 2);
    EXPECT_EQ(list.GetDataset(1)->GetMemNumber(), 7);
    EXPECT_NEAR(list.GetDataset(1)->GetDateTime(),
                EncodeDate(2024, 5, 7) + EncodeTime(23, 59, 58, 0), 1e-9);
    EXPECT_EQ(list.GetSelected(), list.GetDataset(1));

    // A fifth column name outside the common ones fails the transfer...
    OrvDataList bad;
    TransferLines badLines = Transfer(
        {{"MEM#;D;PROBE;CHN;VALUE[T];DATE;TIME", "1;N;INT_PRB;ALL;1E-5;24-05-07;08:00:00"}});
    EXPECT_FALSE(bad.ParseTransfer(badLines));
    EXPECT_EQ(CurrentFormat(), test::GermanFormats());
}

TEST_F(DataList, FailedRecordKeepsTheDatasetsBeforeIt) {
    OrvDataList list;
    auto broken = NormalRecord(2);
    broken[1].replace(broken[1].find("INT_PRB"), 7, "int_prb");
    TransferLines lines = Transfer({NormalRecord(1), broken, NormalRecord(3)});
    EXPECT_FALSE(list.ParseTransfer(lines));
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetDevice(), "LF-Analyser");
    EXPECT_EQ(CurrentFormat(), test::GermanFormats());
}

TEST_F(DataList, SelectionDeletionAndExportedMarks) {
    OrvDataList list;
    TransferLines lines = Transfer({NormalRecord(1), NormalRecord(2), NormalRecord(3)});
    ASSERT_TRUE(list.ParseTransfer(lines));
    EXPECT_TRUE(list.AllExported());
    list.SetAllExported(false);
    EXPECT_FALSE(list.AllExported());

    EXPECT_EQ(list.DeleteDataset(-1), 2); // nothing marked: nothing changes
    EXPECT_EQ(list.GetCount(), 3);

    ASSERT_TRUE(list.Select(list.GetDataset(1)));
    list.GetDataset(0)->SetChecked(true);
    EXPECT_EQ(list.DeleteDataset(-1), 0); // the selected one moved up
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.DeleteDataset(0), -1); // the selected one is gone
    EXPECT_EQ(list.GetSelected(), nullptr);
    EXPECT_EQ(list.DeleteDataset(5), 0);
    EXPECT_FALSE(list.Select(nullptr));
}

TEST_F(DataList, KeepRangesCountsPositionsNotMemoryNumbers) {
    auto load = [](OrvDataList& list) {
        TransferLines lines =
            Transfer({NormalRecord(10), NormalRecord(20), NormalRecord(30), NormalRecord(40)});
        ASSERT_TRUE(list.ParseTransfer(lines));
    };
    OrvDataList all;
    load(all);
    all.KeepRanges(2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_EQ(all.GetCount(), 2);
    EXPECT_EQ(all.GetDataset(0)->GetMemNumber(), 20);
    EXPECT_EQ(all.GetDataset(1)->GetMemNumber(), 30);

    OrvDataList normal;
    load(normal);
    normal.KeepRanges(0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_EQ(normal.GetCount(), 1);
    EXPECT_EQ(normal.GetDataset(0)->GetMemNumber(), 10);

    OrvDataList none;
    load(none);
    none.KeepRanges(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(none.GetCount(), 0);
    EXPECT_EQ(none.GetSelected(), nullptr);
}

TEST_F(DataList, MergeMovesOnlyDatasetsWithoutTwins) {
    OrvDataList old, fresh;
    TransferLines a =
        Transfer({NormalRecord(1, "FST", "08:00:00"), NormalRecord(2, "FST", "09:00:00")});
    TransferLines b =
        Transfer({NormalRecord(5, "FST", "09:00:00"), NormalRecord(6, "FST", "10:00:00")});
    ASSERT_TRUE(old.ParseTransfer(a));
    ASSERT_TRUE(fresh.ParseTransfer(b));
    EXPECT_TRUE(old.SameHeader(fresh));
    old.MergeFrom(fresh);
    ASSERT_EQ(old.GetCount(), 3);
    EXPECT_EQ(old.GetDataset(2)->GetMemNumber(), 6);
    EXPECT_EQ(fresh.GetCount(), 1); // the twin stays behind
    old.MergeFrom(fresh);
    EXPECT_EQ(old.GetCount(), 3);
    EXPECT_EQ(old.MaxMemNumber(), 6);

    OrvDataList other;
    auto header = kHeader;
    header[1] = "SN:;        B-0001";
    TransferLines c = Transfer({}, header);
    ASSERT_TRUE(other.ParseTransfer(c));
    EXPECT_FALSE(old.SameHeader(other));
}

TEST_F(DataList, FillTreeTwiceAddsNothingNew) {
    OrvDataList list;
    TransferLines lines = Transfer({NormalRecord(1), NormalRecord(2)});
    ASSERT_TRUE(list.ParseTransfer(lines));
    DataTree tree;
    list.FillTree(tree);
    const size_t nodes = tree.NodeCount();
    ASSERT_EQ(tree.Root()->ChildCount(), 1u);
    DataTreeNode* top = tree.Root()->Child(0);
    EXPECT_EQ(top->Text(), "LF-Analyser #A-0042");
    EXPECT_TRUE(top->Expanded());
    ASSERT_EQ(top->ChildCount(), 2u);
    EXPECT_EQ(top->Child(0)->Text(), "Info-Header");
    EXPECT_EQ(top->Child(0)->ChildCount(), 6u);
    EXPECT_EQ(top->Child(0)->Child(3)->Text(), "SW-Version: 1,23"); // the export decimal mark
    EXPECT_EQ(top->Child(1)->Text(), "Datasets");
    EXPECT_EQ(top->Child(1)->ChildCount(), 2u);
    EXPECT_EQ(tree.FindFirst(list.GetDataset(1)), top->Child(1)->Child(1));

    list.FillTree(tree);
    EXPECT_EQ(tree.NodeCount(), nodes);
    EXPECT_EQ(tree.Root()->ChildCount(), 1u);
}

TEST_F(DataList, ListViewRowsAndDescription) {
    OrvDataList list;
    TransferLines lines = Transfer({NormalRecord(4)});
    ASSERT_TRUE(list.ParseTransfer(lines));
    list.GetDataset(0)->SetChecked(true);
    const auto rows = list.FillListView();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].index, "4");
    EXPECT_EQ(rows[0].dataType, "N");
    EXPECT_EQ(rows[0].mode, "FST");
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ(rows[0].data, list.GetDataset(0));
    EXPECT_EQ(list.GetDescription().rfind("Device: LF-Analyser A-0042, ", 0), 0u);
}

TEST_F(DataList, LiveStoringOfASingleValue) {
    OrvDataList list;
    TransferLines lines = Transfer({NormalRecord(4)});
    ASSERT_TRUE(list.ParseTransfer(lines));
    TransferLines live = NormalRecord(99);
    {
        FormatSettingsScope scope;
        CurrentFormat().DecimalSeparator = '.';
        CurrentFormat().ShortDateFormat = "yy-mm-dd";
        CurrentFormat().DateSeparator = '-';
        ASSERT_TRUE(list.ParseTransfer(live, true));
    }
    ASSERT_NE(list.GetLive(), nullptr);
    EXPECT_EQ(list.GetCount(), 1);
    list.StoreLive(false);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetDataset(1)->GetMemNumber(), 5);
    EXPECT_FALSE(list.GetDataset(1)->GetExported());
    list.StoreLive(false); // already stored
    EXPECT_EQ(list.GetCount(), 2);
    list.MoveLiveToList(); // already in the list: not added twice
    EXPECT_EQ(list.GetCount(), 2);
    list.ClearLive();
    EXPECT_EQ(list.GetLive(), nullptr);
    EXPECT_EQ(list.GetCount(), 2);
}

TEST(DemoSections, TheLoadWizardTakesTheLinesBetweenTheMarkers) {
    TransferLines lines = {"x", "<datalog demo data>", "a", "b", "<REMOTE DEMO DATA>", "r"};
    ASSERT_TRUE(KeepDatalogSection(lines));
    EXPECT_EQ(lines.ToVector(), (std::vector<std::string>{"a", "b"}));
    TransferLines noRemote = {"<DATALOG DEMO DATA>", "a"};
    EXPECT_FALSE(KeepDatalogSection(noRemote));
    EXPECT_EQ(noRemote.size(), 2u);
    TransferLines wrongOrder = {"<REMOTE DEMO DATA>", "<DATALOG DEMO DATA>", "a"};
    EXPECT_FALSE(KeepDatalogSection(wrongOrder));
    EXPECT_TRUE(IsDemoFile({"1", "2", "Ombrix Demo"}));
    EXPECT_FALSE(IsDemoFile({"1", "2"}));
}

} // namespace
