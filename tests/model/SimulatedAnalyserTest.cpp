#include "LinkTestSupport.h"
#include "TestSupport.h"

#include "core/DateTime.h"
#include "link/OrvCommunication.h"
#include "link/SimulatedAnalyser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace ombrix;

namespace {

const DateTime kNow = EncodeDate(2026, 11, 30) + EncodeTime(9, 0, 0, 0);

using Lines = std::vector<std::string>;

const Lines kTitle = {"Field analyser demo", "second title line", "Demo data",
                      "<REMOTE DEMO DATA>"};

// A live section with two value records (FST, STD), one harmonics record and
// one spectrum record, padded as the analyser pads them.
Lines SmallTemplates() {
    Lines lines = kTitle;
    const Lines records = {
        "MEM# D PROBE      CHN MODE DATE     TIME     STEP     FILTER      DET",
        "1    A INT_PRB    ALL FST  26-11-30 08:00:00 00:00:01 5Hz..2KHz   RMS",
        "VALUE[T] VALID FREQ[HZ]",
        "1.0000E-06 OK 50",
        "2.0000E-06 OK 50",
        "3.0000E-06 !O 50",
        "MEM# D PROBE      CHN MODE STANDARD     DATE     TIME     STEP",
        "2    A INT_PRB    ALL STD  ICNIRP2010   26-11-30 08:00:00 00:00:01",
        "VALUE[%] VALID",
        "11.000 OK",
        "12.000 OK",
        "MEM# D PROBE      CHN MODE DATE     TIME     DET  MAX  VALID",
        "3    L INT_PRB    ALL HAR  26-11-30 08:00:00 ACT  LIVE OK",
        "F1[Hz] 50.02",
        "V1[T] 2.4100E-06",
        "MEM# D PROBE      CHN MODE DATE     TIME     F_RANGE     DET  MAX  VALID DF[HZ]",
        "4    V INT_PRB    ALL FFT  26-11-30 08:00:00 5Hz..2KHz   ACT  LIVE OK    1",
        "N VALUE[T]",
        "0 1.0000E-09",
        "1 2.0000E-09",
    };
    lines.insert(lines.end(), records.begin(), records.end());
    return lines;
}

class SimulatedAnalyserTest : public test::ModelTest {
protected:
    test::InstalledLinkFakes m_fakes{kNow};
    test::LinkHostWindow& m_host = m_fakes.host;
    SimulatedAnalyser m_analyser;
};

TEST_F(SimulatedAnalyserTest, ReadsTheShippedDemoFile) {
    m_analyser.LoadTemplates(std::filesystem::path(OMBRIX_DATA_DIR) / "DemoDat.dat");
    ASSERT_EQ(m_analyser.ValueTemplates().size(), 2u);
    EXPECT_EQ(m_analyser.ValueTemplates()[0].size(), 120u);
    EXPECT_EQ(m_analyser.ValueTemplates()[1].size(), 120u);
    ASSERT_EQ(m_analyser.HarmonicsTemplates().size(), 3u);
    for (const TemplateBlock& block : m_analyser.HarmonicsTemplates()) {
        ASSERT_EQ(block.size(), 12u);
        EXPECT_EQ(block[1].rfind("V1[", 0), 0u) << "the fundamental's value is the second line";
    }
    ASSERT_EQ(m_analyser.SpectrumTemplates().size(), 2u);
    EXPECT_EQ(m_analyser.SpectrumTemplates()[0].size(), 2048u);
    EXPECT_EQ(m_analyser.SpectrumTemplates()[0].front().rfind("0 ", 0), 0u);
}

TEST_F(SimulatedAnalyserTest, BlocksStartBehindTheirColumnLines) {
    m_analyser.LoadTemplatesFromLines(SmallTemplates());
    ASSERT_EQ(m_analyser.ValueTemplates().size(), 2u);
    EXPECT_EQ(m_analyser.ValueTemplates()[0],
              (Lines{"1.0000E-06 OK 50", "2.0000E-06 OK 50", "3.0000E-06 !O 50"}));
    EXPECT_EQ(m_analyser.ValueTemplates()[1], (Lines{"11.000 OK", "12.000 OK"}));
    ASSERT_EQ(m_analyser.HarmonicsTemplates().size(), 1u);
    EXPECT_EQ(m_analyser.HarmonicsTemplates()[0], (Lines{"F1[Hz] 50.02", "V1[T] 2.4100E-06"}));
    ASSERT_EQ(m_analyser.SpectrumTemplates().size(), 1u);
    EXPECT_EQ(m_analyser.SpectrumTemplates()[0], (Lines{"0 1.0000E-09", "1 2.0000E-09"}));
}

TEST_F(SimulatedAnalyserTest, FilesWithoutUsableTemplates) {
    struct Case {
        const char* name;
        Lines lines;
        size_t values, harmonics, spectra;
    };
    Lines noDemo = SmallTemplates();
    noDemo[2] = "Measurement data";
    Lines noMarker = SmallTemplates();
    noMarker[3] = "<DATALOG DEMO DATA>";
    Lines lowerCaseMarker = SmallTemplates();
    lowerCaseMarker[3] = "<remote demo data>";
    // A record whose kind letter is not where the analyser puts it ends the
    // reading; the blocks before it stay.
    Lines unknownKind = SmallTemplates();
    unknownKind[16] = "3 L INT_PRB ALL HAR 26-11-30 08:00:00 ACT LIVE OK";
    Lines headerOnly = kTitle;
    headerOnly.insert(headerOnly.end(),
                      {"MEM# D PROBE CHN MODE DATE TIME F_RANGE DET MAX VALID DF[HZ]",
                       "4    V INT_PRB ALL FFT 26-11-30 08:00:00 5Hz..2KHz ACT LIVE OK 1",
                       "N VALUE[T]"});
    Lines endsOnMemLine = kTitle;
    endsOnMemLine.push_back("MEM# D PROBE");
    Lines strayLines = kTitle;
    strayLines.insert(strayLines.begin() + 4, {"stray before the first record", "another"});
    strayLines.insert(strayLines.end(),
                      {"MEM# D PROBE CHN MODE DATE TIME DET MAX VALID",
                       "3    L INT_PRB ALL HAR 26-11-30 08:00:00 ACT LIVE OK", "F1[Hz] 50.02"});

    const Case cases[] = {
        {"third line without Demo", noDemo, 0, 0, 0},
        {"no live section", noMarker, 0, 0, 0},
        {"marker in another letter case", lowerCaseMarker, 2, 1, 1},
        {"unknown kind ends the walk", unknownKind, 2, 0, 0},
        {"record without data lines", headerOnly, 0, 0, 0},
        {"MEM# line at the very end", endsOnMemLine, 0, 0, 0},
        {"lines before the first record belong to no block", strayLines, 0, 1, 0},
        {"empty file", {}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        m_analyser.LoadTemplatesFromLines(SmallTemplates());
        m_analyser.LoadTemplatesFromLines(c.lines);
        EXPECT_EQ(m_analyser.ValueTemplates().size(), c.values) << c.name;
        EXPECT_EQ(m_analyser.HarmonicsTemplates().size(), c.harmonics) << c.name;
        EXPECT_EQ(m_analyser.SpectrumTemplates().size(), c.spectra) << c.name;
    }
    m_analyser.LoadTemplates(std::filesystem::path(OMBRIX_TEST_DATA) / "no such folder" /
                             "DemoDat.dat");
    EXPECT_TRUE(m_analyser.ValueTemplates().empty());
}

TEST_F(SimulatedAnalyserTest, ValueLinesPlayEveryLineAndWrapPerMode) {
    m_analyser.LoadTemplatesFromLines(SmallTemplates());
    OrvCommunication link;
    Lines fst, stdLines;
    for (int i = 0; i < 4; ++i) {
        fst.push_back(m_analyser.NextValueLine(eFST, link).value_or("none"));
        stdLines.push_back(m_analyser.NextValueLine(eSTD, link).value_or("none"));
    }
    EXPECT_EQ(fst, (Lines{"1.0000E-06 OK 50", "2.0000E-06 OK 50", "3.0000E-06 !O 50",
                          "1.0000E-06 OK 50"}));
    EXPECT_EQ(stdLines, (Lines{"11.000 OK", "12.000 OK", "11.000 OK", "12.000 OK"}));
    EXPECT_EQ(m_host.StatusTag(), 8) << "every value line moves the indicator";
    EXPECT_EQ(m_host.CountOf("pause 100"), 0) << "value reads do not wait";
    EXPECT_FALSE(m_analyser.NextValueLine(eFFT, link));

    // Reloading starts every block from its beginning again.
    m_analyser.LoadTemplatesFromLines(SmallTemplates());
    EXPECT_EQ(m_analyser.NextValueLine(eFST, link), "1.0000E-06 OK 50");
}

TEST_F(SimulatedAnalyserTest, OneValueRecordServesNeitherValueMode) {
    Lines lines = SmallTemplates();
    lines.erase(lines.begin() + 10, lines.begin() + 15); // the STD record
    m_analyser.LoadTemplatesFromLines(lines);
    ASSERT_EQ(m_analyser.ValueTemplates().size(), 1u);
    OrvCommunication link;
    EXPECT_FALSE(m_analyser.NextValueLine(eFST, link));
    EXPECT_FALSE(m_analyser.NextValueLine(eSTD, link));
}

TEST_F(SimulatedAnalyserTest, SpectrumWaitsFifteenSecondsResponsively) {
    m_analyser.LoadTemplatesFromLines(SmallTemplates());
    OrvCommunication link;
    m_host.log.clear();
    m_host.SetStatusTag(3);
    const auto spectrum = m_analyser.NextSpectrum(link);
    ASSERT_TRUE(spectrum);
    EXPECT_EQ(*spectrum, (Lines{"0 1.0000E-09", "1 2.0000E-09"}));

    Lines expected = {"busy"};
    for (int i = 0; i < 150; ++i)
        expected.insert(expected.end(), {"events", "pause 100"});
    expected.push_back("idle");
    EXPECT_EQ(m_host.log, expected);
    EXPECT_EQ(m_host.StatusTag(), 153) << "the indicator moves before every pause";
}

TEST_F(SimulatedAnalyserTest, HarmonicsWaitOneSecondAndBlocksWrap) {
    Lines lines = SmallTemplates();
    lines.insert(lines.begin() + 19, {"MEM# D PROBE CHN MODE DATE TIME DET MAX VALID",
                                      "5    L INT_PRB ALL HAR 26-11-30 08:00:00 ACT LIVE OK",
                                      "F1[Hz] 49.98", "V1[T] 3.0000E-06"});
    m_analyser.LoadTemplatesFromLines(lines);
    ASSERT_EQ(m_analyser.HarmonicsTemplates().size(), 2u);
    OrvCommunication link;
    Lines firstLines;
    for (int i = 0; i < 3; ++i) {
        m_host.log.clear();
        firstLines.push_back(m_analyser.NextHarmonics(link).value_or(Lines{"none"}).front());
        EXPECT_EQ(m_host.CountOf("pause 100"), 10);
        EXPECT_EQ(m_host.CountOf("events"), 10);
        EXPECT_EQ(m_host.log.back(), "idle");
    }
    EXPECT_EQ(firstLines, (Lines{"F1[Hz] 50.02", "F1[Hz] 49.98", "F1[Hz] 50.02"}));
}

TEST_F(SimulatedAnalyserTest, NoBlockNoWait) {
    m_analyser.LoadTemplatesFromLines({});
    OrvCommunication link;
    m_host.log.clear();
    EXPECT_FALSE(m_analyser.NextSpectrum(link));
    EXPECT_FALSE(m_analyser.NextHarmonics(link));
    EXPECT_TRUE(m_host.log.empty());
}

TEST_F(SimulatedAnalyserTest, SampleCounterRestartsAtOne) {
    m_analyser.RestartSampleCounter();
    EXPECT_EQ(m_analyser.TakeSampleNumber(), 1);
    EXPECT_EQ(m_analyser.TakeSampleNumber(), 2);
    m_analyser.RestartSampleCounter();
    EXPECT_EQ(m_analyser.SampleCounter(), 1);
}

} // namespace
