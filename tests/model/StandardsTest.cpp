// Exposure standards: the standard data file, the program's list of standards
// and the limit in the quantity of a dataset.

#include "TestSupport.h"

#include "core/FormatSettings.h"
#include "core/SafeFile.h"
#include "presentation/OrvStandard.h"
#include "presentation/ViewSetupStruct.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace ombrix {
namespace {

namespace fs = std::filesystem;

class StandardsTest : public test::ModelTest {};

// A standard of the file format with its three skipped lines.
std::string Standard(const std::string& name, const std::string& points, const char* eol = "\r\n") {
    std::string text = name + eol + "skipped 1" + eol + "skipped 2" + eol + "skipped 3" + eol;
    std::size_t start = 0;
    while (start < points.size()) {
        std::size_t end = points.find('|', start);
        if (end == std::string::npos) end = points.size();
        text += points.substr(start, end - start) + eol;
        start = end + 1;
    }
    return text + "-" + eol;
}

StandardList Read(const std::string& text, StandardFileResult* result = nullptr) {
    StandardList list;
    const StandardFileResult r = ReadStandardText(list, text);
    if (result) *result = r;
    return list;
}

// ------------------------------------------------------------------ file format

TEST_F(StandardsTest, OnePointLineGivesFrequencyAndBothLimits) {
    StandardFileResult result;
    // A one-point standard needs a line after its "-" to make the seven lines
    // that a standard takes from its name on.
    const auto list = Read(Standard("Limits", "50;0.0001;5000") + "\r\n", &result);
    EXPECT_EQ(result, eStandardsRead);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetName(), "Limits");
    ASSERT_EQ(list[0]->GetPointCount(), 1);
    const StandardPoint& p = list[0]->GetPoints()[0];
    EXPECT_EQ(p.frequency, 50.0);
    EXPECT_EQ(p.magneticLimit, 0.0001);
    EXPECT_EQ(p.electricLimit, 5000.0);
}

TEST_F(StandardsTest, BlanksAroundNumbersAndExponentsAreRead) {
    const auto list = Read(Standard("Limits", "50; 1E-4 ;5000|  60 ;  2e-4;\t4.5e3  "));
    ASSERT_EQ(list.size(), 1u);
    const auto& points = list[0]->GetPoints();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].frequency, 50.0);
    EXPECT_EQ(points[0].magneticLimit, 0.0001);
    EXPECT_EQ(points[0].electricLimit, 5000.0);
    EXPECT_EQ(points[1].frequency, 60.0);
    EXPECT_EQ(points[1].magneticLimit, 0.0002);
    EXPECT_EQ(points[1].electricLimit, 4500.0);
}

TEST_F(StandardsTest, MissingFieldsRepeatTheLastOne) {
    const auto list = Read(Standard("Limits", "7|8;0.5"));
    ASSERT_EQ(list.size(), 1u);
    const auto& points = list[0]->GetPoints();
    EXPECT_EQ(points[0].frequency, 7.0);
    EXPECT_EQ(points[0].magneticLimit, 7.0);
    EXPECT_EQ(points[0].electricLimit, 7.0);
    EXPECT_EQ(points[1].frequency, 8.0);
    EXPECT_EQ(points[1].magneticLimit, 0.5);
    EXPECT_EQ(points[1].electricLimit, 0.5);
}

TEST_F(StandardsTest, StandardsFollowEachOtherInFileOrder) {
    const auto list = Read(Standard("A", "1;2;3") + Standard("B", "4;5;6|7;8;9") +
                           Standard("C", "10;11;12|13;14;15"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->GetName(), "A");
    EXPECT_EQ(list[1]->GetName(), "B");
    EXPECT_EQ(list[2]->GetName(), "C");
    EXPECT_EQ(list[1]->GetPointCount(), 2);
    EXPECT_EQ(list[1]->GetPoints()[1].electricLimit, 9.0);
}

TEST_F(StandardsTest, TerminatorRightAfterTheSkippedLinesGivesAStandardWithoutPoints) {
    StandardFileResult result;
    const auto list = Read("Empty\r\na\r\nb\r\nc\r\n-\r\nx\r\ny\r\n", &result);
    EXPECT_EQ(result, eStandardsRead);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetPointCount(), 0);
}

