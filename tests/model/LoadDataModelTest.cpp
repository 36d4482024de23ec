#include "TestSupport.h"

#include "core/ProgramFolder.h"
#include "core/SafeFile.h"
#include "datasets/LoadDataModel.h"
#include "datasets/OrvDataList.h"
#include "link/OrvCommunication.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ombrix;
namespace fs = std::filesystem;

namespace {

class LoadData : public test::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        m_folder = fs::temp_directory_path() / ("ombrix-load-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        SetProgramFolder(m_folder);
        UseDemo(*ReadWholeFile(fs::path(OMBRIX_DATA_DIR) / "DemoDat.dat"));
    }
    void TearDown() override {
        fs::remove_all(m_folder);
        ModelTest::TearDown();
    }
    void UseDemo(const std::string& text) { WriteFileSafely(m_folder / "DemoDat.dat", text); }

    fs::path m_folder;
    OrvCommunication m_communication;
};

TEST_F(LoadData, TheAnalyserMemoryIsTheDatalogSectionOfTheDemoFile) {
    OrvDataList list;
    ASSERT_EQ(ReadAnalyserMemory(list), SourceReadResult::eRead);
    EXPECT_GT(list.GetTotalCount(), 10);
    EXPECT_TRUE(list.AllExported());
    const auto counts = OverviewCounts(list);
    EXPECT_EQ(counts[0].count, list.GetTotalCount());
    EXPECT_EQ(counts[0].from, 1);
    EXPECT_EQ(counts[0].to, list.GetTotalCount());
    EXPECT_EQ(counts[2].count, list.GetAutoCount());

    // Back, then Next: the file is read again and replaces what was read.
    ASSERT_EQ(ReadAnalyserMemory(list), SourceReadResult::eRead);
    EXPECT_EQ(counts[0].count, list.GetTotalCount());
}

TEST_F(LoadData, DemoFilesWithoutTheirMarksAreIgnoredQuietly) {
    const std::string demo = *ReadWholeFile(fs::path(OMBRIX_DATA_DIR) / "DemoDat.dat");
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {
        {"no Demo in line 3", "a\r\nb\r\nc\r\n<DATALOG DEMO DATA>\r\n<REMOTE DEMO DATA>\r\n"},
        {"no remote marker", demo.substr(0, demo.find("<REMOTE DEMO DATA>"))},
        {"no datalog marker", "a\r\nb\r\nDemo\r\n<REMOTE DEMO DATA>\r\n"},
    };
    for (const auto& c : cases) {
        UseDemo(c.text);
        OrvDataList list;
        EXPECT_EQ(ReadAnalyserMemory(list), SourceReadResult::eIgnored) << c.what;
    }
    fs::remove(m_folder / "DemoDat.dat");
    OrvDataList list;
    EXPECT_EQ(ReadAnalyserMemory(list), SourceReadResult::eIgnored);

    UseDemo("x\r\ny\r\nDemo\r\n<DATALOG DEMO DATA>\r\nDevice: nothing\r\n<REMOTE DEMO DATA>\r\n");
    EXPECT_EQ(ReadAnalyserMemory(list), SourceReadResult::eFormatError);
    EXPECT_EQ(ReadTransferFile(list, m_folder / "missing.csv"), SourceReadResult::eUnreadable);
}

TEST_F(LoadData, OverviewRangesAndDetailTicks) {
    OverviewRanges all{};
    all[0] = {true, 2, 3};
    OrvDataList byAll;
    ASSERT_EQ(ReadAnalyserMemory(byAll), SourceReadResult::eRead);
    OrvDataList reference;
    ReadAnalyserMemory(reference);
    ASSERT_TRUE(KeepByRanges(byAll, m_communication, all));
    ASSERT_EQ(byAll.GetCount(), 2);
    EXPECT_EQ(byAll.GetDataset(0)->GetMemNumber(), reference.GetDataset(1)->GetMemNumber());
    EXPECT_EQ(byAll.GetDataset(1)->GetMemNumber(), reference.GetDataset(2)->GetMemNumber());

    OverviewRanges autoOnly{};
    autoOnly[0] = {false, 2, 3}; // not ticked: its numbers do not count
    autoOnly[2] = {true, 1, 1};
    OrvDataList byKind;
    ReadAnalyserMemory(byKind);
    ASSERT_TRUE(KeepByRanges(byKind, m_communication, autoOnly));
    ASSERT_EQ(byKind.GetCount(), 1);
    EXPECT_EQ(byKind.GetDataset(0)->GetDataType(), eAuto);

    OrvDataList none;
    ReadAnalyserMemory(none);
    ASSERT_TRUE(KeepByTicks(none, m_communication,
                            std::vector<bool>(static_cast<size_t>(none.GetCount()), false)));
    EXPECT_EQ(none.GetCount(), 0);

    OrvDataList some;
    ReadAnalyserMemory(some);
    std::vector<bool> ticks(static_cast<size_t>(some.GetCount()), false);
    ticks[0] = ticks[4] = true;
    ASSERT_TRUE(KeepByTicks(some, m_communication, ticks));
    ASSERT_EQ(some.GetCount(), 2);
    EXPECT_EQ(some.GetDataset(1)->GetMemNumber(), reference.GetDataset(4)->GetMemNumber());
}

} // namespace