TEST_F(StandardsTest, PointsKeepFileOrderUnsorted) {
    const auto list = Read(Standard("A", "100;1;1|10;2;2|100;3;3"));
    ASSERT_EQ(list.size(), 1u);
    const auto& points = list[0]->GetPoints();
    EXPECT_EQ(points[0].frequency, 100.0);
    EXPECT_EQ(points[1].frequency, 10.0);
    EXPECT_EQ(points[2].magneticLimit, 3.0);
}

TEST_F(StandardsTest, NameLineIsTakenUnchanged) {
    const auto list = Read(Standard("  ICNIRP; 50 Hz  ", "1;2;3|4;5;6"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetName(), "  ICNIRP; 50 Hz  ");
}

TEST_F(StandardsTest, SkippedLinesMayHoldAnything) {
    const std::string text = "Name\r\n-\r\nnot a number\r\n\r\n1;2;3\r\n4;5;6\r\n-\r\n";
    const auto list = Read(text);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetPointCount(), 2);
}

TEST_F(StandardsTest, LfLineEndsReadLikeCrLf) {
    const auto crlf = Read(Standard("A", "50;0.0001;5000|60;2E-4;4000", "\r\n"));
    const auto lf = Read(Standard("A", "50;0.0001;5000|60;2E-4;4000", "\n"));
    ASSERT_EQ(crlf.size(), 1u);
    ASSERT_EQ(lf.size(), 1u);
    EXPECT_EQ(lf[0]->GetName(), crlf[0]->GetName());
    ASSERT_EQ(lf[0]->GetPointCount(), crlf[0]->GetPointCount());
    for (int i = 0; i < lf[0]->GetPointCount(); ++i) {
        EXPECT_EQ(lf[0]->GetPoints()[i].frequency, crlf[0]->GetPoints()[i].frequency);
        EXPECT_EQ(lf[0]->GetPoints()[i].magneticLimit, crlf[0]->GetPoints()[i].magneticLimit);
        EXPECT_EQ(lf[0]->GetPoints()[i].electricLimit, crlf[0]->GetPoints()[i].electricLimit);
    }
}

TEST_F(StandardsTest, LastLineWithoutLineEndCounts) {
    std::string text = Standard("A", "1;2;3|4;5;6");
    text.resize(text.size() - 2); // "-" without CR LF
    StandardFileResult result;
    const auto list = Read(text, &result);
    EXPECT_EQ(result, eStandardsRead);
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(StandardsTest, FewerThanSevenLinesGiveNoStandard) {
    StandardFileResult result;
    EXPECT_TRUE(Read("", &result).empty());
    EXPECT_EQ(result, eStandardsRead);
    EXPECT_TRUE(Read("A\r\nb\r\nc\r\nd\r\n1;2;3\r\n", &result).empty());
    EXPECT_EQ(result, eStandardsRead);
}

TEST_F(StandardsTest, SixLineFileWithOnePointIsNotRead) {
    // Name, three skipped lines, one point, "-": six lines, one short of a standard.
    StandardFileResult result;
    const auto list = Read("A\r\nb\r\nc\r\nd\r\n1;2;3\r\n-\r\n", &result);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(result, eStandardsRead);
}

TEST_F(StandardsTest, TrailingLinesShortOfAStandardAreIgnored) {
    StandardFileResult result;
    const auto list = Read(Standard("A", "1;2;3") + "B\r\nx\r\ny\r\nz\r\n4;5;6\r\n-\r\n", &result);
    EXPECT_EQ(result, eStandardsRead);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetName(), "A");
}

TEST_F(StandardsTest, DashWithBlankIsNoTerminator) {
    StandardFileResult result;
    const auto list =
        Read(Standard("A", "1;2;3") + "B\r\nx\r\ny\r\nz\r\n4;5;6\r\n- \r\n7;8;9\r\n-\r\n", &result);
    EXPECT_EQ(result, eStandardFormatError);
    ASSERT_EQ(list.size(), 1u); // the standard before the faulty line stays
    EXPECT_EQ(list[0]->GetName(), "A");
}

TEST_F(StandardsTest, PointsRunningToTheEndAreAFormatError) {
    StandardFileResult result;
    const auto list = Read(
        Standard("A", "1;2;3") + "B\r\nx\r\ny\r\nz\r\n4;5;6\r\n7;8;9\r\n10;11;12\r\n", &result);
    EXPECT_EQ(result, eStandardFormatError);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetName(), "A");
}

TEST_F(StandardsTest, BlankPointLineIsAFormatError) {
    StandardFileResult result;
    const auto list = Read(Standard("A", "|1;2;3"), &result);
    EXPECT_EQ(result, eStandardFormatError);
    EXPECT_TRUE(list.empty());
}

TEST_F(StandardsTest, EmptyFieldIsAFormatError) {
    StandardFileResult result;
    Read(Standard("A", "1;;3|1;2;3"), &result);
    EXPECT_EQ(result, eStandardFormatError);
    Read(Standard("A", "1;2;|1;2;3"), &result);
    EXPECT_EQ(result, eStandardFormatError);
}

TEST_F(StandardsTest, FieldsAfterTheThirdAreIgnored) {
    StandardFileResult result;
    const auto list = Read(Standard("A", "1;2;3;4|5;6;7;x"), &result);
    EXPECT_EQ(result, eStandardsRead);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetPoints()[0].electricLimit, 3.0);
    EXPECT_EQ(list[0]->GetPoints()[1].electricLimit, 7.0);
}

TEST_F(StandardsTest, AppendsToTheListGiven) {
    StandardList list;
    list.push_back(std::make_unique<OrvStandard>("Existing"));
    ReadStandardText(list, Standard("New", "1;2;3|4;5;6"));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->GetName(), "Existing");
    EXPECT_EQ(list[1]->GetName(), "New");
}

// ------------------------------------------------------------------ number conventions

TEST_F(StandardsTest, DecimalPointIsReadWhateverTheUserLocale) {
    UseFormats(test::GermanFormats());
    const auto list = Read(Standard("A", "2.5;1.5e-4;87.5|3;1;1"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->GetPoints()[0].frequency, 2.5);
    EXPECT_EQ(list[0]->GetPoints()[0].magneticLimit, 0.00015);
    EXPECT_EQ(list[0]->GetPoints()[0].electricLimit, 87.5);
    EXPECT_EQ(CurrentFormat(), test::GermanFormats());
}

TEST_F(StandardsTest, DecimalCommaIsAFormatErrorEvenInAGermanLocale) {
    UseFormats(test::GermanFormats());
    StandardFileResult result;
    const auto list = Read(Standard("A", "2,5;1;1|3;1;1"), &result);
    EXPECT_EQ(result, eStandardFormatError);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(CurrentFormat(), test::GermanFormats());
}

TEST_F(StandardsTest, FormatsAreRestoredOnEveryPath) {
    UseFormats(test::GermanFormats());
    const std::string texts[] = {"", Standard("A", "1;2;3"), "A\nb\nc\nd\n1;2;3\n",
                                 "A\nb\nc\nd\nx\n-\n-\n", "A\nb\nc\nd\n1\n2\n3\n"};
    for (const std::string& text : texts) {
        Read(text);
        EXPECT_EQ(CurrentFormat(), test::GermanFormats()) << text;
    }
    StandardList list;
    ReadStandardFile(list, "/nonexistent/Standard.dat");
    EXPECT_EQ(CurrentFormat(), test::GermanFormats());
}

TEST_F(StandardsTest, MissingFileGivesNothing) {
    StandardList list;
    EXPECT_EQ(ReadStandardFile(list, "/nonexistent/Standard.dat"), eStandardFileMissing);
    EXPECT_TRUE(list.empty());
}

// ------------------------------------------------------------------ limit in the dataset's
// quantity

TEST_F(StandardsTest, LimitInTheQuantityOfTheDataset) {
    const StandardPoint p{50.0, 0.0001, 5000.0};
    EXPECT_EQ(StandardLimitInQuantity(p, eEField), 5000.0);
    EXPECT_DOUBLE_EQ(StandardLimitInQuantity(p, eGauss), 1.0);
    EXPECT_NEAR(StandardLimitInQuantity(p, eAmperePerMetre), 79.57748, 1e-9);
    EXPECT_EQ(StandardLimitInQuantity(p, eTesla), 0.0001);
    EXPECT_EQ(StandardLimitInQuantity(p, eBField), 0.0001);
    EXPECT_EQ(StandardLimitInQuantity(p, ePercent), 0.0001);
}

// ------------------------------------------------------------------ the program's list

TEST_F(StandardsTest, ReplaceStandardsKeepsTheWorkingOrder) {
    ViewSetupStruct vs;
    vs.Standards().push_back(std::make_unique<OrvStandard>("A"));
    vs.Standards().push_back(std::make_unique<OrvStandard>("B"));
    vs.Standards().push_back(std::make_unique<OrvStandard>("C"));
    const OrvStandard* a = vs.GetStandard(0);
    const OrvStandard* c = vs.GetStandard(2);

    StandardWorkingList working;
    working.Fill(vs.GetStandards());
    ASSERT_EQ(working.GetCount(), 3);
    working.RemoveAt(1); // B
    auto added = std::make_unique<OrvStandard>("D");
    const OrvStandard* d = added.get();
    working.Append(std::move(added));
    vs.ReplaceStandards(working);

    ASSERT_EQ(vs.GetStandardCount(), 3);
    EXPECT_EQ(vs.GetStandard(0), a);
    EXPECT_EQ(vs.GetStandard(1), c);
    EXPECT_EQ(vs.GetStandard(2), d);
    EXPECT_EQ(working.GetCount(), 0);
}

TEST_F(StandardsTest, CancelLeavesTheProgramListAsItWas) {
    ViewSetupStruct vs;
    vs.Standards().push_back(std::make_unique<OrvStandard>("A"));
    StandardWorkingList working;
    working.Fill(vs.GetStandards());
    working.RemoveAt(0);
    working.Append(std::make_unique<OrvStandard>("Added"));
    working.Clear();
    ASSERT_EQ(vs.GetStandardCount(), 1);
    EXPECT_EQ(vs.GetStandard(0)->GetName(), "A");
}

TEST_F(StandardsTest, ReplacingWithAnEmptyListEmptiesIt) {
    ViewSetupStruct vs;
    vs.Standards().push_back(std::make_unique<OrvStandard>("A"));
    vs.SetStandardIndex(0);
    StandardWorkingList working;
    vs.ReplaceStandards(working);
    EXPECT_EQ(vs.GetStandardCount(), 0);
    EXPECT_EQ(vs.GetStandard(vs.GetStandardIndex()), nullptr);
}

TEST_F(StandardsTest, DeletingTheSelectedStandardSelectsTheNext) {
    ViewSetupStruct vs;
    for (const char* name : {"A", "B", "C"})
        vs.Standards().push_back(std::make_unique<OrvStandard>(name));
    vs.SetStandardIndex(1);
    StandardWorkingList working;
    working.Fill(vs.GetStandards());
    working.RemoveAt(1);
    vs.ReplaceStandards(working);
    EXPECT_EQ(vs.GetStandard(vs.GetStandardIndex())->GetName(), "C");
}

// ------------------------------------------------------------------ the shipped file

class ShippedStandardsTest : public StandardsTest {
protected:
    void SetUp() override {
        StandardsTest::SetUp();
        m_result = ReadStandardFile(m_list, fs::path(OMBRIX_DATA_DIR) / "Standard.dat");
    }
    const OrvStandard* Find(const std::string& name) const {
        for (const auto& s : m_list)
            if (s->GetName() == name) return s.get();
        return nullptr;
    }
    // The limits at f; at a jump, the upper side's point (the later one).
    StandardPoint At(const OrvStandard& s, double f) const {
        StandardPoint found{-1, -1, -1};
        for (const auto& p : s.GetPoints())
            if (p.frequency == f) found = p;
        return found;
    }
    StandardList m_list;
    StandardFileResult m_result = eStandardFileMissing;
};

TEST_F(ShippedStandardsTest, HoldsTheFourIcnirpStandards) {
    EXPECT_EQ(m_result, eStandardsRead);
    ASSERT_EQ(m_list.size(), 4u);
    for (const char* name : {"ICNIRP 2010 general public", "ICNIRP 2010 occupational",
                             "ICNIRP 1998 general public", "ICNIRP 1998 occupational"})
        EXPECT_NE(Find(name), nullptr) << name;
}

TEST_F(ShippedStandardsTest, LimitsAtFiftyHertz) {
    struct Anchor {
        const char* name;
        double b;
        double e;
    };
    const Anchor anchors[] = {{"ICNIRP 1998 general public", 100e-6, 5000},
                              {"ICNIRP 2010 general public", 200e-6, 5000},
                              {"ICNIRP 1998 occupational", 500e-6, 10000},
                              {"ICNIRP 2010 occupational", 1e-3, 10000}};
    for (const auto& a : anchors) {
        const OrvStandard* s = Find(a.name);
        ASSERT_NE(s, nullptr) << a.name;
        const StandardPoint p = At(*s, 50.0);
        EXPECT_DOUBLE_EQ(p.magneticLimit, a.b) << a.name;
        EXPECT_DOUBLE_EQ(p.electricLimit, a.e) << a.name;
    }
}

TEST_F(ShippedStandardsTest, CurvesSpanTheAnalyserRangeInRisingFrequency) {
    for (const auto& s : m_list) {
        const auto& points = s->GetPoints();
        ASSERT_GE(points.size(), 20u) << s->GetName();
        EXPECT_EQ(points.front().frequency, 5.0) << s->GetName();
        EXPECT_EQ(points.back().frequency, 32000.0) << s->GetName();
        for (std::size_t i = 1; i < points.size(); ++i) {
            EXPECT_GE(points[i].frequency, points[i - 1].frequency)
                << s->GetName() << " point " << i;
            EXPECT_GT(points[i].magneticLimit, 0.0);
            EXPECT_GT(points[i].electricLimit, 0.0);
        }
    }
}

TEST_F(ShippedStandardsTest, JumpsHaveTwoPointsAtOneFrequency) {
    const OrvStandard* pub2010 = Find("ICNIRP 2010 general public");
    ASSERT_NE(pub2010, nullptr);
    int at3k = 0;
    for (const auto& p : pub2010->GetPoints())
        at3k += p.frequency == 3000.0;
    EXPECT_EQ(at3k, 2);
    EXPECT_DOUBLE_EQ(At(*pub2010, 3000.0).magneticLimit, 2.7e-5);
    EXPECT_DOUBLE_EQ(At(*pub2010, 3000.0).electricLimit, 83.0);

    // 1998 occupational: B and E both step at 820 Hz.
    const OrvStandard* occ1998 = Find("ICNIRP 1998 occupational");
    ASSERT_NE(occ1998, nullptr);
    EXPECT_DOUBLE_EQ(At(*occ1998, 820.0).magneticLimit, 3.07e-5);
    EXPECT_DOUBLE_EQ(At(*occ1998, 820.0).electricLimit, 610.0);
    // 1998 public: E steps at 3 kHz while B stays flat since 800 Hz.
    const OrvStandard* pub1998 = Find("ICNIRP 1998 general public");
    ASSERT_NE(pub1998, nullptr);
    EXPECT_DOUBLE_EQ(At(*pub1998, 3000.0).electricLimit, 87.0);
    EXPECT_DOUBLE_EQ(At(*pub1998, 3000.0).magneticLimit, 6.25e-6);
    EXPECT_DOUBLE_EQ(At(*pub1998, 800.0).magneticLimit, 6.25e-6);
    EXPECT_DOUBLE_EQ(At(*pub1998, 800.0).electricLimit, 312.5);
}

TEST_F(ShippedStandardsTest, FileEndsLinesWithCrLf) {
    const std::string text = ReadWholeFile(fs::path(OMBRIX_DATA_DIR) / "Standard.dat").value_or("");
    ASSERT_FALSE(text.empty());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "byte " << i;
    EXPECT_EQ(text.substr(text.size() - 3), "-\r\n");
}

} // namespace
} // namespace ombrix
